// The theme editor opened from the main window: Apply and Save show the edited theme on the window,
// Save writes the theme and names it in the settings, and the picker's previous colours outlive
// each editor.

#include "MainWindowFixture.h"
#include "WidgetClicks.h"

#include "controls/ucTextButton.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/frmColorPicker.h"
#include "dialogs/frmEditTheme.h"
#include "dialogs/frmInputBox.h"
#include "theme/ThemeFile.h"

#include <QTest>

class tst_mainthemeeditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void applyAndSave()
    {
        MainWindowFixture f;
        frmMain& window = f.Open();
        const OleColor wine = RgbColor(120, 20, 40);
        frmEditTheme::SetNextAction([&](frmEditTheme& editor) {
            frmColorPicker::SetNextAnswer(wine);
            LeftClick(editor.Swatch(frmEditTheme::ColorFrame::Window, 0));
            QVERIFY(window.palette().color(QPalette::Window) != QColor(120, 20, 40));
            LeftClick(editor.ApplyButton());
            QCOMPARE(window.palette().color(QPalette::Window), QColor(120, 20, 40));
            frmInputBox::SetNextAnswer(QStringLiteral("Wine"), true);
            LeftClick(editor.SaveButton());
            LeftClick(editor.ExitButton());
        });
        window.EditTheme(&window);
        QCOMPARE(frmEditTheme::PendingActions(), 0);
        QCOMPARE(f.state.CurrentTheme.WindowFace, wine);
        QCOMPARE(f.state.Settings.ThemeName, QStringLiteral("Wine"));
        Theme saved;
        QVERIFY(LoadTheme(saved, f.state.Settings.ThemePath, QStringLiteral("Wine")));
        QCOMPARE(saved, f.state.CurrentTheme);

        // The next editor's picker offers the colour confirmed in the last one.
        frmEditTheme::SetNextAction([&](frmEditTheme& editor) {
            frmColorPicker::SetNextAnswer(std::nullopt);
            LeftClick(editor.Swatch(frmEditTheme::ColorFrame::List, 0));
            const auto pickers = editor.findChildren<frmColorPicker*>();
            QCOMPARE(pickers.size(), 1);
            QCOMPARE(pickers[0]->PreviousSwatch(0)->BackColor(), wine);
        });
        window.EditTheme(&window);
        QCOMPARE(f.state.RecentColors.At(0), wine);
    }
};

QTEST_MAIN(tst_mainthemeeditor)
#include "tst_mainthemeeditor.moc"
