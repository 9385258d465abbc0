// "View" -> "Statistics...": the entry sits in the View drop-down under that caption, opens the
// statistics window modally over the main window on the library the window shows (its figures come
// from the table, not an empty or stale copy), and "OK" closes it.

#include "MainWindowFixture.h"

#include "ModalDriver.h"

#include "controls/ucTextButton.h"
#include "dialogs/frmStatistics.h"

#include <QLabel>
#include <QTest>

class TestShowStatistics : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statisticsFromTheViewMenu();
};

void TestShowStatistics::statisticsFromTheViewMenu()
{
    MainWindowFixture f;
    f.WriteDatabase({TestRecord(f.folder.filePath("m/a.tktrack"), "Alpha", "Al", 7),
                     TestRecord(f.folder.filePath("m/b.tktrack"), "Beta", "Bo", 0),
                     TestRecord(f.folder.filePath("m/c.tkpack"), "Gamma", "Gu", 1300)});
    f.WriteSettings([](AppSettings&, Theme&) {});
    f.Open();

    const QString entry = CommandObjectName(MainCommand::Statistics);
    QCOMPARE(f.Child<QLabel>(entry)->text().remove(QLatin1Char('&')), QStringLiteral("Statistics..."));
    QWidget* owner = nullptr;
    QStringList figures;
    QString mostRidden;
    WhenModalOpens<frmStatistics>([&](frmStatistics* dialog) {
        owner = dialog->parentWidget();
        for (int i = 0; i < frmStatistics::kFigureCount; ++i)
            figures << dialog->FigureLabel(i)->text();
        mostRidden = dialog->MostRiddenTitle(0)->text();
        QTest::mouseClick(dialog->OkayButton(), Qt::LeftButton);
    });
    f.ClickLabel("lblMenu1");
    f.ClickLabel(entry);

    QCOMPARE(owner, f.window.get());
    QCOMPARE(figures, (QStringList{"3", "2", "1", "1,307", "1"}));
    QCOMPARE(mostRidden, QStringLiteral("Gamma"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestShowStatistics)
#include "tst_showstatistics.moc"
