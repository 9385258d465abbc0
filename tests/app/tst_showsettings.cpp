// "View" -> "Settings...": the settings dialog opens modally over the main window on the program's
// own settings, its "Editor" opens the theme editor over the dialog, and the information panel is
// filled again when the dialog closes, whether by "OK" (saved) or "Cancel" (read back).

#include "MainWindowFixture.h"

#include "ModalDriver.h"
#include "WidgetClicks.h"

#include "controls/ucAdvList.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmEditTheme.h"
#include "dialogs/frmSettings.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

class TestShowSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { frmEditTheme::ClearNextActions(); }
    void settingsFromTheViewMenu_data();
    void settingsFromTheViewMenu();
};

void TestShowSettings::settingsFromTheViewMenu_data()
{
    QTest::addColumn<bool>("okay");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestShowSettings::settingsFromTheViewMenu()
{
    QFETCH(bool, okay);
    MainWindowFixture f;
    f.WriteDatabase({TestRecord(f.folder.filePath("m/b.tktrack"), "Beta", "Bo")});
    f.WriteSettings([](AppSettings&, Theme&) {});
    f.Open();
    ucAdvList* list = f.List();
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, list->RowsTop() + 2));
    QCOMPARE(f.state.Selection.SelectedMediaIndex, 0);
    f.Child<QLineEdit>("txtInfo0")->setText(QStringLiteral("not stored"));

    QWidget* dialogOwner = nullptr;
    QWidget* editorOwner = nullptr;
    QWidget* settingsDialog = nullptr;
    WhenModalOpens<frmSettings>([&](frmSettings* dialog) {
        dialogOwner = dialog->parentWidget();
        settingsDialog = dialog;
        frmEditTheme::SetNextAction([&](frmEditTheme& editor) { editorOwner = editor.parentWidget(); });
        LeftClick(dialog->ThemeButton(0));
        dialog->NameSchemeCheck(4)->setChecked(false);
        LeftClick(okay ? dialog->OkayButton() : dialog->CancelButton());
    });
    f.window->ViewMenuClick(1);

    QCOMPARE(dialogOwner, f.window.get());
    QVERIFY(editorOwner);
    QCOMPARE(editorOwner, settingsDialog);
    QCOMPARE(f.Child<QLineEdit>("txtInfo0")->text(), QStringLiteral("Beta"));
    QCOMPARE(f.state.Settings.NameDashFilter, !okay);
    AppSettings onDisk;
    QVERIFY(ReadSettingsFile(SettingsFilePath(f.ProgramFolder()), onDisk));
    QCOMPARE(onDisk.NameDashFilter, !okay);
}

QTEST_MAIN(TestShowSettings)
#include "tst_showsettings.moc"
