#include "app/InfoPanel.h"

#include "app/PictureBox.h"
#include "app/ThemedWidget.h"
#include "controls/FontConvert.h"
#include "controls/TextMetrics.h"
#include "controls/ucTextButton.h"
#include "theme/Theme.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {
const char* const kInfoCaptions[4] = {"Title:", "Author:", "Rating:", "Notes:"};
const char kNoDate[] = "--/--/---- --:--:--";

template <typename W>
W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit* FlatLineEdit(QWidget* parent, const QString& name)
{
    auto* box = Named(new QLineEdit(parent), name);
    box->setFrame(false);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}
} // namespace

InfoPanel::InfoPanel(QWidget* parent)
    : ucFrame(parent)
{
    setObjectName(QStringLiteral("fmeInfoArea"));
    connect(this, &ucFrame::MouseDown, this, &InfoPanel::FocusListRequested);

    m_lblFileInfo = Named(new QLabel(QLatin1String(kNoDate), this), QStringLiteral("lblFileInfo"));
    m_txtFileInfo = FlatLineEdit(this, QStringLiteral("txtFileInfo"));
    m_txtFileInfo->setReadOnly(true);
    m_txtFileInfo->setAccessibleName(QStringLiteral("File"));

    m_fmePreviewBorder = Named(new ucFrame(this), QStringLiteral("fmePreviewBorder"));
    m_pbPreview = Named(new PictureBox(m_screenshot, m_fmePreviewBorder), QStringLiteral("pbPreview"));
    m_pbPreview->setAccessibleName(QStringLiteral("Screenshot"));
    connect(m_pbPreview, &PictureBox::Click, this, [this] {
        if (m_hasPreview)
            Q_EMIT PreviewRequested();
    });
    connect(m_pbPreview, &PictureBox::MouseDown, this, &InfoPanel::FocusListRequested);

    for (int i = 0; i < 4; ++i)
        m_lblInfo[i] = Named(new QLabel(QLatin1String(kInfoCaptions[i]), this), QStringLiteral("lblInfo%1").arg(i));
    for (int i = 0; i < 3; ++i) {
        m_txtInfo[i] = FlatLineEdit(this, QStringLiteral("txtInfo%1").arg(i));
        m_lblInfo[i]->setBuddy(m_txtInfo[i]);
        connect(m_txtInfo[i], &QLineEdit::textChanged, this, [this] { SetUpdateEnabled(true); });
        // Enter in Title, Author or Rating stores; the Notes box keeps Enter for its line breaks.
        connect(m_txtInfo[i], &QLineEdit::returnPressed, this, [this] {
            if (UpdateEnabled())
                Q_EMIT UpdateRequested();
        });
    }
    m_txtNotes = Named(new QPlainTextEdit(this), QStringLiteral("txtInfo3"));
    m_txtNotes->setFrameShape(QFrame::NoFrame);
    m_txtNotes->document()->setDocumentMargin(0);
    m_txtNotes->setTabChangesFocus(true);
    m_lblInfo[3]->setBuddy(m_txtNotes);
    connect(m_txtNotes, &QPlainTextEdit::textChanged, this, [this] { SetUpdateEnabled(true); });
    for (QWidget* box : Boxes())
        box->installEventFilter(this);

    m_btnUpdateInfo = Named(new ucTextButton(QStringLiteral("Update"), this), QStringLiteral("btnUpdateInfo"));
    m_btnUpdateInfo->setAccessibleName(QStringLiteral("Update"));
    connect(m_btnUpdateInfo, &ucTextButton::Click, this, &InfoPanel::UpdateRequested);
}

std::array<QWidget*, 4> InfoPanel::Boxes() const
{
    return {m_txtInfo[0], m_txtInfo[1], m_txtInfo[2], m_txtNotes};
}

void InfoPanel::ShowRecord(const MediaRecord& record, const QStringList& screenshotCandidates)
{
    m_txtFileInfo->setText(record.FilePath);
    m_txtFileInfo->setCursorPosition(0);
    m_lblFileInfo->setText(record.AddDate);
    m_txtInfo[0]->setText(record.Title);
    m_txtInfo[1]->setText(record.Author);
    m_txtInfo[2]->setText(record.Rating);
    m_txtNotes->setPlainText(NotesForDisplay(record.Notes));
    for (QLineEdit* box : m_txtInfo)
        box->setCursorPosition(0);
    SetUpdateEnabled(false);
    FitDateLine();
    ShowScreenshot(screenshotCandidates);
}

void InfoPanel::Clear()
{
    m_txtFileInfo->clear();
    m_lblFileInfo->setText(QLatin1String(kNoDate));
    for (QLineEdit* box : m_txtInfo)
        box->clear();
    m_txtNotes->clear();
    SetUpdateEnabled(false);
    FitDateLine();
    ShowScreenshot({});
}

void InfoPanel::FitDateLine()
{
    // The date line's width follows its text.
    m_lblFileInfo->resize(TextWidth(m_lblFileInfo->font(), m_lblFileInfo->text()), m_lblFileInfo->height());
    m_lblFileInfo->move(width() - m_lblFileInfo->width() - 8, m_lblFileInfo->y());
    m_txtFileInfo->resize(std::max(m_lblFileInfo->x() - m_txtFileInfo->x() - 8, 0), m_txtFileInfo->height());
}

void InfoPanel::ShowScreenshot(const QStringList& candidates)
{
    // The first candidate by name that decodes; a damaged or mislabelled file is passed over.
    for (const QString& path : candidates) {
        const QImage picture(path);
        if (picture.isNull() || !m_screenshot.CreateDIBFromPicture(picture))
            continue;
        m_hasPreview = true;
        m_pbPreview->SetShowing(true);
        return;
    }
    m_screenshot.KillDIB();
    m_hasPreview = false;
    m_pbPreview->SetShowing(false);
}

void InfoPanel::SetEditable(bool editable)
{
    for (QWidget* box : Boxes())
        box->setEnabled(editable);
}

MediaFieldEdits InfoPanel::Edits() const
{
    return {{MediaField::Title, m_txtInfo[0]->text()},
            {MediaField::Author, m_txtInfo[1]->text()},
            {MediaField::Rating, m_txtInfo[2]->text()},
            {MediaField::Notes, m_txtNotes->toPlainText()}};
}

QString InfoPanel::TitleText() const
{
    return m_txtInfo[0]->text();
}

bool InfoPanel::UpdateEnabled() const
{
    return m_btnUpdateInfo->isEnabled();
}

void InfoPanel::SetUpdateEnabled(bool enabled)
{
    m_btnUpdateInfo->setEnabled(enabled);
}

void InfoPanel::ApplyTheme(const Theme& theme)
{
    ApplyThemeColors(theme);

    // The file line.
    const QFont infoFont = ToQFont(theme.InfoFont);
    const int lineHeight = CaptionTextHeight(infoFont);
    int x = 8;
    int y = 8;
    FitLabel(m_lblFileInfo, infoFont, lineHeight);
    m_lblFileInfo->move(m_lblFileInfo->x(), y);
    m_txtFileInfo->setFont(infoFont);
    m_txtFileInfo->setGeometry(x, y, m_txtFileInfo->width(), lineHeight);
    y += lineHeight + 4;

    // The preview box.
    const int previewWidth = std::max(theme.PreviewWidth, 0);
    const int previewHeight = std::max(theme.PreviewHeight, 0);
    m_fmePreviewBorder->setGeometry(x, y, previewWidth + 4, previewHeight + 4);
    m_pbPreview->setGeometry(2, 2, previewWidth, previewHeight);
    x = m_fmePreviewBorder->x() + m_fmePreviewBorder->width() + 8;

    // The four entries beside it, labels right-aligned to the widest.
    const int pitch = lineHeight + 4;
    int widestLabel = 0;
    for (QLabel* label : m_lblInfo) {
        FitLabel(label, infoFont, lineHeight);
        widestLabel = std::max(widestLabel, label->width());
    }
    const std::array<QWidget*, 4> boxes = Boxes();
    for (int i = 0; i < 4; ++i) {
        m_lblInfo[i]->move(widestLabel - m_lblInfo[i]->width() + x, y + i * pitch);
        boxes[i]->setFont(infoFont);
        boxes[i]->setGeometry(x + widestLabel + 4, y + i * pitch, boxes[i]->width(),
                              i == 3 ? 2 * lineHeight : lineHeight);
    }

    // The update button under the notes; the panel holds it and the preview.
    FitButton(m_btnUpdateInfo, theme.ButtonFont);
    m_btnUpdateInfo->move(m_btnUpdateInfo->x(), m_txtNotes->y() + m_txtNotes->height() + 4);
    resize(width(), std::max(m_btnUpdateInfo->y() + m_btnUpdateInfo->height() + 8,
                             m_fmePreviewBorder->y() + m_fmePreviewBorder->height() + 8));
}

void InfoPanel::ApplyThemeColors(const Theme& t)
{
    SetColors(t.WindowGroup());
    m_fmePreviewBorder->SetColors(t.WindowGroup());
    m_btnUpdateInfo->SetColors(t.ButtonGroup());
    SetForeColor(m_lblFileInfo, QPalette::WindowText, t.WindowText);
    SetForeColor(m_txtFileInfo, QPalette::Text, t.WindowText);
    SetBackColor(m_txtFileInfo, QPalette::Base, t.WindowFace);
    for (QLabel* label : m_lblInfo)
        SetForeColor(label, QPalette::WindowText, t.WindowText);
    m_editBack = t.ListBackground;
    m_editText = t.ListText;
    m_restBack = t.WindowFace;
    m_restText = t.WindowText;
    for (QWidget* box : Boxes())
        BoxFocus(box, box->hasFocus());
}

void InfoPanel::BoxFocus(QWidget* box, bool focused)
{
    // A box being edited takes the list's colours, and gives them back when the focus leaves.
    SetBackColor(box, QPalette::Base, focused ? m_editBack : m_restBack);
    SetForeColor(box, QPalette::Text, focused ? m_editText : m_restText);
}

void InfoPanel::Layout(int left, int top, int panelWidth)
{
    setGeometry(left, top, panelWidth, height());
    const int boxWidth = std::max(width() - 8 - m_txtInfo[0]->x(), 0);
    for (QWidget* box : Boxes())
        box->resize(boxWidth, box->height());
    m_btnUpdateInfo->move(width() - m_btnUpdateInfo->width() - 8, m_btnUpdateInfo->y());
    m_lblFileInfo->move(width() - m_lblFileInfo->width() - 8, m_lblFileInfo->y());
    m_txtFileInfo->resize(std::max(m_lblFileInfo->x() - m_txtFileInfo->x() - 8, 0), m_txtFileInfo->height());
}

bool InfoPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::FocusIn || type == QEvent::FocusOut) && watched->isWidgetType())
        BoxFocus(static_cast<QWidget*>(watched), type == QEvent::FocusIn);
    return false;
}
