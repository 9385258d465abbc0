#pragma once
// frmMessageBox: the program's own modal message box, a text with an optional standard icon and one
// of nine button sets, sized to its text.
//
// Icons by index: 0 application, 1 warning, 2 question, 3 error, 4 information; -1 or an index past
// the set means no icon. Answers: 0 OK, 1 Cancel, 2 Yes, 3 No, 4 Yes to All, 5 No to All, 6 Abort,
// 7 Retry, 8 Ignore; -1 when the box was closed without a button.
//
// Keyboard: the first button of the set as seen (Yes in Yes, No, Cancel) is the default and has the
// focus when the box opens; Enter presses the focused button, Escape answers -1, and the arrow keys
// and Tab move along the buttons from left to right.
//
// Assistive technology reads a dialog named by the caption, described by the message, and its
// buttons as push buttons it can press.
//
// Test hook: SetNextAnswer queues answers. While the queue holds one, ShowMessage lays the box out as
// usual but returns the first queued answer instead of showing it, so tests of any window can drive
// its confirmations unattended. The program itself never queues an answer.

#include "dialogs/PresetAnswers.h"

#include <QDialog>
#include <QImage>
#include <QList>

class QLabel;
class ucTextButton;

// The icon, button set and answer numbers by name; each value is the number the callers pass.
enum class MessageIcon : qint16 { None = -1, Application = 0, Warning = 1, Question = 2, Error = 3, Information = 4 };
enum class MessageButtons : qint16 {
    OK = 0, OKCancel = 1, YesNo = 2, YesNoCancel = 3, YesToAllNoToAll = 4, YesToAllNoToAllCancel = 5,
    AbortRetry = 6, AbortRetryIgnore = 7, RetryCancel = 8
};
enum class MessageAnswer : qint16 {
    Closed = -1, OK = 0, Cancel = 1, Yes = 2, No = 3, YesToAll = 4, NoToAll = 5, Abort = 6, Retry = 7, Ignore = 8
};

class frmMessageBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 9;
    static constexpr int kIconCount = 5;

    explicit frmMessageBox(QWidget* owner = nullptr);

    // Shows the message modally over owner and returns the answer. shellIcons picks the shell's icon
    // library on Windows; both libraries offer the same standard set here.
    static qint16 ShowMessage(const QString& text, const QString& caption, QWidget* owner, qint16 iconIndex,
                              qint16 buttonSet, bool shellIcons = false);
    static MessageAnswer ShowMessage(const QString& text, const QString& caption, QWidget* owner, MessageIcon icon,
                                     MessageButtons buttons, bool shellIcons = false);

    // Lays the box out for a message without showing it.
    void Prepare(const QString& text, const QString& caption, qint16 iconIndex, qint16 buttonSet, bool shellIcons);
    void Prepare(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                 bool shellIcons = false);
    qint16 Answer() const { return m_answer; }

    bool HasIcon() const;
    QRect IconRect() const;
    QImage IconImage() const;
    QRect MessageRect() const;
    QString MessageText() const;
    ucTextButton* Button(int index) const { return m_buttons[index]; }
    // The visible buttons from left to right, by answer index.
    QList<int> VisibleButtonsLeftToRight() const;
    // The button that has the focus when the box opens; -1 for a set with no buttons.
    int DefaultButton() const { return m_defaultButton; }

    // Test hook, see above.
    static void SetNextAnswer(qint16 answer);
    static void SetNextAnswer(MessageAnswer answer);
    static int PendingAnswers();
    static void ClearNextAnswers();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static PresetAnswers<qint16>& NextAnswers();
    void Press(int index);
    void MoveFocus(int step);

    QLabel* m_pbIcon = nullptr;
    QLabel* m_lblMessage = nullptr;
    QList<ucTextButton*> m_buttons;
    bool m_hasIcon = false;
    int m_defaultButton = -1;
    qint16 m_answer = -1;
};
