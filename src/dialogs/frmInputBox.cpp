#include "dialogs/frmInputBox.h"

#include "controls/ucTextButton.h"
#include "dialogs/DialogText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace {
constexpr int kFormWidth = 320;
constexpr int kInputHeight = 21;
constexpr QSize kButtonSize(75, 23);

// Characters a file name cannot hold.
bool HasForbiddenCharacter(const QString& text)
{
    static const QString forbidden = QStringLiteral("\\/<>:|\"*?");
    for (QChar c : text) {
        if (forbidden.contains(c))
            return true;
    }
    return false;
}
} // namespace

frmInputBox::frmInputBox(QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Input Box..."));
    setFont(DialogText::Font());
    const int m = DialogText::kMargin;
    m_lblInfo = new QLabel(this);
    m_lblInfo->setTextFormat(Qt::PlainText);
    m_lblInfo->setWordWrap(true);
    m_lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblInfo->setGeometry(m, m, kFormWidth - 2 * m, DialogText::kLineHeight);
    m_txtInput = new QLineEdit(this);
    m_txtInput->setGeometry(m, 0, kFormWidth - 2 * m, kInputHeight);
    m_txtInput->installEventFilter(this);
    m_btnCancel = new ucTextButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setGeometry(kFormWidth - m - kButtonSize.width(), 0, kButtonSize.width(), kButtonSize.height());
    m_btnOkay = new ucTextButton(QStringLiteral("OK"), this);
    m_btnOkay->setGeometry(m_btnCancel->x() - m - kButtonSize.width(), 0, kButtonSize.width(), kButtonSize.height());
    // Tab runs as the user reads: the text, "OK", "Cancel".
    setTabOrder(m_txtInput, m_btnOkay);
    setTabOrder(m_btnOkay, m_btnCancel);
    connect(m_txtInput, &QLineEdit::textChanged, this, &frmInputBox::TextChanged);
    connect(m_btnOkay, &ucTextButton::Click, this, &frmInputBox::PressOkay);
    connect(m_btnCancel, &ucTextButton::Click, this, &frmInputBox::PressCancel);
}

void frmInputBox::Prepare(const QString& value, const QString& caption, const QString& prompt, bool emptyAllowed,
                          bool anyCharacterAllowed)
{
    m_emptyAllowed = emptyAllowed;
    m_anyCharacterAllowed = anyCharacterAllowed;
    m_answer = -1;

    const int lines = DialogText::CountLines(prompt, m_lblInfo->font(), m_lblInfo->width());
    m_lblInfo->resize(m_lblInfo->width(), DialogText::kLineHeight * lines);
    m_txtInput->move(m_txtInput->x(), m_lblInfo->y() + m_lblInfo->height() + DialogText::kMargin);
    const int buttonTop = m_txtInput->y() + m_txtInput->height() + DialogText::kMargin;
    m_btnOkay->move(m_btnOkay->x(), buttonTop);
    m_btnCancel->move(m_btnCancel->x(), buttonTop);
    // The window manager adds its frame and caption around this client area.
    setFixedSize(kFormWidth, buttonTop + m_btnOkay->height() + DialogText::kMargin);

    setWindowTitle(caption);
    m_lblInfo->setText(DialogText::DisplayText(prompt));
    // The prompt names the text field for a screen reader, as a label beside it does for the eye.
    setAccessibleDescription(m_lblInfo->text());
    m_txtInput->setAccessibleName(m_lblInfo->text());
    m_txtInput->setText(value);
    m_txtInput->setSelection(0, static_cast<int>(value.size()));
    TextChanged(value);
}

bool frmInputBox::GetInput(QString& value, const QString& caption, const QString& prompt, QWidget* owner,
                           bool emptyAllowed, bool anyCharacterAllowed)
{
    // Guarded: the owner may close, and take the box with it, while the box is open.
    QPointer<frmInputBox> box = new frmInputBox(owner);
    box->Prepare(value, caption, prompt, emptyAllowed, anyCharacterAllowed);
    if (const std::optional<NextAnswer> next = NextAnswers().Take()) {
        box->m_txtInput->setText(next->text);
        if (next->pressOkay && box->m_btnOkay->isEnabled())
            box->PressOkay();
        else
            box->PressCancel();
    } else {
        box->exec();
    }
    const bool done = box && box->Answer() == 0;
    if (done)
        value = box->CurrentText();
    delete box;
    return done;
}

void frmInputBox::TextChanged(const QString& text)
{
    m_currentText = text;
    if (!m_emptyAllowed)
        m_btnOkay->setEnabled(!text.isEmpty());
}

bool frmInputBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_txtInput || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_btnOkay->isEnabled()) {
        PressOkay();
        return true;
    }
    return !m_anyCharacterAllowed && HasForbiddenCharacter(key->text());
}

void frmInputBox::PressOkay()
{
    m_answer = 0;
    accept();
}

void frmInputBox::PressCancel()
{
    m_answer = -1;
    reject();
}

QRect frmInputBox::PromptRect() const { return m_lblInfo->geometry(); }

PresetAnswers<frmInputBox::NextAnswer>& frmInputBox::NextAnswers()
{
    static PresetAnswers<NextAnswer> answers;
    return answers;
}

void frmInputBox::SetNextAnswer(const QString& text, bool pressOkay) { NextAnswers().Queue({text, pressOkay}); }
int frmInputBox::PendingAnswers() { return NextAnswers().Pending(); }
void frmInputBox::ClearNextAnswers() { NextAnswers().Clear(); }
