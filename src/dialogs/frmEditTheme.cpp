#include "dialogs/frmEditTheme.h"

#include "controls/SystemColors.h"
#include "controls/ucTextButton.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/DialogText.h"
#include "dialogs/FontSampleBox.h"
#include "dialogs/ShowFontDialog.h"
#include "dialogs/frmColorPicker.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMessageBox.h"
#include "settings/AppSettings.h"
#include "theme/ColorDerivation.h"
#include "theme/PreviewSize.h"
#include "theme/ThemeFile.h"
#include "theme/ThemeNames.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

namespace {

constexpr QSize kButtonSize(75, 23);

struct FontSlot {
    FontRecord Theme::*field;
    const char* caption;
};
constexpr FontSlot kFonts[5] = {
    {&Theme::ListFont, "List Font"},     {&Theme::HeaderFont, "Header Font"}, {&Theme::ButtonFont, "Button Font"},
    {&Theme::MenuFont, "Menu Font"},     {&Theme::InfoFont, "Info Font"},
};

struct ColorSlot {
    OleColor Theme::*field;
    const char* caption;
};
struct FrameSlots {
    const char* caption;
    QList<ColorSlot> slots;
};

// The four swatch frames: List, then the Header, Button and Window groups (face, text, the two
// light edges inner and outer, the two dark edges inner and outer).
const std::array<FrameSlots, 4>& Frames()
{
    static const std::array<FrameSlots, 4> frames{{
        {"List Colors",
         {{&Theme::ListBackground, "Background"},
          {&Theme::ListText, "Text"},
          {&Theme::ListHighlight, "Highlight"},
          {&Theme::ListHighlightText, "Highlight Text"},
          {&Theme::ListScrollbarFiller, "Scrollbar Filler"}}},
        {"Header Colors",
         {{&Theme::HeaderFace, "Background"},
          {&Theme::HeaderText, "Text"},
          {&Theme::HeaderHighlight, "Highlight"},
          {&Theme::HeaderBrightHighlight, "Bright Highlight"},
          {&Theme::HeaderShadow, "Shadow"},
          {&Theme::HeaderDarkShadow, "Dark Shadow"}}},
        {"Button Colors",
         {{&Theme::ButtonFace, "Background"},
          {&Theme::ButtonText, "Text"},
          {&Theme::ButtonHighlight, "Highlight"},
          {&Theme::ButtonBrightHighlight, "Bright Highlight"},
          {&Theme::ButtonShadow, "Shadow"},
          {&Theme::ButtonDarkShadow, "Dark Shadow"}}},
        {"Window Colors",
         {{&Theme::WindowFace, "Background"},
          {&Theme::WindowText, "Text"},
          {&Theme::WindowHighlight, "Highlight"},
          {&Theme::WindowBrightHighlight, "Bright Highlight"},
          {&Theme::WindowShadow, "Shadow"},
          {&Theme::WindowDarkShadow, "Dark Shadow"}}},
    }};
    return frames;
}

const QString kQuestionLine = QStringLiteral("\r\n");

} // namespace

frmEditTheme::frmEditTheme(Theme& theme, AppSettings& settings, PreviousColors& previousColors,
                           std::function<void()> applyTheme, QWidget* owner)
    : QDialog(owner)
    , m_theme(theme)
    , m_settings(settings)
    , m_previousColors(previousColors)
    , m_applyTheme(std::move(applyTheme))
{
    setWindowTitle(QStringLiteral("Theme Editor..."));
    setFont(DialogText::Font());
    BuildFonts();
    BuildColorFrames();
    BuildPreviewSizes();

    m_btnApply = new ucTextButton(QStringLiteral("Apply"), this);
    m_btnSave = new ucTextButton(QStringLiteral("Save"), this);
    m_btnExit = new ucTextButton(QStringLiteral("Exit"), this);
    int x = 464;
    for (ucTextButton* button : {m_btnApply, m_btnSave, m_btnExit}) {
        button->setGeometry(QRect(QPoint(x, 426), kButtonSize));
        x += kButtonSize.width() + 7;
    }
    connect(m_btnApply, &ucTextButton::Click, this, &frmEditTheme::Apply);
    connect(m_btnSave, &ucTextButton::Click, this, &frmEditTheme::Save);
    connect(m_btnExit, &ucTextButton::Click, this, &frmEditTheme::reject);
    setFixedSize(712, 457);

    ShowColors();
    ShowFonts();
    ShowPreviewSize();
    DrawFontSamples();
    m_themeDirty = false;
}

void frmEditTheme::BuildFonts()
{
    auto* frame = new QGroupBox(QStringLiteral("Fonts"), this);
    frame->setGeometry(8, 8, 200, 240);
    for (int i = 0; i < 5; ++i) {
        m_pbFont[i] = new FontSampleBox(QString::fromLatin1(kFonts[i].caption), frame);
        m_pbFont[i]->setGeometry(8, 22 + i * 43, 184, 37);
        FontSampleBox* box = m_pbFont[i];
        connect(box, &FontSampleBox::Clicked, this, [this, box] { FontClicked(box); });
    }
}

void frmEditTheme::BuildColorFrames()
{
    const QPoint origins[4] = {{216, 8}, {464, 8}, {216, 216}, {464, 216}};
    for (int f = 0; f < 4; ++f) {
        const FrameSlots& slots = Frames()[f];
        auto* frame = new QGroupBox(QString::fromLatin1(slots.caption), this);
        frame->setGeometry(QRect(origins[f], QSize(240, 202)));
        for (int i = 0; i < slots.slots.size(); ++i) {
            const QString caption = QString::fromLatin1(slots.slots[i].caption);
            auto* label = new QLabel(caption, frame);
            label->setGeometry(10, 24 + i * 24, 120, 18);
            auto* swatch = new ColorSwatch(frame);
            swatch->setGeometry(140, 22 + i * 24, 88, 20);
            swatch->setAccessibleName(QString::fromLatin1(slots.caption) + QStringLiteral(": ") + caption);
            connect(swatch, &ColorSwatch::Clicked, this, [this, swatch] { SwatchClicked(swatch); });
            m_swatches[f].append(swatch);
        }
        if (f > 0) {
            auto* button = new ucTextButton(QStringLiteral("Colorize from Background"), frame);
            button->setGeometry(10, 170, 218, 23);
            const auto group = static_cast<ColorFrame>(f);
            connect(button, &ucTextButton::Click, this, [this, group] { AutoColor(group); });
            m_btnAutoColor[f - 1] = button;
        }
    }
}

void frmEditTheme::BuildPreviewSizes()
{
    auto* frame = new QGroupBox(QStringLiteral("Preview Image Size"), this);
    frame->setGeometry(8, 256, 200, 162);
    for (int i = 0; i < kPreviewSizeCount; ++i) {
        m_optPreviewSize[i] = new QRadioButton(PreviewSizeCaption(i), frame);
        m_optPreviewSize[i]->setGeometry(12, 20 + i * 19, 176, 18);
        // Toggled, not clicked: the arrow keys and a screen reader's toggle choose an option without
        // a click. The constructor's own choice is forgotten when it clears the flag at its end.
        connect(m_optPreviewSize[i], &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                m_themeDirty = true;
        });
    }
}

ColorSwatch* frmEditTheme::Swatch(ColorFrame frame, int index) const
{
    return m_swatches[static_cast<int>(frame)][index];
}

void frmEditTheme::ShowColors()
{
    for (int f = 0; f < 4; ++f) {
        for (int i = 0; i < m_swatches[f].size(); ++i)
            m_swatches[f][i]->SetBackColor(m_theme.*(Frames()[f].slots[i].field));
    }
}

void frmEditTheme::GetColors()
{
    for (int f = 0; f < 4; ++f) {
        for (int i = 0; i < m_swatches[f].size(); ++i)
            m_theme.*(Frames()[f].slots[i].field) = m_swatches[f][i]->BackColor();
    }
}

// A font record copies as a whole, Weight included, which is what setting the properties one by
// one with Weight last amounts to.
void frmEditTheme::ShowFonts()
{
    for (int i = 0; i < 5; ++i)
        m_pbFont[i]->SetFont(m_theme.*(kFonts[i].field));
}

void frmEditTheme::StoreFonts()
{
    for (int i = 0; i < 5; ++i)
        m_theme.*(kFonts[i].field) = m_pbFont[i]->Font();
}

void frmEditTheme::ShowPreviewSize()
{
    m_optPreviewSize[PreviewOptionFor(m_theme.PreviewWidth, m_theme.PreviewHeight)]->setChecked(true);
}

void frmEditTheme::StorePreviewSize()
{
    QSize size = PreviewSize(kPreviewSizeCount - 1);
    for (int i = 0; i + 1 < kPreviewSizeCount; ++i) {
        if (m_optPreviewSize[i]->isChecked()) {
            size = PreviewSize(i);
            break;
        }
    }
    m_theme.PreviewWidth = size.width();
    m_theme.PreviewHeight = size.height();
}

void frmEditTheme::DrawFontSamples()
{
    for (FontSampleBox* box : m_pbFont)
        box->update();
}

void frmEditTheme::SwatchClicked(ColorSwatch* swatch)
{
    OleColor colour = TranslateColor(swatch->BackColor(), palette());
    if (!m_picker)
        m_picker = new frmColorPicker(m_previousColors, this);
    if (!m_picker->ChooseColor(colour, this))
        return;
    swatch->SetBackColor(colour);
    m_themeDirty = true;
}

void frmEditTheme::FontClicked(FontSampleBox* box)
{
    FontRecord copy = box->Font();
    if (!ShowFontDialog(copy, this))
        return;
    box->SetFont(copy);
    m_themeDirty = true;
    DrawFontSamples();
}

void frmEditTheme::AutoColor(ColorFrame frame)
{
    const QList<ColorSwatch*>& group = m_swatches[static_cast<int>(frame)];
    const QPalette colours = palette();
    const ColorGroup derived = ColorizeFromBackground(
        group[0]->BackColor(), [&colours](int index) { return SystemColor(index, colours); });
    group[1]->SetBackColor(derived.Text);
    group[2]->SetBackColor(derived.Highlight);
    group[3]->SetBackColor(derived.BrightHighlight);
    group[4]->SetBackColor(derived.Shadow);
    group[5]->SetBackColor(derived.DarkShadow);
    m_themeDirty = true;
}

void frmEditTheme::Apply()
{
    StoreFonts();
    GetColors();
    StorePreviewSize();
    m_applyTheme();
}

void frmEditTheme::Save()
{
    QString name = m_settings.ThemeName.isEmpty() ? QStringLiteral("New Theme") : m_settings.ThemeName;
    if (!frmInputBox::GetInput(name, QStringLiteral("Save Theme As..."), QStringLiteral("Title of this Theme:"), this,
                               false, false))
        return;
    // The input box keeps "/" and "\" from being typed, but not from being pasted.
    if (const QString problem = ThemeNameProblem(name); !problem.isEmpty()) {
        frmMessageBox::ShowMessage(problem, QStringLiteral("Invalid Name..."), this, MessageIcon::Warning,
                                   MessageButtons::OK);
        return;
    }
    // "sunset" finds "Sunset.rvltt" in any letter case, as on Windows; it asks first and then writes
    // over that file, so the list never shows two themes of one name.
    const QString existing = FindThemeFile(m_settings.ThemePath, name);
    if (!existing.isEmpty()) {
        const MessageAnswer answer = frmMessageBox::ShowMessage(
            QStringLiteral("Theme Already Exists!") + kQuestionLine + QStringLiteral("Overwrite exiting theme?"),
            QStringLiteral("Theme Exists..."), this, MessageIcon::Question, MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::Yes)
            return;
    }
    StoreFonts();
    GetColors();
    StorePreviewSize();
    QString error;
    const bool saved = existing.isEmpty() ? SaveTheme(m_theme, m_settings.ThemePath, name, &error)
                                          : WriteThemeFile(m_theme, existing, &error);
    if (!saved) {
        // The theme is applied as Apply would, but nothing was saved: the editor stays dirty, and Exit
        // asks again.
        m_applyTheme();
        frmMessageBox::ShowMessage(QStringLiteral("The theme could not be saved!") + kQuestionLine + error,
                                   QStringLiteral("Save Failed..."), this, MessageIcon::Error, MessageButtons::OK);
        return;
    }
    m_settings.ThemeName = name;
    m_themeDirty = false;
    m_applyTheme();
}

void frmEditTheme::reject()
{
    if (m_themeDirty) {
        const MessageAnswer answer = frmMessageBox::ShowMessage(
            QStringLiteral("There are unsaved changes to the current theme!") + kQuestionLine +
                QStringLiteral("Save theme?"),
            QStringLiteral("Unsaved Changes..."), this, MessageIcon::Question, MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Cancel)
            return;
        if (answer == MessageAnswer::Yes) {
            Save();
            if (m_themeDirty)
                return;
        }
    }
    QDialog::reject();
}

void frmEditTheme::EditTheme(Theme& theme, AppSettings& settings, PreviousColors& previousColors,
                             std::function<void()> applyTheme, QWidget* owner)
{
    // Guarded: the owner may close, and take the editor with it, while the editor is open.
    QPointer<frmEditTheme> editor = new frmEditTheme(theme, settings, previousColors, std::move(applyTheme), owner);
    if (const std::optional<Action> action = NextActions().Take())
        (*action)(*editor);
    else
        editor->exec();
    delete editor;
}

PresetAnswers<frmEditTheme::Action>& frmEditTheme::NextActions()
{
    static PresetAnswers<Action> actions;
    return actions;
}

void frmEditTheme::SetNextAction(Action action) { NextActions().Queue(std::move(action)); }
int frmEditTheme::PendingActions() { return NextActions().Pending(); }
void frmEditTheme::ClearNextActions() { NextActions().Clear(); }
