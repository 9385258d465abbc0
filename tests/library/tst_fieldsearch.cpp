// The search language over a small library: every field, the number and date forms, negation,
// quotes, values that do not read falling back to plain text, and plain texts searched exactly as
// the plain search always was. A fault shows as the wrong set of records for a query.

#include "library/FieldSearch.h"
#include "library/RecordDate.h"
#include "library/RowText.h"

#include <QTest>

using Indices = QList<qint32>;

namespace {

MediaRecord Record(const char* title, const char* author, const char* rating, qint32 rideCount,
                   const char* rideDate, qint32 fileType, const char* addDate, const char* notes,
                   const char* path)
{
    MediaRecord r;
    r.Title = QString::fromUtf8(title);
    r.Author = QString::fromUtf8(author);
    r.Rating = QString::fromUtf8(rating);
    r.RideCount = rideCount;
    r.RideDate = QString::fromUtf8(rideDate);
    r.FileType = fileType;
    r.TypeName = TypeNameOf(fileType);
    r.AddDate = QString::fromUtf8(addDate);
    r.Notes = QString::fromUtf8(notes);
    r.FilePath = QString::fromUtf8(path);
    return r;
}

const std::vector<MediaRecord>& Library()
{
    static const std::vector<MediaRecord> records = {
        Record("Steel Dragon", "John Smith", "*****", 12, "03/14/2025 17:02:09", FileTypeTrack,
               "01/02/2024 04:05:06", "Great airtime", "/media/Tracks/steel_dragon.tktrack"),
        Record("Wooden Beast", "Anna Lee", "***", 0, "", FileTypePackage, "12/31/2024 23:59:59", "",
               "/media/Packs/beast.tkpack"),
        Record("Loop a:b", "steel works", "", 3, "02/29/2024 10:00:00", FileTypeTrack, "02/29/2024 09:00:00",
               "rough ride", "/media/Tracks/loop.tktrack"),
        Record("Night Flight (rode:twice)", "", "**", 1000, "01/01/2026 00:00:00", FileTypeUnknown, "not a date",
               "steel dragon tribute", "/media/Other/night.tkpack"),
    };
    return records;
}

Indices Find(const QString& query)
{
    const FieldSearch search(query);
    Indices found;
    for (qint32 i = 0; i < qint32(Library().size()); ++i)
        if (search.Matches(Library()[size_t(i)], BuildRowText(Library()[size_t(i)], i)))
            found << i;
    return found;
}

} // namespace

class TestFieldSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void query_data();
    void query();
    void plainTextIsTheOldSearch_data();
    void plainTextIsTheOldSearch();
    void storedDates_data();
    void storedDates();
};

void TestFieldSearch::query_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<Indices>("found");
    const auto row = [](const char* name, const char* query, Indices found) {
        QTest::newRow(name) << QString::fromUtf8(query) << found;
    };
    row("empty query", "", {0, 1, 2, 3});
    row("plain word ignores case", "STEEL", {0, 2});
    row("plain text is one phrase", "dragon steel", {});
    row("type cell takes part", "track", {0, 2});
    row("formatted count", "1,000", {3});
    row("separators take part", "lee\r\n***", {1});
    row("unknown field is text", "a:b", {2});
    row("field name ignores case", "TITLE:dragon", {0});

    row("title", "title:steel", {0});
    row("author", "author:steel", {2});
    row("notes are not in the row", "notes:steel", {3});
    row("notes phrase", "notes:\"dragon tribute\"", {3});
    row("notes phrase in order", "notes:\"tribute dragon\"", {});
    row("path ignores case", "path:/media/tracks/", {0, 2});
    row("type track", "type:track", {0, 2});
    row("type pack", "type:PACK", {1});

    row("rating N", "rating:3", {1});
    row("rating >=N", "rating:>=3", {0, 1});
    row("rating <=N counts an empty rating", "rating:<=2", {2, 3});
    row("rating >N", "rating:>3", {0});
    row("rating <N", "rating:<3", {2, 3});
    row("rating N..M", "rating:2..3", {1, 3});
    row("ridden N", "ridden:0", {1});
    row("ridden is the number, not its text", "ridden:1000", {3});
    row("ridden >=N", "ridden:>=12", {0, 3});
    row("ridden N..M inclusive", "ridden:3..12", {0, 2});
    row("ridden <N", "ridden:<1", {1});
    row("ridden >N", "ridden:>1000", {});
    row("ridden reversed range", "ridden:12..3", {});

    row("added year", "added:2024", {0, 1, 2});
    row("added month", "added:2024-02", {2});
    row("added leap day", "added:2024-02-29", {2});
    row("added one-digit month", "added:2024-2", {2});
    row("added >=day", "added:>=2024-02-29", {1, 2});
    row("added <day", "added:<2024-02-29", {0});
    row("added <=month takes the whole month", "added:<=2024-12", {0, 1, 2});
    row("added >year is after its last day", "added:>2023", {0, 1, 2});
    row("added range inclusive at both ends", "added:2024-01-02..2024-02-29", {0, 2});
    row("unreadable date never in range", "added:>=1900", {0, 1, 2});
    row("rode year", "rode:2025", {0});
    row("rode >day", "rode:>2025-03-14", {3});
    row("rode year range", "rode:2024..2025", {0, 2});
    row("rode never", "rode:never", {1});

    row("negated word", "-steel", {1, 3});
    row("negated field", "-type:pack", {0, 2, 3});
    row("negated never", "-rode:never", {0, 2, 3});
    row("negated unreadable date", "-added:2024", {3});
    row("negated phrase", "-\"steel\"", {1, 3});
    row("lone dash is text", "-", {});

    row("every word must match", "steel type:track", {0, 2});
    row("words split when a field is there", "dragon steel type:track", {0});
    row("word and negated field", "steel -type:track", {});
    row("two fields", "title:steel author:john", {0});
    row("quoted phrase keeps its order", "\"dragon steel\"", {});
    row("quoted phrase", "\"steel dragon\" track", {0});
    row("quoted field word is text", "\"title:night\"", {});
    row("quoted dash is text", "\"-steel\"", {});
    row("quoted unknown field", "\"a:b\"", {2});
    row("field phrase", "title:\"night flight\"", {3});
    row("unclosed quote runs to the end", "\"steel dra", {0});

    row("month 13 is text", "added:2024-13", {});
    row("no 29 February in 2023", "added:2023-02-29", {});
    row("two-digit year is text", "added:24", {});
    row("half range is text", "ridden:3..", {});
    row("negative count is text", "ridden:-3", {});
    row("comparison without number is text", "ridden:>=x", {});
    row("unknown type is text", "type:unknown", {});
    row("empty value is text", "title:", {});
    row("bad date is found as text", "rode:twice", {3});
    row("bad date as text among fields", "title:flight rode:twice", {3});
}

void TestFieldSearch::query()
{
    QFETCH(QString, query);
    QFETCH(Indices, found);
    QCOMPARE(Find(query), found);
}

void TestFieldSearch::plainTextIsTheOldSearch_data()
{
    QTest::addColumn<QString>("query");
    QTest::newRow("two words") << "steel dragon";
    QTest::newRow("blanks only") << "  ";
    QTest::newRow("double blank") << "steel  dragon";
    QTest::newRow("key digit and separator") << "\r\n2";
    QTest::newRow("unknown field") << "a:b";
    QTest::newRow("value that does not read") << "rating:abc";
    QTest::newRow("leading blank") << " works";
}

void TestFieldSearch::plainTextIsTheOldSearch()
{
    QFETCH(QString, query);
    const FieldSearch search(query);
    QVERIFY(search.IsPlain());
    for (qint32 i = 0; i < qint32(Library().size()); ++i) {
        const QString row = BuildRowText(Library()[size_t(i)], i);
        QCOMPARE(search.Matches(Library()[size_t(i)], row), RowTextMatches(row, query));
    }
}

void TestFieldSearch::storedDates_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qint64>("moment");
    QTest::newRow("date and time") << "03/14/2026 17:02:09" << qint64(20260314170209);
    QTest::newRow("system separators") << "03.14.2026 17.02.09" << qint64(20260314170209);
    QTest::newRow("no time is midnight") << "03/14/2026" << qint64(20260314000000);
    QTest::newRow("bad time is midnight") << "03/14/2026 25:00:00" << qint64(20260314000000);
    QTest::newRow("one-digit month") << "3/14/2026 17:02:09" << qint64(0);
    QTest::newRow("day and month swapped") << "14/03/2026 17:02:09" << qint64(0);
    QTest::newRow("two-digit year") << "03/14/26 17:02:09" << qint64(0);
    QTest::newRow("empty") << "" << qint64(0);
}

void TestFieldSearch::storedDates()
{
    QFETCH(QString, stored);
    QFETCH(qint64, moment);
    QCOMPARE(RecordMoment(stored), moment);
    QCOMPARE(qint64(RecordDay(stored)), moment / 1000000);
}

QTEST_APPLESS_MAIN(TestFieldSearch)
#include "tst_fieldsearch.moc"
