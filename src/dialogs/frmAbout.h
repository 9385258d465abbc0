#pragma once
// frmAbout: the about box. The program's name, its version, what it is for, and an OK button.

#include <QDialog>

class ucTextButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);

    static QString VersionText();
    ucTextButton* OkayButton() const { return m_btnOkay; }

protected:
    // Enter is "OK"; Escape is "Cancel" as in every QDialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ucTextButton* m_btnOkay = nullptr;
};
