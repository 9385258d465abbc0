#pragma once
// InfoPanel: the information panel of the main window (fmeInfoArea). It shows one record - its
// file, add date, screenshot thumbnail and the four fields a user edits - and hands the edited
// fields back; storing them is the window's business. The decoded screenshot lives here and is
// shared with the large preview.

#include "controls/cDIB.h"
#include "controls/ucFrame.h"
#include "library/MediaRecordEdit.h"
#include "theme/OleColor.h"

#include <array>

class PictureBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class ucTextButton;
struct MediaRecord;
struct Theme;

class InfoPanel : public ucFrame {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent);

    // The record's fields and the first of the screenshot candidates that decodes; "Update" off.
    void ShowRecord(const MediaRecord& record, const QStringList& screenshotCandidates);
    // Only the thumbnail, from the first candidate that decodes; the fields and "Update" stay as
    // they are, so edits not yet stored survive.
    void ShowScreenshot(const QStringList& screenshotCandidates);
    // Back to the state of a fresh start: no file, no date, empty boxes, no thumbnail.
    void Clear();
    // The four boxes (Title, Author, Rating, Notes) accept input.
    void SetEditable(bool editable);
    // The four fields as the user left them, for EditMediaRecord.
    MediaFieldEdits Edits() const;
    QString TitleText() const;
    // "Update" is on exactly while the boxes hold edits not yet stored.
    bool UpdateEnabled() const;
    void SetUpdateEnabled(bool enabled);

    void ApplyTheme(const Theme& theme);
    void ApplyThemeColors(const Theme& theme);
    // Spans width at (left, top); the boxes, the date and "Update" keep to the right edge.
    void Layout(int left, int top, int width);

    bool HasPreview() const { return m_hasPreview; }
    const cDIB& Screenshot() const { return m_screenshot; }

Q_SIGNALS:
    void UpdateRequested();      // "Update", or Enter in Title, Author or Rating while it is on
    void PreviewRequested();     // a click on the thumbnail
    void FocusListRequested();   // a press on the panel's background or the thumbnail

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitDateLine();
    void BoxFocus(QWidget* box, bool focused);
    std::array<QWidget*, 4> Boxes() const;

    cDIB m_screenshot;
    bool m_hasPreview = false;
    // The colours a box takes while edited and while not.
    OleColor m_editBack = 0, m_editText = 0, m_restBack = 0, m_restText = 0;

    QLabel* m_lblFileInfo = nullptr;
    QLineEdit* m_txtFileInfo = nullptr;
    ucFrame* m_fmePreviewBorder = nullptr;
    PictureBox* m_pbPreview = nullptr;
    std::array<QLabel*, 4> m_lblInfo{};
    std::array<QLineEdit*, 3> m_txtInfo{};  // Title, Author, Rating
    QPlainTextEdit* m_txtNotes = nullptr;   // txtInfo3, Notes
    ucTextButton* m_btnUpdateInfo = nullptr;
};
