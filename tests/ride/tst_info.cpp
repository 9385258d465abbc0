// "Trakora Information...": the version row of each of the simulator's three programs, read from
// the programs in the simulator folder and shown by frmInfo.

#include "TestFolder.h"

#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmInfo.h"
#include "ride/AppFileInfo.h"

#include <QFile>
#include <QLabel>
#include <QTest>

class TestInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rows_data()
    {
        QTest::addColumn<QStringList>("programs");  // built program per row, "" for none
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("no simulator folder") << QStringList() << QStringList{"----", "----", "----"};
        QTest::newRow("only the simulator") << QStringList{"Full64.exe", "", ""}
                                            << QStringList{"1 . 6 . 0 . 3", "----", "----"};
        // "3.1.0.0" has no comma to show; a resource without FileVersion shows an empty value, a
        // program without any resource "----".
        QTest::newRow("all three") << QStringList{"Full32.exe", "NoTranslation64.exe", "Bare32.exe"}
                                   << QStringList{"1 . 6 . 0 . 3", "3.1.0.0", ""};
        QTest::newRow("one without a resource") << QStringList{"Full64.exe", "Plain64.exe", ""}
                                                << QStringList{"1 . 6 . 0 . 3", "----", "----"};
    }
    void rows()
    {
        QFETCH(QStringList, programs);
        QFETCH(QStringList, shown);
        TestFolder root;
        QString simulatorPath;
        if (!programs.isEmpty()) {
            simulatorPath = root.createDir(QStringLiteral("sim")) + QLatin1Char('/');
            const QString names[] = {QStringLiteral("TrakoraSimulator.exe"), QStringLiteral("TrakoraEditor.exe"),
                                     QStringLiteral("TrakoraTerraformer.exe")};
            for (int i = 0; i < 3; ++i) {
                if (programs[i].isEmpty())
                    continue;
                const QString built = QStringLiteral(RV_VERSIONINFO_DIR "/") + programs[i];
                if (!QFile::exists(built))
                    QSKIP("the mingw-w64 test programs were not built");
                QVERIFY(QFile::copy(built, simulatorPath + names[i]));
            }
        }

        frmInfo info(SimulatorVersionTexts(simulatorPath));

        QCOMPARE(info.windowTitle(), QStringLiteral("Trakora Information..."));
        const QStringList captions{"Simulator:", "Editor:", "Terraformer:"};
        for (int i = 0; i < frmInfo::kRowCount; ++i) {
            QCOMPARE(info.CaptionLabel(i)->text(), captions[i]);
            QCOMPARE(info.AppVersionLabel(i)->text(), shown[i]);
        }
        QStringList inFrame;
        for (const QLabel* label : info.VersionsFrame()->findChildren<QLabel*>())
            inFrame << label->text();
        QCOMPARE(inFrame.first(), QStringLiteral("Application Versions"));
        QCOMPARE(inFrame.size(), 1 + 2 * frmInfo::kRowCount);

        QCOMPARE(info.OkayButton()->Caption(), QStringLiteral("OK"));
        info.show();
        QTest::mouseClick(info.OkayButton(), Qt::LeftButton);
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
