#include "dialogs/frmMessageBox.h"

#include "controls/ucTextButton.h"
#include "dialogs/DialogText.h"
#include "dialogs/StandardIcons.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QStyle>

#include <algorithm>

namespace {
// Wide enough for the five buttons of set 5 with their margins.
constexpr int kFormWidth = 404;
constexpr int kIconSize = 32;
constexpr QSize kButtonSize(75, 23);

const char* const kCaptions[frmMessageBox::kButtonCount] = {
    "OK", "Cancel", "Yes", "No", "Yes to All", "No to All", "Abort", "Retry", "Ignore"};

// The buttons of each set in placing order, from the right edge leftwards.
QList<int> ButtonSet(int set)
{
    switch (set) {
    case 0: return {0};
    case 1: return {1, 0};
    case 2: return {3, 2};
    case 3: return {1, 3, 2};
    case 4: return {3, 5, 2, 4};
    case 5: return {1, 3, 5, 2, 4};
    case 6: return {7, 6};
    case 7: return {8, 7, 6};
    case 8: return {1, 7};
    default: return {};
    }
}
} // namespace

frmMessageBox::frmMessageBox(QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Message Box"));
    setFont(DialogText::Font());
    m_pbIcon = new QLabel(this);
    m_pbIcon->setGeometry(DialogText::kMargin, DialogText::kMargin, kIconSize, kIconSize);
    m_pbIcon->hide();
    m_lblMessage = new QLabel(this);
    m_lblMessage->setTextFormat(Qt::PlainText);
    m_lblMessage->setWordWrap(true);
    m_lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = new ucTextButton(QString::fromLatin1(kCaptions[i]), this);
        button->resize(kButtonSize);
        button->hide();
        connect(button, &ucTextButton::Click, this, [this, i] { Press(i); });
        m_buttons.append(button);
    }
    setFixedSize(kFormWidth, 100);
}

void frmMessageBox::Prepare(const QString& text, const QString& caption, qint16 iconIndex, qint16 buttonSet,
                            bool shellIcons)
{
    // Both icon libraries offer the same standard set on this platform.
    Q_UNUSED(shellIcons);
    m_answer = -1;

    m_hasIcon = false;
    if (iconIndex >= 0 && iconIndex < kStandardIconCount) {
        const QIcon icon = StandardIcon(iconIndex, style());
        m_pbIcon->setPixmap(icon.pixmap(kIconSize, kIconSize));
        m_hasIcon = true;
    }
    m_pbIcon->setVisible(m_hasIcon);
    const int left = m_hasIcon ? m_pbIcon->x() + m_pbIcon->width() + DialogText::kMargin : DialogText::kMargin;
    const int labelWidth = kFormWidth - left - DialogText::kMargin;

    const int lines = DialogText::CountLines(text, m_lblMessage->font(), labelWidth);
    int labelHeight = DialogText::kLineHeight * lines;
    if (m_hasIcon)
        labelHeight = std::max(labelHeight, m_pbIcon->height());
    m_lblMessage->setGeometry(left, DialogText::kMargin, labelWidth, labelHeight);

    for (ucTextButton* button : std::as_const(m_buttons))
        button->hide();
    const int top = m_lblMessage->y() + labelHeight + DialogText::kMargin;
    int x = kFormWidth - DialogText::kMargin - m_buttons[0]->width();
    const QList<int> order = ButtonSet(buttonSet);
    for (int index : order) {
        ucTextButton* button = m_buttons[index];
        button->move(x, top);
        button->show();
        x -= DialogText::kMargin + button->width();
    }
    // The last placed is the leftmost: the first the user reads, and the default.
    m_defaultButton = order.isEmpty() ? -1 : order.last();
    for (qsizetype i = order.size() - 1; i > 0; --i)
        setTabOrder(m_buttons[order[i]], m_buttons[order[i - 1]]);

    // The window manager adds its frame and caption around this client area.
    setFixedSize(kFormWidth, top + kButtonSize.height() + DialogText::kMargin);
    setWindowTitle(caption);
    m_lblMessage->setText(DialogText::DisplayText(text));
    // A screen reader announces the message with the box's caption.
    setAccessibleDescription(m_lblMessage->text());
}

qint16 frmMessageBox::ShowMessage(const QString& text, const QString& caption, QWidget* owner, qint16 iconIndex,
                                  qint16 buttonSet, bool shellIcons)
{
    // Guarded: the owner may close, and take the box with it, while the box is open.
    QPointer<frmMessageBox> box = new frmMessageBox(owner);
    box->Prepare(text, caption, iconIndex, buttonSet, shellIcons);
    qint16 answer = -1;
    if (const std::optional<qint16> next = NextAnswers().Take()) {
        answer = *next;
    } else {
        box->exec();
        if (box)
            answer = box->Answer();
    }
    delete box;
    return answer;
}

MessageAnswer frmMessageBox::ShowMessage(const QString& text, const QString& caption, QWidget* owner,
                                         MessageIcon icon, MessageButtons buttons, bool shellIcons)
{
    return MessageAnswer(ShowMessage(text, caption, owner, qint16(icon), qint16(buttons), shellIcons));
}

void frmMessageBox::Prepare(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                            bool shellIcons)
{
    Prepare(text, caption, qint16(icon), qint16(buttons), shellIcons);
}

void frmMessageBox::Press(int index)
{
    m_answer = static_cast<qint16>(index);
    accept();
}

void frmMessageBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_defaultButton >= 0)
        m_buttons[m_defaultButton]->setFocus(Qt::OtherFocusReason);
}

void frmMessageBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        MoveFocus(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        MoveFocus(1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Enter itself; this is Enter with the focus nowhere else.
        if (m_defaultButton >= 0)
            Press(m_defaultButton);
        break;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
    event->accept();
}

void frmMessageBox::MoveFocus(int step)
{
    const QList<int> visible = VisibleButtonsLeftToRight();
    if (visible.isEmpty())
        return;
    const auto focused = std::find_if(visible.begin(), visible.end(), [this](int i) { return m_buttons[i]->hasFocus(); });
    const qsizetype at = focused == visible.end() ? 0 : (focused - visible.begin() + step + visible.size()) % visible.size();
    m_buttons[visible[at]]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

bool frmMessageBox::HasIcon() const { return m_hasIcon; }
QRect frmMessageBox::IconRect() const { return m_pbIcon->geometry(); }
QImage frmMessageBox::IconImage() const { return m_pbIcon->pixmap().toImage(); }
QRect frmMessageBox::MessageRect() const { return m_lblMessage->geometry(); }
QString frmMessageBox::MessageText() const { return m_lblMessage->text(); }

QList<int> frmMessageBox::VisibleButtonsLeftToRight() const
{
    QList<int> visible;
    for (int i = 0; i < kButtonCount; ++i) {
        if (!m_buttons[i]->isHidden())
            visible.append(i);
    }
    std::sort(visible.begin(), visible.end(), [this](int a, int b) { return m_buttons[a]->x() < m_buttons[b]->x(); });
    return visible;
}

PresetAnswers<qint16>& frmMessageBox::NextAnswers()
{
    static PresetAnswers<qint16> answers;
    return answers;
}

void frmMessageBox::SetNextAnswer(qint16 answer) { NextAnswers().Queue(answer); }
void frmMessageBox::SetNextAnswer(MessageAnswer answer) { NextAnswers().Queue(qint16(answer)); }
int frmMessageBox::PendingAnswers() { return NextAnswers().Pending(); }
void frmMessageBox::ClearNextAnswers() { NextAnswers().Clear(); }
