#pragma once
// frmEditTheme ("Theme Editor..."): edits every field of the current theme - the five fonts, the 23
// colours in four groups and the size of the screenshot preview - on copies held in its own
// controls. The theme changes only on Apply and Save, which also hand it to the main window through
// the applyTheme hook; Save writes it as "<ThemePath><name>.rvltt" and makes it the settings'
// ThemeName. ThemeDirty says that something changed since opening or since the last Save (Apply
// does not clear it); Exit asks about such changes. Closing never restores the theme that was
// current before: what was applied stays applied. The window's close box and Escape act as Exit.
//
// Save refuses a name that starts with "." or holds "/" or "\" before writing anything, asks before
// replacing a theme of that name in any letter case (and then writes over that file), and shows a
// save that failed; the editor then stays dirty and ThemeName unchanged.
//
// Colours are picked with frmColorPicker over the caller's previous-colour list, fonts with the
// system font dialog (ShowFontDialog).
//
// Test hook: SetNextAction queues actions. While the queue holds one, EditTheme builds the editor as
// usual and runs the queued action on it instead of showing it. The program never queues one.

#include "dialogs/PresetAnswers.h"
#include "theme/PreviousColors.h"

#include <QDialog>
#include <QList>

#include <array>
#include <functional>

struct AppSettings;
struct Theme;
class ColorSwatch;
class FontSampleBox;
class QRadioButton;
class frmColorPicker;
class ucTextButton;

class frmEditTheme : public QDialog {
    Q_OBJECT
public:
    // The swatch frames, in the order of the Colorize buttons after List.
    enum class ColorFrame { List, Header, Button, Window };

    frmEditTheme(Theme& theme, AppSettings& settings, PreviousColors& previousColors,
                 std::function<void()> applyTheme, QWidget* owner = nullptr);

    // Opens the editor modally over owner and returns when it has closed.
    static void EditTheme(Theme& theme, AppSettings& settings, PreviousColors& previousColors,
                          std::function<void()> applyTheme, QWidget* owner);

    // Every swatch's colour into the theme.
    void GetColors();
    bool ThemeDirty() const { return m_themeDirty; }

    // The parts a test or a screen reader looks at. Fonts: 0 List, 1 Header, 2 Button, 3 Menu, 4 Info.
    ColorSwatch* Swatch(ColorFrame frame, int index) const;
    FontSampleBox* FontBox(int index) const { return m_pbFont[index]; }
    // 0 "40 x 30" ... 6 "320 x 240".
    QRadioButton* PreviewOption(int index) const { return m_optPreviewSize[index]; }
    // 0 Header, 1 Button, 2 Window.
    ucTextButton* AutoColorButton(int index) const { return m_btnAutoColor[index]; }
    ucTextButton* ApplyButton() const { return m_btnApply; }
    ucTextButton* SaveButton() const { return m_btnSave; }
    ucTextButton* ExitButton() const { return m_btnExit; }

    // Test hook, see above.
    using Action = std::function<void(frmEditTheme&)>;
    static void SetNextAction(Action action);
    static int PendingActions();
    static void ClearNextActions();

public Q_SLOTS:
    // Exit: asks about unsaved changes and closes unless the answer keeps the editor open.
    void reject() override;

private:
    static PresetAnswers<Action>& NextActions();

    void BuildFonts();
    void BuildColorFrames();
    void BuildPreviewSizes();

    void ShowColors();
    void ShowFonts();
    void StoreFonts();
    void ShowPreviewSize();
    void StorePreviewSize();
    void DrawFontSamples();

    void SwatchClicked(ColorSwatch* swatch);
    void FontClicked(FontSampleBox* box);
    void AutoColor(ColorFrame frame);
    void Apply();
    void Save();

    Theme& m_theme;
    AppSettings& m_settings;
    PreviousColors& m_previousColors;
    std::function<void()> m_applyTheme;
    bool m_themeDirty = false;

    std::array<FontSampleBox*, 5> m_pbFont{};
    std::array<QList<ColorSwatch*>, 4> m_swatches;
    std::array<ucTextButton*, 3> m_btnAutoColor{};
    std::array<QRadioButton*, 7> m_optPreviewSize{};
    ucTextButton* m_btnApply = nullptr;
    ucTextButton* m_btnSave = nullptr;
    ucTextButton* m_btnExit = nullptr;
    frmColorPicker* m_picker = nullptr;
};
