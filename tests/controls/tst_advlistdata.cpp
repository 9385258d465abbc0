// The advanced list's table without a widget: sort order, selection rules, clamps, row splitting,
// the scroll-bar arithmetic and the persisted settings.

#include "controls/AdvListData.h"
#include "controls/AdvListProperties.h"
#include "controls/AdvListScrollBar.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The documented sort, literally: a bubble sort of lower-cased keys that swaps only on "greater
// than" and never stops early. The list must give exactly this order, faster.
QStringList BubbleSorted(const QStringList& cells, bool descending)
{
    const int n = int(cells.size());
    QStringList keys;
    for (const QString& c : cells)
        keys << c.toLower();
    QList<int> idx;
    for (int i = 0; i < n; ++i)
        idx << i;
    for (int pass = 0; pass < n; ++pass) {
        for (int j = n - 1; j >= 1; --j) {
            if (keys[j - 1] > keys[j]) {
                keys.swapItemsAt(j - 1, j);
                idx.swapItemsAt(j - 1, j);
            }
        }
    }
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << cells[idx[descending ? n - 1 - i : i]];
    return out;
}

// Rows kept by their owner: item i is the captions at i, split as the list splits them.
class CaptionSource : public AdvListRowSource {
public:
    CaptionSource(const AdvListData& data, QStringList captions)
        : m_data(data)
        , m_captions(std::move(captions))
    {
    }
    QString SourceCell(qint32 item, int column) const override
    {
        return m_data.SplitCaptions(m_captions[item]).at(column);
    }

private:
    const AdvListData& m_data;
    QStringList m_captions;
};

// Every odd row is a source row when source is given (its item i being firstColumn[i] and tag i).
AdvListData TableOf(const QStringList& firstColumn, CaptionSource* source = nullptr)
{
    AdvListData data;
    data.AddColumn("Name", 0, 100);
    data.AddColumn("Tag", 0, 100);
    data.SetRowSource(source);
    for (int i = 0; i < firstColumn.size(); ++i) {
        if (source && i % 2 == 1)
            data.AddSourceRow(i);
        else
            data.AddRow(firstColumn[i] + "\r\n" + QString::number(i));
    }
    return data;
}

QStringList Column(const AdvListData& data, int column)
{
    QStringList out;
    for (int r = 0; r < data.RowCount(); ++r)
        out << data.ListItem(column, r);
    return out;
}

QList<bool> Flags(const AdvListData& data)
{
    QList<bool> out;
    for (int r = 0; r < data.RowCount(); ++r)
        out << data.Selected(r);
    return out;
}

} // namespace

class TestAdvListData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Rows move whole; the selection flags and the current row stay on their positions; a column
    // that does not exist sorts nothing.
    void sortOrder_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("expectedTags");

        const QStringList mixed{"b", "A", "a", "10", "9"};
        QTest::newRow("numbers as text, ascending") << mixed << 0 << false << QStringList{"3", "4", "1", "2", "0"};
        QTest::newRow("numbers as text, descending") << mixed << 0 << true << QStringList{"0", "2", "1", "4", "3"};
        QTest::newRow("code unit order") << QStringList{"a", "_", "~", "1", "Z"} << 0 << false
                                         << QStringList{"3", "1", "0", "4", "2"};
        QTest::newRow("empty cells first, in order") << QStringList{"x", "", "y", ""} << 0 << false
                                                     << QStringList{"1", "3", "0", "2"};
        QTest::newRow("equal keys reversed when descending") << QStringList{"k", "K", "k"} << 0 << true
                                                             << QStringList{"2", "1", "0"};
        QTest::newRow("no rows") << QStringList{} << 0 << false << QStringList{};
        QTest::newRow("column past the last") << QStringList{"b", "a"} << 2 << false << QStringList{"0", "1"};
        QTest::newRow("column -1") << QStringList{"b", "a"} << -1 << false << QStringList{"0", "1"};
    }
    void sortOrder()
    {
        QFETCH(QStringList, cells);
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QStringList, expectedTags);
        const bool sorts = column == 0;
        AdvListData data = TableOf(cells);
        data.SetSelected(0, true);
        data.SetListIndex(0);
        QCOMPARE(data.SortByColumn(column, descending), sorts);
        QCOMPARE(Column(data, 1), expectedTags);
        QCOMPARE(data.SortColumn(), sorts ? 0 : -1);
        if (sorts)
            QCOMPARE(data.SortDirection(), descending ? 1 : 0);
        QList<bool> flags(cells.size(), false);
        if (!flags.isEmpty())
            flags[0] = true;
        QCOMPARE(Flags(data), flags);
        QCOMPARE(data.ListIndex(), cells.isEmpty() ? -1 : 0);
    }

    void sortMatchesBubbleSortOnRandomRows()
    {
        // Few distinct keys in varying case, so that equal keys are common.
        QRandomGenerator rng(20240607);
        // Keys shorter than four units, keys alike in their first four, one with a U+0000 in it and
        // one outside ASCII take every way through the comparison.
        const QStringList words{"Alpha", "alpha", "beta", "BETA", "10", "9", "", "_x", "Gamma ray", "gamma",
                                QStringView(u"al\0", 3).toString(), "al", QStringLiteral("\u00c4rger"), QStringLiteral("\u00e4rge")};
        QStringList cells;
        for (int i = 0; i < 300; ++i)
            cells << words[rng.bounded(int(words.size()))] + (rng.bounded(4) == 0 ? QString::number(rng.bounded(3)) : "");
        QStringList captions;
        for (int i = 0; i < cells.size(); ++i)
            captions << cells[i] + "\r\n" + QString::number(i);
        AdvListData splitter = TableOf({});
        CaptionSource source(splitter, captions);
        // Own rows and rows read through a source sort alike, mixed in one list.
        for (const int round : {0, 1, 2, 3}) {
            const bool descending = round % 2 == 1;
            AdvListData data = TableOf(cells, round >= 2 ? &source : nullptr);
            data.SortByColumn(0, descending);
            const QStringList expected = BubbleSorted(cells, descending);
            QCOMPARE(Column(data, 0), expected);
            // Whole rows move together: each row's tag still names a row that had this text.
            for (int r = 0; r < data.RowCount(); ++r)
                QCOMPARE(cells[data.ListItem(1, r).toInt()], data.ListItem(0, r));
        }
    }

    void addRowSplitsAtCrLf_data()
    {
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("extra part dropped") << "a\r\nb\r\nc\r\nd" << QStringList{"a", "b", "c"};
        QTest::newRow("single text") << "x" << QStringList{"x", "", ""};
        QTest::newRow("empty middle") << "a\r\n\r\nc" << QStringList{"a", "", "c"};
        QTest::newRow("bare LF is text") << "a\nb\rc" << QStringList{"a\nb\rc", "", ""};
        QTest::newRow("trailing break") << "a\r\n" << QStringList{"a", "", ""};
    }
    void addRowSplitsAtCrLf()
    {
        QFETCH(QString, captions);
        QFETCH(QStringList, cells);
        AdvListData data;
        for (int c = 0; c < 3; ++c)
            data.AddColumn(QString::number(c), 0, 80);
        QCOMPARE(data.AddRow("first"), 0);
        QCOMPARE(data.AddRow(captions), 1);
        for (int c = 0; c < 3; ++c)
            QCOMPARE(data.ListItem(c, 1), cells[c]);
        QCOMPARE(data.ListRow(1), cells.join("\r\n"));
        QVERIFY(!data.Selected(1));
        QCOMPARE(data.ListItem(3, 1), QString());
        QCOMPARE(data.ListRow(2), QString());

        // The same cells split once and added as a shared row; editing the list's copy leaves the
        // caller's cells alone.
        const QStringList split = data.SplitCaptions(captions);
        QCOMPARE(data.AddSplitRow(split), 2);
        QCOMPARE(data.ListRow(2), cells.join("\r\n"));
        QVERIFY(data.ModifyRow(2, 0, QStringLiteral("edited")));
        QCOMPARE(split.at(0), cells[0]);

        // A row read through a source shows the same cells; editing one cell gives the row cells
        // of its own, the others kept as they were shown.
        CaptionSource source(data, {captions});
        QCOMPARE(data.AddSourceRow(0), -1);  // no source yet
        data.SetRowSource(&source);
        QCOMPARE(data.RowCount(), 0);
        QCOMPARE(data.AddSourceRow(0), 0);
        QCOMPARE(data.SourceItem(0), 0);
        QCOMPARE(data.ListRow(0), cells.join("\r\n"));
        QVERIFY(data.ModifyRow(0, 1, QStringLiteral("edited")));
        QCOMPARE(data.SourceItem(0), -1);
        QCOMPARE(data.ListRow(0), (QStringList{cells[0], "edited", cells[2]}.join("\r\n")));
        QCOMPARE(source.SourceCell(0, 1), cells[1]);
    }

    void removeRowKeepsFlagsAndClampsListIndex()
    {
        AdvListData data = TableOf({"a", "b", "c", "d"});
        data.SetSelected(1, true);
        data.SetListIndex(3);
        QVERIFY(data.RemoveRow(0));
        QCOMPARE(Column(data, 0), (QStringList{"b", "c", "d"}));
        QCOMPARE(Flags(data), (QList<bool>{false, true, false}));  // the flag stayed on position 1
        QCOMPARE(data.ListIndex(), 2);
        QVERIFY(!data.RemoveRow(3));
        QCOMPARE(data.RowCount(), 3);
    }

    void listIndexClamps_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("expected");
        QTest::newRow("past the end") << 10 << 1000 << 9;
        QTest::newRow("empty list") << 0 << 1000 << -1;
        QTest::newRow("negative") << 10 << -7 << -1;
        QTest::newRow("in range") << 10 << 4 << 4;
    }
    void listIndexClamps()
    {
        QFETCH(int, rows);
        QFETCH(int, set);
        QFETCH(int, expected);
        AdvListData data = TableOf(QStringList(rows, "r"));
        data.SetSelected(0, true);
        data.SetListIndex(set);
        QCOMPARE(data.ListIndex(), expected);
        QCOMPARE(data.SelCount(), rows > 0 ? 1 : 0);  // the current row never touches the selection
    }

    void columnWidthClamps()
    {
        AdvListData data(15.0);
        QCOMPARE(data.AddColumn("narrow", 0, 10), 0);
        QCOMPARE(data.AddColumn("wide", 1, 2000), 1);
        QCOMPARE(data.ColumnWidth(0), 50 * 15);
        QCOMPARE(data.ColumnWidth(1), 800 * 15);
        QCOMPARE(data.ColumnWidth(2), -1);
        QVERIFY(data.ModifyColumn(1, "wide", 2, 120));
        QCOMPARE(data.ColumnWidth(1), 120 * 15);
        QVERIFY(!data.ModifyColumn(2, "none", 0, 100));
        for (int c = 2; c < 10; ++c)
            QCOMPARE(data.AddColumn("c", 0, 100), c);
        QCOMPARE(data.AddColumn("eleventh", 0, 100), -1);
        QCOMPARE(data.ColumnCount(), 10);
    }

    void pressRowSelectionRules_data()
    {
        QTest::addColumn<bool>("multiSelect");
        QTest::addColumn<bool>("rightClickSelect");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("shift");
        QTest::addColumn<QString>("flags");  // rows 0..5 before and after, '1' selected
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedIndex");

        const int L = AdvListData::LeftButton, R = AdvListData::RightButton, M = AdvListData::MiddleButton;
        const int S = AdvListData::ShiftMask, C = AdvListData::CtrlMask, A = AdvListData::AltMask;
        QTest::newRow("single: left selects only") << false << false << 0 << 3 << L << 0 << "110001" << "000100" << 3;
        QTest::newRow("single: right ignored") << false << false << 0 << 3 << R << 0 << "110001" << "110001" << 0;
        QTest::newRow("single: right with rcs") << false << true << 0 << 3 << R << 0 << "110001" << "000100" << 3;
        QTest::newRow("single: ctrl is plain") << false << false << 0 << 3 << L << C << "110001" << "000100" << 3;
        QTest::newRow("multi: plain") << true << false << 0 << 2 << L << 0 << "110001" << "001000" << 2;
        QTest::newRow("multi: alt is plain") << true << false << 0 << 2 << L << (S | A) << "110001" << "001000" << 2;
        QTest::newRow("multi: shift range up") << true << false << 4 << 1 << L << S << "000001" << "011111" << 1;
        QTest::newRow("multi: shift range down") << true << false << 1 << 3 << L << S << "100000" << "111100" << 3;
        QTest::newRow("multi: ctrl toggles on") << true << false << 0 << 2 << L << C << "100001" << "101001" << 2;
        QTest::newRow("multi: ctrl toggles off") << true << false << 0 << 5 << L << C << "100001" << "100000" << 5;
        QTest::newRow("multi: shift+ctrl inverts") << true << false << 1 << 4 << L << (S | C) << "010100" << "001010" << 4;
        QTest::newRow("multi: no current row") << true << false << -1 << 2 << L << S << "000000" << "001000" << 2;
        QTest::newRow("multi: right ignored") << true << false << 0 << 2 << R << 0 << "100000" << "100000" << 0;
        QTest::newRow("multi: rcs cleared") << true << true << 0 << 2 << R << 0 << "100000" << "100000" << 0;
        QTest::newRow("multi: middle ignored") << true << false << 0 << 2 << M << 0 << "100000" << "100000" << 0;
    }
    void pressRowSelectionRules()
    {
        QFETCH(bool, multiSelect);
        QFETCH(bool, rightClickSelect);
        QFETCH(int, listIndex);
        QFETCH(int, row);
        QFETCH(int, button);
        QFETCH(int, shift);
        QFETCH(QString, flags);
        QFETCH(QString, expected);
        QFETCH(int, expectedIndex);
        AdvListData data = TableOf(QStringList(6, "r"));
        data.SetRightClickSelect(rightClickSelect);
        QVERIFY(!data.RightClickSelect());  // ignored while MultiSelect, as a new table has it
        data.SetMultiSelect(false);
        data.SetRightClickSelect(rightClickSelect);
        data.SetMultiSelect(multiSelect);  // which turns RightClickSelect off again
        QCOMPARE(data.RightClickSelect(), rightClickSelect && !multiSelect);
        data.SetListIndex(listIndex);
        for (int r = 0; r < 6; ++r)
            data.SetSelected(r, flags[r] == '1');
        data.PressRow(row, button, shift);
        QString after;
        for (int r = 0; r < 6; ++r)
            after += data.Selected(r) ? '1' : '0';
        QCOMPARE(after, expected);
        QCOMPARE(data.ListIndex(), expectedIndex);
    }

    void markerLengthAndPlace_data()
    {
        QTest::addColumn<int>("track");
        QTest::addColumn<int>("largeChange");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("offset");  // marker start - track start
        QTest::newRow("tenth of the track at least") << 200 << 19 << 1000 << 0 << 20 << 0;
        QTest::newRow("never below 8 px") << 50 << 1 << 1000 << 1000 << 8 << 42;
        QTest::newRow("nine tenths at most") << 100 << 20 << 3 << 3 << 90 << 10;
        QTest::newRow("proportional, halfway") << 300 << 19 << 38 << 19 << 150 << 75;
        QTest::newRow("value past maximum pulled back") << 100 << 5 << 10 << 25 << 50 << 50;
    }
    void markerLengthAndPlace()
    {
        QFETCH(int, track);
        QFETCH(int, largeChange);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, length);
        QFETCH(int, offset);
        AdvListScrollBar bar(1, largeChange);
        bar.Maximum = maximum;
        bar.Value = value;
        bar.PlaceMarker(19, 19 + track);
        QCOMPARE(bar.MarkerLength(), length);
        QCOMPARE(bar.MarkerStart() - bar.TrackStart(), offset);
        QCOMPARE(bar.TrackEnd(), 19 + track - length);
        QVERIFY(bar.Value <= maximum);
    }

    void repeatStepStaysInRange()
    {
        AdvListScrollBar bar(1, 19);
        bar.Maximum = 7;
        bar.PlaceMarker(19, 300);
        bar.Value = 3;
        bar.RepeatAction = AdvListScrollBar::PageLess;
        QVERIFY(bar.RepeatStep());
        QCOMPARE(bar.Value, 0);
        QVERIFY(!bar.RepeatStep());
        bar.RepeatAction = AdvListScrollBar::PageMore;
        QVERIFY(bar.RepeatStep());
        QCOMPARE(bar.Value, 7);
        bar.RepeatAction = AdvListScrollBar::LineMore;
        QVERIFY(!bar.RepeatStep());
        bar.RepeatAction = AdvListScrollBar::LineLess;
        QVERIFY(bar.RepeatStep());
        QCOMPARE(bar.Value, 6);
        QCOMPARE(bar.MarkerStart(), bar.TrackStart() + int(std::nearbyint((bar.TrackEnd() - bar.TrackStart()) * 6.0 / 7)));
    }

    // Between the ends (the widget test drags past both) the value rounds down.
    void draggedMarkerGivesValue()
    {
        AdvListScrollBar bar(1, 10);
        bar.Maximum = 100;
        bar.PlaceMarker(17, 217);  // track 200, marker 20, free 180
        bar.DragMarkerTo(17 + 90);
        QCOMPARE(bar.Value, 50);  // floor(100 * 90 / 179)
        bar.DragMarkerTo(17 + 1);
        QCOMPARE(bar.Value, 0);  // floor(100 / 179)
    }

    void propertyKeysInOrder()
    {
        QStringList keys;
        for (const auto& [key, value] : WriteAdvListProperties(AdvListProperties{}))
            keys << key;
        const QStringList expected{
            "MultiSelect", "RightClickSelect", "SortableColumns", "UseMouseWheel", "MouseWheelStep", "HideLastColumn",
            "HideIndexMarker", "LFBold", "LFCharset", "LFItalic", "LFName", "LFSize", "LFStrikethrough",
            "LFUnderline", "LFWeight", "HFBold", "HFCharset", "HFItalic", "HFName", "HFSize", "HFStrikethrough",
            "HFUnderline", "HFWeight", "CustomColors", "ColorHeaderAsButton", "cWindowBack", "cWindowText",
            "cWorkspace", "cHighlight", "cHighlightText", "cButtonFace", "cButtonText", "cButtonShadow",
            "cButtonDkShadow", "cButtonHighlight", "cButtonBrHighlight", "cHeaderFace", "cHeaderText",
            "cHeaderShadow", "cHeaderDkShadow", "cHeaderHighlight", "cHeaderBrHighlight"};
        QCOMPARE(keys, expected);
        QCOMPARE(AdvListColorSystemIndex(AdvListColor::ButtonHighlight), 22);       // 3-D light
        QCOMPARE(AdvListColorSystemIndex(AdvListColor::HeaderBrightHighlight), 20);  // button highlight
    }

    void propertiesRoundTrip()
    {
        AdvListProperties p;
        p.MultiSelect = false;
        p.RightClickSelect = true;
        p.MouseWheelStep = 9;
        p.HideIndexBorder = true;
        p.ListFont.Name = "Liberation Serif";
        p.ListFont.SetSize(9.75);
        p.ListFont.SetWeight(600);
        p.HeaderFont.SetBold(true);
        p.HeaderFont.Italic = true;
        p.CustomColors = true;
        for (int i = 0; i < kAdvListColorCount; ++i)
            p.Colors[i] = RgbColor(i, 2 * i, 3 * i);

        AdvListProperties back;
        QString error;
        QVERIFY2(ReadAdvListProperties(WriteAdvListProperties(p), back, &error), qPrintable(error));
        const PropertyBag a = WriteAdvListProperties(p);
        const PropertyBag b = WriteAdvListProperties(back);
        QCOMPARE(a, b);
        QCOMPARE(back.ListFont.Weight(), 600);  // Weight wins over Bold
        QCOMPARE(back.ListFont.Size(), 9.75);

        // Without custom colours the colour keys are not read at all.
        PropertyBag plain = WriteAdvListProperties(AdvListProperties{});
        plain.removeIf([](const auto& kv) { return kv.first.startsWith('c') && kv.first != "CustomColors"; });
        AdvListProperties kept = p;
        QVERIFY(ReadAdvListProperties(plain, kept, &error));
        QCOMPARE(kept.Colors, p.Colors);
        QVERIFY(!kept.CustomColors);
    }

    void propertiesMissingKeyChangesNothing()
    {
        PropertyBag bag = WriteAdvListProperties(AdvListProperties{});
        bag.removeIf([](const auto& kv) { return kv.first == "HFWeight"; });
        AdvListProperties p;
        p.MouseWheelStep = 42;
        QString error;
        QVERIFY(!ReadAdvListProperties(bag, p, &error));
        QVERIFY(error.contains("HFWeight"));
        QCOMPARE(p.MouseWheelStep, 42);
    }
};

QTEST_GUILESS_MAIN(TestAdvListData)
#include "tst_advlistdata.moc"
