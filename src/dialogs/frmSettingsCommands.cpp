// The commands of frmSettings: what its buttons, its media folder list and its closing do.

#include "dialogs/frmSettings.h"

#include "dialogs/CommonDialogFile.h"
#include "dialogs/FolderDropList.h"
#include "settings/SettingsChoices.h"
#include "dialogs/frmMessageBox.h"
#include "dialogs/frmSelectFolder.h"
#include "platform/ProgramFolder.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

bool frmSettings::Confirm(const QString& text, const QString& caption)
{
    return frmMessageBox::ShowMessage(text, caption, this, MessageIcon::Question, MessageButtons::YesNoCancel)
           == MessageAnswer::Yes;
}

void frmSettings::PressOkay()
{
    bool* const flags[kNameSchemeCount] = {&m_settings.NameReplaceUnderscores, &m_settings.NameTrimSpaces,
                                           &m_settings.NameAutoFormat, &m_settings.NameBracketFilter,
                                           &m_settings.NameDashFilter};
    for (int i = 0; i < kNameSchemeCount; ++i)
        *flags[i] = m_chkNameScheme[i]->checkState() != Qt::Unchecked;

    int option = kLargeViewSizeCount - 1;
    for (int i = 0; i + 1 < kLargeViewSizeCount; ++i) {
        if (m_optLargeViewSize[i]->isChecked()) {
            option = i;
            break;
        }
    }
    m_settings.LargeViewWidth = LargeViewSize(option).width();
    m_settings.LargeViewHeight = LargeViewSize(option).height();

    TakeAndApplyTheme();
    // As typed: a folder without a final separator stays without one.
    m_settings.SimulatorPath = m_txtTrakoraPath->text();
    // The settings stay in effect for this run either way; the main window saves them again when it
    // closes.
    QString error;
    if (!SaveSettings(m_settings, m_context.ProgramFolder, &error))
        frmMessageBox::ShowMessage(QStringLiteral("The settings could not be saved!\r\n") + error,
                                   QStringLiteral("Save Failed..."), this, MessageIcon::Error, MessageButtons::OK);
    accept();
}

void frmSettings::TakeAndApplyTheme()
{
    const int row = m_lstThemes->currentRow();
    const bool builtIn = row <= 0 || !m_lstThemes->currentItem()->isSelected();
    m_settings.ThemeName = builtIn ? QString() : m_lstThemes->item(row)->text();
    if (!LoadTheme(m_theme, m_settings.ThemePath, m_settings.ThemeName))
        SetDefaultTheme(m_theme, m_settings.ThemeName);
    if (m_context.ApplyTheme)
        m_context.ApplyTheme();
}

void frmSettings::reject()
{
    // Every change the dialog made to the settings came after the last save, so the file undoes
    // them all; the themes folder stays the program's own, as at start-up.
    if (LoadSettings(m_settings, m_context.ProgramFolder))
        m_settings.ThemePath = ThemesFolderPath(m_context.ProgramFolder);
    QDialog::reject();
}

void frmSettings::PressDefaults()
{
    if (!Confirm(QStringLiteral("Are you sure you want to reset to Default Settings?\r\nThis Can NOT be UnDone!"),
                 QStringLiteral("Confirm Reset Settings...")))
        return;
    SetDefaultSettings(m_settings, m_theme, m_context.Screen, m_context.ProgramFolder, m_context.FindSimulator);
    LoadControls();
}

void frmSettings::AddMediaPath()
{
    const QString folder = frmSelectFolder::SelectFolder(QString(), this);
    if (folder.isEmpty())
        return;
    m_settings.MediaPaths.append(folder);
    FillMediaPathList();
}

void frmSettings::RemoveMediaPaths()
{
    if (!Confirm(QStringLiteral("Are you sure you want to reomve the selected items from the Media Path list?"),
                 QStringLiteral("Confirm Remove...")))
        return;
    QStringList kept;
    for (int i = 0; i < m_lstMediaPaths->count(); ++i) {
        if (!m_lstMediaPaths->item(i)->isSelected())
            kept.append(m_lstMediaPaths->item(i)->text());
    }
    m_settings.MediaPaths = kept;
    FillMediaPathList();
}

void frmSettings::ClearMediaPaths()
{
    if (!Confirm(QStringLiteral("Are you sure you want to clear the Media Path list?"),
                 QStringLiteral("Confirm Clear...")))
        return;
    m_settings.MediaPaths.clear();
    FillMediaPathList();
}

void frmSettings::AddDroppedFolders(const QStringList& folders)
{
    m_settings.MediaPaths += folders;
    FillMediaPathList();
}

void frmSettings::OpenThemeEditor()
{
    if (m_context.EditThemes)
        m_context.EditThemes(this);
    FillThemeList();
}

void frmSettings::ApplySelectedTheme() { TakeAndApplyTheme(); }

void frmSettings::BrowseSimulator()
{
    OpenFileRequest request;
    request.FileMustExist = true;
    request.Filter = QStringLiteral("Trakora Simulator|TrakoraSimulator*.exe");
    request.InitialFolder =
        QFileInfo(m_settings.SimulatorPath).isDir() ? m_settings.SimulatorPath : m_context.ProgramFolder;
    request.Title = QStringLiteral("Locate Trakora Simulator Application...");
    request.DefaultExtension = QStringLiteral("exe");
    QString fileName;
    if (!ShowOpenFileDialog(fileName, request, this))
        return;
    // The setting itself changes only on "OK".
    m_txtTrakoraPath->setText(WithFinalSeparator(QDir::toNativeSeparators(QFileInfo(fileName).path())));
}
