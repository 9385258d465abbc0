// frmMain: the information panel - the selected record's fields, its screenshot thumbnail, storing
// the edited fields, and the large preview.

#include "app/MediaListPresenter.h"
#include "app/PictureBox.h"
#include "app/frmMain.h"
#include "app/frmPreview.h"
#include "controls/SystemColors.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"
#include "library/MediaDatabase.h"
#include "library/ScreenshotLookup.h"
#include "session/AppState.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// Notes are kept with CR LF line breaks, as the database always had them; the box shows plain
// line breaks.
QString NotesForBox(const QString& notes) { return QString(notes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
QString NotesForRecord(const QString& text) { return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }
} // namespace

void frmMain::ShowFileInfo()
{
    const qint32 selected = m_state.Selection.SelectedMediaIndex;
    if (selected < 0 || selected >= m_state.Media.MediaCount())
        return;
    const MediaRecord& record = m_state.Media.MediaList[selected];
    txtFileInfo->setText(record.FilePath);
    txtFileInfo->setCursorPosition(0);
    lblFileInfo->setText(record.AddDate);
    txtInfo[0]->setText(record.Title);
    txtInfo[1]->setText(record.Author);
    txtInfo[2]->setText(record.Rating);
    txtNotes->setPlainText(NotesForBox(record.Notes));
    for (QLineEdit* box : txtInfo)
        box->setCursorPosition(0);

    btnUpdateInfo->setEnabled(false);
    MenuEnabled(true);

    // The date line's width follows its text.
    lblFileInfo->resize(QFontMetrics(lblFileInfo->font()).horizontalAdvance(lblFileInfo->text()), lblFileInfo->height());
    lblFileInfo->move(fmeInfoArea->width() - lblFileInfo->width() - 8, lblFileInfo->y());
    txtFileInfo->resize(std::max(lblFileInfo->x() - txtFileInfo->x() - 8, 0), txtFileInfo->height());

    ShowScreenshot(FindScreenshotCandidates(record, m_state.Settings.SimulatorPath));
}

void frmMain::ShowScreenshot(const QStringList& candidates)
{
    // The first candidate by name that decodes; a damaged or mislabelled file is passed over.
    for (const QString& path : candidates) {
        const QImage picture(path);
        if (picture.isNull() || !m_screenshot.CreateDIBFromPicture(picture))
            continue;
        m_hasPreview = true;
        pbPreview->SetShowing(true);
        return;
    }
    m_screenshot.KillDIB();
    m_hasPreview = false;
    pbPreview->SetShowing(false);
}

void frmMain::UpdateInfo()
{
    MediaSelection& selection = m_state.Selection;
    if (selection.SelectedMediaIndex >= 0 && selection.SelectedMediaIndex < m_state.Media.MediaCount()) {
        if (txtInfo[0]->text().isEmpty()) {
            const MessageAnswer answer = frmMessageBox::ShowMessage(
                QStringLiteral("Are you sure you want to remove the Title?\r\nCompletely removing the Title will "
                               "make the file hard to locate in the list!"),
                QStringLiteral("Confirm Removing Title..."), this, MessageIcon::Question, MessageButtons::YesNoCancel);
            if (answer != MessageAnswer::Yes)
                return;
        }
        MediaRecord& record = m_state.Media.MediaList[selection.SelectedMediaIndex];
        record.Title = txtInfo[0]->text();
        record.Author = txtInfo[1]->text();
        record.Rating = txtInfo[2]->text();
        record.Notes = NotesForRecord(txtNotes->toPlainText());
        if (!SaveMediaDatabase(m_state.Media, m_state.ProgramFolder))
            ReportSaveFailure({MediaDatabasePath(m_state.ProgramFolder)});
        if (selection.SelectedRowIndex < 0)
            selection.SelectedRowIndex = FindRowByKey(selection.SelectedMediaIndex);
        m_rows->RewriteRecordRow(selection.SelectedMediaIndex, selection.SelectedRowIndex);
    }
    btnUpdateInfo->setEnabled(false);
    alMain->setFocus(Qt::OtherFocusReason);
}

void frmMain::InfoEnter()
{
    // Enter in Title, Author or Rating stores; the Notes box keeps Enter for its line breaks.
    if (!btnUpdateInfo->isEnabled())
        return;
    UpdateInfo();
    alMain->setFocus(Qt::OtherFocusReason);
}

void frmMain::ShowPreview()
{
    if (!m_hasPreview)
        return;
    frmPreview preview(m_screenshot, m_state.Settings.LargeViewWidth, m_state.Settings.LargeViewHeight, this);
    preview.exec();
}
