// "View" -> "Settings...": the settings dialog opens modally over the main window on the program's
// own settings, its "Editor" opens the theme editor over the dialog; Apply and Save there show the
// edited theme on the main window, Save writes it and it is in the dialog's theme list at once; the
// picker's previous colours outlive the editor; and the information panel is filled again when the
// dialog closes, whether by "OK" (saved) or "Cancel" (read back), once the edit waiting in it was
// stored or dropped as the user answered.

#include "MainWindowFixture.h"

#include "ModalDriver.h"
#include "WidgetClicks.h"

#include "controls/ucTextButton.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/frmColorPicker.h"
#include "dialogs/frmEditTheme.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMessageBox.h"
#include "dialogs/frmSettings.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class TestShowSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        frmEditTheme::ClearNextActions();
        frmMessageBox::ClearNextAnswers();
    }

    void settingsFromTheViewMenu_data()
    {
        QTest::addColumn<bool>("okay");
        QTest::addColumn<bool>("storeEdit");  // the answer to "Update Beta?" after the dialog
        QTest::newRow("OK, edit dropped") << true << false;
        QTest::newRow("Cancel, edit stored") << false << true;
    }
    void settingsFromTheViewMenu()
    {
        QFETCH(bool, okay);
        QFETCH(bool, storeEdit);
        MainWindowFixture f;
        f.WriteDatabase({TestRecord(f.folder.filePath("m/b.tktrack"), "Beta", "Bo")});
        f.WriteSettings([](AppSettings&, Theme&) {});
        f.Open();
        f.ClickRow(0);
        f.Child<QLineEdit>("txtInfo0")->setText(QStringLiteral("Edited"));

        frmMain& window = *f.window;
        const OleColor forest = RgbColor(20, 120, 40);
        QWidget* dialogOwner = nullptr;
        QWidget* editorOwner = nullptr;
        QWidget* settingsDialog = nullptr;
        QStringList offered;
        WhenModalOpens<frmSettings>([&](frmSettings* dialog) {
            dialogOwner = dialog->parentWidget();
            settingsDialog = dialog;
            frmEditTheme::SetNextAction([&](frmEditTheme& editor) {
                editorOwner = editor.parentWidget();
                frmColorPicker::SetNextAnswer(forest);
                LeftClick(editor.Swatch(frmEditTheme::ColorFrame::Window, 0));
                QVERIFY(window.palette().color(QPalette::Window) != QColor(20, 120, 40));
                LeftClick(editor.ApplyButton());
                QCOMPARE(window.palette().color(QPalette::Window), QColor(20, 120, 40));
                frmInputBox::SetNextAnswer(QStringLiteral("Forest"), true);
                LeftClick(editor.SaveButton());
                LeftClick(editor.ExitButton());
            });
            LeftClick(dialog->ThemeButton(0));
            for (int i = 0; i < dialog->ThemeList()->count(); ++i)
                offered << dialog->ThemeList()->item(i)->text();
            dialog->NameSchemeCheck(4)->setChecked(false);
            // Queued last, so that only the question after the dialog takes it.
            frmMessageBox::SetNextAnswer(storeEdit ? MessageAnswer::Yes : MessageAnswer::No);
            LeftClick(okay ? dialog->OkayButton() : dialog->CancelButton());
        });
        f.window->Run(MainCommand::Settings);

        QCOMPARE(frmEditTheme::PendingActions(), 0);
        QCOMPARE(dialogOwner, f.window.get());
        QCOMPARE(editorOwner, settingsDialog);
        QVERIFY2(offered.contains(QStringLiteral("Forest")), qPrintable(offered.join(QLatin1Char(','))));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(20, 120, 40));
        QCOMPARE(f.state.CurrentTheme.WindowFace, forest);
        Theme saved;
        QVERIFY(LoadTheme(saved, f.state.Settings.ThemePath, QStringLiteral("Forest")));
        QCOMPARE(saved, f.state.CurrentTheme);
        QCOMPARE(frmMessageBox::PendingAnswers(), 0);
        const QString title = storeEdit ? QStringLiteral("Edited") : QStringLiteral("Beta");
        QCOMPARE(f.Child<QLineEdit>("txtInfo0")->text(), title);
        QCOMPARE(f.state.Media.MediaList[0].Title, title);
        QCOMPARE(f.state.Settings.NameDashFilter, !okay);
        AppSettings onDisk;
        QVERIFY(ReadSettingsFile(SettingsFilePath(f.ProgramFolder()), onDisk));
        QCOMPARE(onDisk.NameDashFilter, !okay);
        QCOMPARE(onDisk.ThemeName, okay ? QStringLiteral("Forest") : QStringLiteral("Default"));

        // The next editor's picker offers the colour confirmed in the last one.
        frmEditTheme::SetNextAction([&](frmEditTheme& editor) {
            frmColorPicker::SetNextAnswer(std::nullopt);
            LeftClick(editor.Swatch(frmEditTheme::ColorFrame::List, 0));
            const auto pickers = editor.findChildren<frmColorPicker*>();
            QCOMPARE(pickers.size(), 1);
            QCOMPARE(pickers[0]->PreviousSwatch(0)->BackColor(), forest);
        });
        window.EditTheme(&window);
        QCOMPARE(frmEditTheme::PendingActions(), 0);
        QCOMPARE(f.state.RecentColors.At(0), forest);
    }
};

QTEST_MAIN(TestShowSettings)
#include "tst_showsettings.moc"
