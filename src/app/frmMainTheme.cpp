// frmMain: ApplyTheme, which hands every themed control its colours and fonts, measures the theme
// fonts and sets the sizes and vertical positions that follow from them, then runs the resize
// layout. System colour references (the default theme) are resolved against the desktop's palette:
// the program's own controls at every paint, labels and text boxes here.
//
// Every distance here is in pixels.

#include "app/ClickLabel.h"
#include "app/MenuTable.h"
#include "app/PictureBox.h"
#include "app/frmMain.h"
#include "controls/FontConvert.h"
#include "controls/SystemColors.h"
#include "controls/TextMetrics.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "platform/Twips.h"
#include "session/AppState.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

QColor Resolve(OleColor color)
{
    return ToQColor(color, QGuiApplication::palette());
}

void SetBackColor(QWidget* widget, QPalette::ColorRole role, OleColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, Resolve(color));
    widget->setPalette(palette);
}

// The text colour of an enabled widget; a disabled one keeps the greyed text of the desktop.
void SetForeColor(QWidget* widget, QPalette::ColorRole role, OleColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, Resolve(color));
    palette.setColor(QPalette::Inactive, role, Resolve(color));
    widget->setPalette(palette);
}

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// A label sized to its caption, as an auto-sizing label is.
void FitLabel(QLabel* label, const QFont& font, int height)
{
    label->setFont(font);
    label->resize(TextWidth(font, label->text()), height);
}

// A text button sized to its caption in the button font.
void FitButton(ucTextButton* button, const FontRecord& fontRecord)
{
    button->SetFont(fontRecord);
    const QFont font = ToQFont(fontRecord);
    button->resize(TextWidth(font, button->Caption()) + 16, CaptionTextHeight(font) + 8);
}

} // namespace

void frmMain::ApplyTheme()
{
    const Theme& theme = m_state.CurrentTheme;
    ApplyThemeColors();

    // 1. Menu bar: "File", "View" and "Help" from the left; the others are placed by the layout.
    const QFont menuFont = ToQFont(theme.MenuFont);
    const int lineHeight = CaptionTextHeight(menuFont);
    int x = 8;
    for (int i = 0; i < int(lblMenu.size()); ++i) {
        FitLabel(lblMenu[i], menuFont, lineHeight);
        lblMenu[i]->move(i < 3 ? x : lblMenu[i]->x(), 4);
        x += lblMenu[i]->width() + 16;
    }
    fmeMenuArea->resize(fmeMenuArea->width(), lineHeight + 8);

    // 2. Drop-downs: one entry per line, every entry as wide as the widest, separators 4 px above
    // their entry.
    for (int k = 0; k < 3; ++k) {
        int widest = 0;
        const std::vector<ClickLabel*>& items = lblDropMenu[k];
        for (size_t i = 0; i < items.size(); ++i) {
            FitLabel(items[i], menuFont, lineHeight);
            items[i]->move(8, 4 + int(i) * (lineHeight + 8));
            widest = std::max(widest, items[i]->width());
        }
        for (ClickLabel* item : items)
            item->resize(widest, lineHeight);
        const int panelWidth = widest + 16;
        fmeMenu[k]->resize(panelWidth, items.back()->y() + lineHeight + 4);
        for (size_t s = 0; s < lineDropMenu[k].size(); ++s) {
            const int y = items[kSeparatorsAbove[k][s]]->y() - 4;
            lineDropMenu[k][s]->setGeometry(1, y, panelWidth - 2, 1);
        }
    }

    // 3. The list's fonts (its colours came with ApplyThemeColors).
    alMain->SetListFont(theme.ListFont);
    alMain->SetHeaderFont(theme.HeaderFont);

    // 4. Information panel: the file line.
    const QFont infoFont = ToQFont(theme.InfoFont);
    m_infoLineHeight = CaptionTextHeight(infoFont);
    x = 8;
    int y = 8;
    FitLabel(lblFileInfo, infoFont, m_infoLineHeight);
    lblFileInfo->move(lblFileInfo->x(), y);
    txtFileInfo->setFont(infoFont);
    txtFileInfo->setGeometry(x, y, txtFileInfo->width(), m_infoLineHeight);
    y += m_infoLineHeight + 4;

    // 5. Preview box.
    const int previewWidth = std::max(theme.PreviewWidth, 0);
    const int previewHeight = std::max(theme.PreviewHeight, 0);
    fmePreviewBorder->setGeometry(x, y, previewWidth + 4, previewHeight + 4);
    pbPreview->setGeometry(2, 2, previewWidth, previewHeight);
    x = fmePreviewBorder->x() + fmePreviewBorder->width() + 8;

    // 6. The four entries beside it, labels right-aligned to the widest.
    const int pitch = m_infoLineHeight + 4;
    int widestLabel = 0;
    for (QLabel* label : lblInfo) {
        FitLabel(label, infoFont, m_infoLineHeight);
        widestLabel = std::max(widestLabel, label->width());
    }
    const std::array<QWidget*, 4> boxes = InfoBoxes();
    for (int i = 0; i < 4; ++i) {
        lblInfo[i]->move(widestLabel - lblInfo[i]->width() + x, y + i * pitch);
        boxes[i]->setFont(infoFont);
        boxes[i]->setGeometry(x + widestLabel + 4, y + i * pitch, boxes[i]->width(),
                              i == 3 ? 2 * m_infoLineHeight : m_infoLineHeight);
    }

    // 7. The update button under the notes; the panel holds it and the preview.
    FitButton(btnUpdateInfo, theme.ButtonFont);
    btnUpdateInfo->move(btnUpdateInfo->x(), txtNotes->y() + txtNotes->height() + 4);
    fmeInfoArea->resize(fmeInfoArea->width(),
                        std::max(btnUpdateInfo->y() + btnUpdateInfo->height() + 8,
                                 fmePreviewBorder->y() + fmePreviewBorder->height() + 8));

    // 8. Search line, centred on the clear button.
    x = 8;
    y = 4;
    FitButton(btnClearSearch, theme.ButtonFont);
    btnClearSearch->move(btnClearSearch->x(), y);
    const QFont listFont = ToQFont(theme.ListFont);
    const int searchHeight = CaptionTextHeight(listFont);
    const int searchTop = std::max(int(RoundHalfEven((btnClearSearch->height() - searchHeight) * 0.5 + y)), 4);
    FitLabel(lblSearch, listFont, searchHeight);
    lblSearch->move(x, searchTop);
    txtSearch->setFont(listFont);
    txtSearch->setGeometry(lblSearch->x() + lblSearch->width() + 4, searchTop, txtSearch->width(), searchHeight);
    fmeSearchArea->resize(fmeSearchArea->width(),
                          std::max(btnClearSearch->height() + 8, searchTop + searchHeight + 4));

    // 9. Status bar (its height follows the font).
    sbMain->SetFont(theme.InfoFont);

    // 10.
    RefreshDisplay();
}

void frmMain::ApplyThemeColors()
{
    const Theme& t = m_state.CurrentTheme;
    SetBackColor(this, QPalette::Window, t.WindowFace);
    SetBackColor(fmeMenuArea, QPalette::Window, t.ButtonFace);
    for (ClickLabel* label : lblMenu)
        SetForeColor(label, QPalette::WindowText, t.ButtonText);
    for (int k = 0; k < 3; ++k) {
        fmeMenu[k]->SetColors(t.ButtonGroup());
        for (ClickLabel* item : lblDropMenu[k])
            SetForeColor(item, QPalette::WindowText, t.ButtonText);
        for (QWidget* line : lineDropMenu[k])
            SetBackColor(line, QPalette::Window, t.ButtonShadow);
    }

    // The list's scroll bars take the Window group, not the Button group.
    alMain->SetButtonColors(t.WindowGroup());
    alMain->SetColor(AdvListColor::ListBackground, t.ListBackground);
    alMain->SetColor(AdvListColor::ListText, t.ListText);
    alMain->SetColor(AdvListColor::Highlight, t.ListHighlight);
    alMain->SetColor(AdvListColor::HighlightText, t.ListHighlightText);
    alMain->SetColor(AdvListColor::Workspace, t.ListScrollbarFiller);
    alMain->SetHeaderColors(t.HeaderGroup());

    fmeInfoArea->SetColors(t.WindowGroup());
    fmePreviewBorder->SetColors(t.WindowGroup());
    btnUpdateInfo->SetColors(t.ButtonGroup());
    SetForeColor(lblFileInfo, QPalette::WindowText, t.WindowText);
    SetForeColor(txtFileInfo, QPalette::Text, t.WindowText);
    SetBackColor(txtFileInfo, QPalette::Base, t.WindowFace);
    for (QLabel* label : lblInfo)
        SetForeColor(label, QPalette::WindowText, t.WindowText);
    const std::array<QWidget*, 4> boxes = InfoBoxes();
    for (int i = 0; i < 4; ++i)
        InfoFocus(i, boxes[i]->hasFocus());

    fmeSearchArea->SetColors(t.WindowGroup());
    btnClearSearch->SetColors(t.ButtonGroup());
    SetForeColor(txtSearch, QPalette::Text, t.ListText);
    SetBackColor(txtSearch, QPalette::Base, t.ListBackground);

    // The status bar's two edges are the Window group's bright highlight and dark shadow.
    sbMain->SetColorFace(t.WindowFace);
    sbMain->SetColorText(t.WindowText);
    sbMain->SetColorHighlight(t.WindowBrightHighlight);
    sbMain->SetColorShadow(t.WindowDarkShadow);
}

void frmMain::InfoFocus(int index, bool focused)
{
    // A box being edited takes the list's colours, and gives them back when the focus leaves.
    const Theme& t = m_state.CurrentTheme;
    QWidget* box = InfoBoxes()[index];
    SetBackColor(box, QPalette::Base, focused ? t.ListBackground : t.WindowFace);
    SetForeColor(box, QPalette::Text, focused ? t.ListText : t.WindowText);
}
