#pragma once
// frmInfo: "Trakora Information...", the versions of the simulator's three programs in a frame
// "Application Versions", one row each, and an OK button.
//
//   row  caption          shows
//   0    "Simulator:"     TrakoraSimulator.exe's version
//   1    "Editor:"        TrakoraEditor.exe's version
//   2    "Terraformer:"   TrakoraTerraformer.exe's version
//
// The window is handed the three texts as they are to be shown (ride/AppFileInfo.h makes them:
// "----" for a missing program, "," shown as " ."), so it reads no files itself.

#include <QDialog>

#include <array>

class QLabel;
class ucFrame;
class ucTextButton;

class frmInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRowCount = 3;

    explicit frmInfo(const std::array<QString, kRowCount>& versionTexts, QWidget* owner = nullptr);

    QLabel* CaptionLabel(int row) const { return m_lblAppName[row]; }
    QLabel* AppVersionLabel(int row) const { return m_lblAppVersion[row]; }
    ucFrame* VersionsFrame() const { return m_fmeVersions; }
    ucTextButton* OkayButton() const { return m_btnOkay; }

protected:
    // Enter is "OK"; Escape is "Cancel" as in every QDialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ucFrame* m_fmeVersions = nullptr;
    std::array<QLabel*, kRowCount> m_lblAppName{};
    std::array<QLabel*, kRowCount> m_lblAppVersion{};
    ucTextButton* m_btnOkay = nullptr;
};
