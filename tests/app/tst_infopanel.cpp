// The information panel: storing edited fields (with the Title confirmation), Enter in the boxes,
// which screenshot the thumbnail shows, that screenshot in the large preview, and edits that are
// never dropped silently.

#include "MainWindowFixture.h"

#include "ModalDriver.h"

#include "app/PictureBox.h"
#include "app/frmPreview.h"
#include "controls/ucAdvList.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"
#include "library/MediaDatabase.h"

#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

QColor ColourOf(char code)
{
    switch (code) {
    case 'r': return QColor(220, 0, 0);
    case 'g': return QColor(0, 200, 0);
    default: return QColor(0, 0, 220);
    }
}

// "m/loop.bmp:r" is a red BMP; ":x" is a file that is no picture at all.
void WritePicture(TestFolder& folder, const QString& entry)
{
    const QString relative = entry.section(QLatin1Char(':'), 0, 0);
    const char code = entry.section(QLatin1Char(':'), 1).at(0).toLatin1();
    if (code == 'x') {
        folder.createFile(relative, "not a picture");
        return;
    }
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(ColourOf(code));
    folder.createDir(relative.section(QLatin1Char('/'), 0, -2));
    QVERIFY(image.save(folder.filePath(relative)));
}

bool Near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 && qAbs(a.blue() - b.blue()) < 24;
}

} // namespace

class TestInfoPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmMessageBox::ClearNextAnswers(); }

    void updateStoresOnlyWhenConfirmed_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("answer");  // a MessageAnswer queued for the confirmation; -2: none is asked
        QTest::addColumn<bool>("stored");
        QTest::newRow("new title, no question") << "Renamed" << -2 << true;
        QTest::newRow("empty title, Yes") << "" << 2 << true;
        QTest::newRow("empty title, No") << "" << 3 << false;
        QTest::newRow("empty title, Cancel") << "" << 1 << false;
        QTest::newRow("empty title, closed") << "" << -1 << false;
    }
    void updateStoresOnlyWhenConfirmed()
    {
        QFETCH(QString, title);
        QFETCH(int, answer);
        QFETCH(bool, stored);
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/b.tktrack"), "Beta", "Bo"),
                         TestRecord(f.folder.filePath("m/a.tktrack"), "Alpha", "Al")});
        f.Open();
        f.ClickRow(1);  // "Beta", record 0
        QCOMPARE(f.state.Selection.SelectedMediaIndex, 0);
        auto* update = f.Child<ucTextButton>("btnUpdateInfo");
        QVERIFY(!update->isEnabled());
        f.Child<QLineEdit>("txtInfo0")->setText(title);
        f.Child<QLineEdit>("txtInfo1")->setText(QStringLiteral("Bob"));
        f.Child<QPlainTextEdit>("txtInfo3")->setPlainText(QStringLiteral("two\nlines"));
        QVERIFY(update->isEnabled());
        if (answer != -2)
            frmMessageBox::SetNextAnswer(MessageAnswer(answer));
        f.List()->SortByColumn(1, true);  // the row moved: it is found again by its key
        QTest::mouseClick(update, Qt::LeftButton);
        QCOMPARE(frmMessageBox::PendingAnswers(), 0);

        const MediaRecord& record = f.state.Media.MediaList[0];
        MediaTable onDisk;
        QVERIFY(LoadMediaDatabase(onDisk, f.ProgramFolder()));
        const int row = f.window->FindRowByKey(0);
        if (stored) {
            QCOMPARE(record.Title, title);
            QCOMPARE(record.Author, QStringLiteral("Bob"));
            QCOMPARE(record.Notes, QStringLiteral("two\r\nlines"));
            QCOMPARE(onDisk.MediaList[0], record);
            QCOMPARE(f.List()->ListItem(0, row), title);
            QCOMPARE(f.List()->ListItem(1, row), QStringLiteral("Bob"));
            QVERIFY(!update->isEnabled());
            QVERIFY(f.List()->hasFocus());
        } else {
            QCOMPARE(record.Title, QStringLiteral("Beta"));
            QCOMPARE(onDisk.MediaList[0].Title, QStringLiteral("Beta"));
            QCOMPARE(f.List()->ListItem(0, row), QStringLiteral("Beta"));
            QVERIFY(update->isEnabled());
        }
    }

    void enterStoresExceptInNotes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("stored");
        QTest::newRow("Title") << "txtInfo0" << true;
        QTest::newRow("Rating") << "txtInfo2" << true;
        QTest::newRow("Notes") << "txtInfo3" << false;
    }
    void enterStoresExceptInNotes()
    {
        QFETCH(QString, box);
        QFETCH(bool, stored);
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/a.tktrack"), "Alpha")});
        f.Open();
        f.ClickRow(0);
        QWidget* edit = f.Child<QWidget>(box);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, QStringLiteral("X"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(f.Child<ucTextButton>("btnUpdateInfo")->isEnabled(), !stored);
        const MediaRecord& record = f.state.Media.MediaList[0];
        QCOMPARE(record.Title + record.Rating + record.Notes == QStringLiteral("Alpha"), !stored);
        QCOMPARE(f.List()->hasFocus(), stored);
    }

    void screenshotChoice_data()
    {
        QTest::addColumn<QString>("record");     // relative to the test folder
        QTest::addColumn<QString>("packTrack");
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QString>("shown");      // colour code, "-" for none
        QTest::newRow("first by name beside the file")
            << "m/loop.tktrack" << "" << QStringList{"m/loop2.jpg:g", "m/loop.bmp:r", "sim/Screenshots/loop.bmp:b"} << "r";
        QTest::newRow("the simulator's folder when none beside")
            << "m/loop.tktrack" << "" << QStringList{"m/other.bmp:r", "sim/Screenshots/loop_001.jpg:b"} << "b";
        QTest::newRow("a ridden package by its track's name")
            << "m/pack.tkpack" << "Tracks\\loop.tktrack" << QStringList{"m/pack.bmp:r", "m/loop.bmp:g"} << "g";
        QTest::newRow("an unreadable picture is skipped")
            << "m/loop.tktrack" << "" << QStringList{"m/loop.bmp:x", "m/loop2.jpg:g"} << "g";
        QTest::newRow("nothing readable") << "m/loop.tktrack" << "" << QStringList{"m/loop.jpg:x"} << "-";
    }
    // The thumbnail shows the chosen screenshot; a click on it opens that picture at the large size,
    // and a click on the picture closes it.
    void screenshotChoice()
    {
        QFETCH(QString, record);
        QFETCH(QString, packTrack);
        QFETCH(QStringList, pictures);
        QFETCH(QString, shown);
        MainWindowFixture f;
        const QString sim = f.folder.createDir(QStringLiteral("sim")) + QLatin1Char('/');
        f.WriteSettings([&sim](AppSettings& s, Theme&) {
            s.SimulatorPath = sim;
            s.LargeViewWidth = 400;
            s.LargeViewHeight = 300;
        });
        for (const QString& picture : pictures)
            WritePicture(f.folder, picture);
        MediaRecord r = TestRecord(f.folder.filePath(record), QStringLiteral("Loop"));
        r.PackTrack = packTrack;
        f.WriteDatabase({r});
        frmMain& window = f.Open();
        f.ClickRow(0);
        auto* thumbnail = f.Child<PictureBox>(QStringLiteral("pbPreview"));
        const QImage drawn = thumbnail->grab().toImage();
        if (shown == QLatin1String("-")) {
            QVERIFY(!window.HasPreview());
            QVERIFY(!thumbnail->Showing());
            return;
        }
        QVERIFY(window.HasPreview());
        const QColor expected = ColourOf(shown.at(0).toLatin1());
        QVERIFY2(Near(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), expected),
                 qPrintable(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2).name()));

        QSize size;
        QColor middle;
        bool closed = false;
        WhenModalOpens<frmPreview>([&](frmPreview* preview) {
            size = preview->size();
            middle = preview->Picture()->grab().toImage().pixelColor(200, 150);
            QTest::mouseClick(preview->Picture(), Qt::LeftButton);
            closed = !preview->isVisible();
        });
        QTest::mouseClick(thumbnail, Qt::LeftButton);
        QCOMPARE(size, QSize(400, 300));
        QVERIFY2(Near(middle, expected), qPrintable(middle.name()));
        QVERIFY(closed);
    }

    // Edits not yet stored with "Update" are never replaced silently: a row change (the same row
    // too) or a validation asks "Update <Title>?", Yes stores them and No shows the stored fields
    // again; the refresh after a ride keeps them and changes only the thumbnail.
    void pendingEditsAreNeverDroppedSilently_data()
    {
        QTest::addColumn<QString>("trigger");  // "row", "same row", "validate" or "ride"
        QTest::addColumn<int>("answer");        // the MessageAnswer to "Update Beta?"; -2: not asked
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("shown");     // the Title box afterwards
        QTest::newRow("row change, Yes") << "row" << 2 << true << "Alpha";
        QTest::newRow("row change, No") << "row" << 3 << false << "Alpha";
        QTest::newRow("same row, No") << "same row" << 3 << false << "Beta";
        QTest::newRow("validation, Yes") << "validate" << 2 << true << "Edited";
        QTest::newRow("validation, No") << "validate" << 3 << false << "Beta";
        QTest::newRow("ride refresh keeps edits") << "ride" << -2 << false << "Edited";
    }
    void pendingEditsAreNeverDroppedSilently()
    {
        QFETCH(QString, trigger);
        QFETCH(int, answer);
        QFETCH(bool, stored);
        QFETCH(QString, shown);
        MainWindowFixture f;
        const QString sim = f.folder.createDir(QStringLiteral("sim")) + QLatin1Char('/');
        f.WriteSettings([&sim](AppSettings& s, Theme&) { s.SimulatorPath = sim; });
        f.WriteDatabase({TestRecord(f.folder.createFile("m/b.tktrack", "track"), "Beta"),
                         TestRecord(f.folder.createFile("m/a.tktrack", "track"), "Alpha")});
        frmMain& window = f.Open();
        f.ClickRow(1);  // "Beta", record 0
        QVERIFY(!window.HasPreview());
        f.Child<QLineEdit>("txtInfo0")->setText(QStringLiteral("Edited"));
        f.Child<QLineEdit>("txtInfo1")->setText(QStringLiteral("Bob"));

        if (answer != -2)
            frmMessageBox::SetNextAnswer(MessageAnswer(answer));
        if (trigger == QLatin1String("row") || trigger == QLatin1String("same row")) {
            f.ClickRow(trigger == QLatin1String("row") ? 0 : 1);
        } else if (trigger == QLatin1String("validate")) {
            f.state.Settings.MediaPaths = QStringList{f.folder.filePath(QStringLiteral("m"))};
            window.Run(MainCommand::ValidateMediaList);
            QCOMPARE(f.state.Media.MediaCount(), 2);
        } else {
            WritePicture(f.folder, QStringLiteral("m/b.bmp:r"));
            window.RefreshAfterRide();
            QVERIFY(window.HasPreview());
            QVERIFY(f.Child<ucTextButton>("btnUpdateInfo")->isEnabled());
            QCOMPARE(f.Child<QLineEdit>("txtInfo1")->text(), QStringLiteral("Bob"));
        }
        QCOMPARE(frmMessageBox::PendingAnswers(), 0);

        QCOMPARE(f.Child<QLineEdit>("txtInfo0")->text(), shown);
        const QString expected = stored ? QStringLiteral("Edited") : QStringLiteral("Beta");
        QCOMPARE(f.state.Media.MediaList[0].Title, expected);
        QCOMPARE(f.state.Media.MediaList[0].Author, stored ? QStringLiteral("Bob") : QString());
        MediaTable onDisk;
        QVERIFY(LoadMediaDatabase(onDisk, f.ProgramFolder()));
        QCOMPARE(onDisk.MediaList[0].Title, expected);
        QCOMPARE(f.List()->ListItem(0, window.FindRowByKey(0)), expected);
    }
};

QTEST_MAIN(TestInfoPanel)
#include "tst_infopanel.moc"
