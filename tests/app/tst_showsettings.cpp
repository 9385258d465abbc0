// "View" -> "Settings...": the settings dialog opens modally over the main window on the program's
// own settings, its "Editor" opens the theme editor over the dialog, a theme saved there shows on the
// main window and in the dialog's theme list at once, and the information panel is filled again when
// the dialog closes, whether by "OK" (saved) or "Cancel" (read back).

#include "MainWindowFixture.h"

#include "ModalDriver.h"
#include "WidgetClicks.h"

#include "controls/ucTextButton.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/frmColorPicker.h"
#include "dialogs/frmEditTheme.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmSettings.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class TestShowSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmEditTheme::ClearNextActions(); }

    void settingsFromTheViewMenu_data()
    {
        QTest::addColumn<bool>("okay");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void settingsFromTheViewMenu()
    {
        QFETCH(bool, okay);
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/b.tktrack"), "Beta", "Bo")});
        f.WriteSettings([](AppSettings&, Theme&) {});
        f.Open();
        f.ClickRow(0);
        QCOMPARE(f.state.Selection.SelectedMediaIndex, 0);
        f.Child<QLineEdit>("txtInfo0")->setText(QStringLiteral("not stored"));

        QWidget* dialogOwner = nullptr;
        QWidget* editorOwner = nullptr;
        QWidget* settingsDialog = nullptr;
        QStringList offered;
        WhenModalOpens<frmSettings>([&](frmSettings* dialog) {
            dialogOwner = dialog->parentWidget();
            settingsDialog = dialog;
            frmEditTheme::SetNextAction([&](frmEditTheme& editor) {
                editorOwner = editor.parentWidget();
                frmColorPicker::SetNextAnswer(RgbColor(20, 120, 40));
                LeftClick(editor.Swatch(frmEditTheme::ColorFrame::Window, 0));
                frmInputBox::SetNextAnswer(QStringLiteral("Forest"), true);
                LeftClick(editor.SaveButton());
                LeftClick(editor.ExitButton());
            });
            LeftClick(dialog->ThemeButton(0));
            for (int i = 0; i < dialog->ThemeList()->count(); ++i)
                offered << dialog->ThemeList()->item(i)->text();
            dialog->NameSchemeCheck(4)->setChecked(false);
            LeftClick(okay ? dialog->OkayButton() : dialog->CancelButton());
        });
        f.window->ViewMenuClick(1);

        QCOMPARE(frmEditTheme::PendingActions(), 0);
        QCOMPARE(dialogOwner, f.window.get());
        QVERIFY(editorOwner);
        QCOMPARE(editorOwner, settingsDialog);
        QVERIFY2(offered.contains(QStringLiteral("Forest")), qPrintable(offered.join(QLatin1Char(','))));
        QCOMPARE(f.window->palette().color(QPalette::Window), QColor(20, 120, 40));
        QCOMPARE(f.Child<QLineEdit>("txtInfo0")->text(), QStringLiteral("Beta"));
        QCOMPARE(f.state.Settings.NameDashFilter, !okay);
        AppSettings onDisk;
        QVERIFY(ReadSettingsFile(SettingsFilePath(f.ProgramFolder()), onDisk));
        QCOMPARE(onDisk.NameDashFilter, !okay);
    }
};

QTEST_MAIN(TestShowSettings)
#include "tst_showsettings.moc"
