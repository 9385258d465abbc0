#pragma once
// frmInputBox: the program's own one-line text prompt, sized to its prompt.
//
// Two flags shape the input: with empty not allowed, "OK" is enabled only while there is text; with
// any character not allowed, typing \ / < > : | " * ? has no effect, so the text can serve as a file
// name (pasted text is taken as it is). Enter presses "OK" when it is enabled, Escape cancels, and Tab
// runs from the text to "OK" and "Cancel".
//
// Test hook: SetNextAnswer queues answers. While the queue holds one, GetInput lays the box out, puts
// the queued text into the field as a paste would, and then presses "OK" (when requested and enabled)
// or "Cancel" instead of showing the box. The program itself never queues an answer.

#include "dialogs/PresetAnswers.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class ucTextButton;

class frmInputBox : public QDialog {
    Q_OBJECT
public:
    explicit frmInputBox(QWidget* owner = nullptr);

    // Shows the prompt modally over owner. On "OK" value becomes the typed text and the result is
    // true; otherwise value is unchanged and the result false.
    static bool GetInput(QString& value, const QString& caption, const QString& prompt, QWidget* owner,
                         bool emptyAllowed, bool anyCharacterAllowed);

    // Lays the box out for a prompt without showing it.
    void Prepare(const QString& value, const QString& caption, const QString& prompt, bool emptyAllowed,
                 bool anyCharacterAllowed);
    // 0 after "OK", -1 otherwise.
    qint16 Answer() const { return m_answer; }
    QString CurrentText() const { return m_currentText; }

    QRect PromptRect() const;
    QLineEdit* Input() const { return m_txtInput; }
    ucTextButton* OkayButton() const { return m_btnOkay; }
    ucTextButton* CancelButton() const { return m_btnCancel; }

    // Test hook, see above.
    static void SetNextAnswer(const QString& text, bool pressOkay);
    static int PendingAnswers();
    static void ClearNextAnswers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct NextAnswer {
        QString text;
        bool pressOkay = false;
    };
    static PresetAnswers<NextAnswer>& NextAnswers();
    void TextChanged(const QString& text);
    void PressOkay();
    void PressCancel();

    QLabel* m_lblInfo = nullptr;
    QLineEdit* m_txtInput = nullptr;
    ucTextButton* m_btnOkay = nullptr;
    ucTextButton* m_btnCancel = nullptr;
    bool m_emptyAllowed = true;
    bool m_anyCharacterAllowed = true;
    QString m_currentText;
    qint16 m_answer = -1;
};
