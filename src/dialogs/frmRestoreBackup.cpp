#include "dialogs/frmRestoreBackup.h"

#include "controls/SystemColors.h"
#include "controls/ucAdvList.h"
#include "controls/ucTextButton.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/DialogText.h"
#include "library/RowText.h"
#include "theme/Theme.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>

namespace {

constexpr int kMargin = 8;
constexpr int kFormWidth = 420;
constexpr int kFormHeight = 300;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kDateWidth = 170;
constexpr int kRecordsWidth = 90;
constexpr int kSizeWidth = 110;

} // namespace

frmRestoreBackup::frmRestoreBackup(std::vector<DatabaseBackup> backups, const Theme& theme, QWidget* owner)
    : QDialog(owner), m_backups(std::move(backups))
{
    setWindowTitle(QStringLiteral("Restore Backup..."));
    setFont(DialogText::Font());
    setFixedSize(kFormWidth, kFormHeight);

    const int buttonTop = kFormHeight - kMargin - kButtonHeight;
    m_alBackups = new ucAdvList(this);
    m_alBackups->setObjectName(QStringLiteral("alBackups"));
    m_alBackups->setAccessibleName(QStringLiteral("Backups"));
    m_alBackups->setGeometry(kMargin, kMargin, kFormWidth - 2 * kMargin, buttonTop - 2 * kMargin);
    m_alBackups->SetMultiSelect(false);
    // Rows stay in the order of the backups (newest first), so a row is its backup's index.
    m_alBackups->SetSortableColumns(false);
    m_alBackups->AddColumn(QStringLiteral("Date"), 0, kDateWidth);
    m_alBackups->AddColumn(QStringLiteral("Records"), 1, kRecordsWidth);
    m_alBackups->AddColumn(QStringLiteral("Size"), 1, kSizeWidth);
    for (const DatabaseBackup& backup : m_backups)
        m_alBackups->AddSplitRow(RowCells(backup), true);
    m_alBackups->Refresh();
    if (!m_backups.empty())
        m_alBackups->ChooseRow(0);

    m_btnRestore = new ucTextButton(QStringLiteral("Restore"), this);
    m_btnRestore->setGeometry(kFormWidth - 2 * (kMargin + kButtonWidth), buttonTop, kButtonWidth, kButtonHeight);
    m_btnCancel = new ucTextButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setGeometry(kFormWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    connect(m_btnRestore, &ucTextButton::Click, this, &frmRestoreBackup::PressRestore);
    connect(m_btnCancel, &ucTextButton::Click, this, &QDialog::reject);
    connect(m_alBackups, &ucAdvList::MouseDown, this, [this] { UpdateRestoreEnabled(); });
    connect(m_alBackups, &ucAdvList::DoubleClick, this, [this] { PressRestore(); });
    UpdateRestoreEnabled();
    ApplyTheme(theme);
}

QStringList frmRestoreBackup::RowCells(const DatabaseBackup& backup)
{
    return {backup.Date.toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")),
            backup.Records < 0 ? QStringLiteral("damaged") : FormatCount(backup.Records),
            QLocale::c().formattedDataSize(backup.Bytes, 1, QLocale::DataSizeTraditionalFormat)};
}

int frmRestoreBackup::ChosenRow() const
{
    for (int row = 0; row < m_alBackups->RowCount(); ++row) {
        if (m_alBackups->Selected(row))
            return row;
    }
    return -1;
}

void frmRestoreBackup::UpdateRestoreEnabled()
{
    m_btnRestore->setEnabled(ChosenRow() >= 0);
}

void frmRestoreBackup::PressRestore()
{
    const int row = ChosenRow();
    if (row < 0)
        return;
    m_chosenFile = m_backups[size_t(row)].File;
    accept();
}

void frmRestoreBackup::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        PressRestore();
    else
        QDialog::keyPressEvent(event);
}

void frmRestoreBackup::ApplyTheme(const Theme& t)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(t.WindowFace, QGuiApplication::palette()));
    setPalette(palette);
    m_alBackups->SetListFont(t.ListFont);
    m_alBackups->SetHeaderFont(t.HeaderFont);
    m_alBackups->SetButtonColors(t.WindowGroup());
    m_alBackups->SetColor(AdvListColor::ListBackground, t.ListBackground);
    m_alBackups->SetColor(AdvListColor::ListText, t.ListText);
    m_alBackups->SetColor(AdvListColor::Highlight, t.ListHighlight);
    m_alBackups->SetColor(AdvListColor::HighlightText, t.ListHighlightText);
    m_alBackups->SetColor(AdvListColor::Workspace, t.ListScrollbarFiller);
    m_alBackups->SetHeaderColors(t.HeaderGroup());
    m_btnRestore->SetColors(t.ButtonGroup());
    m_btnCancel->SetColors(t.ButtonGroup());
}

QString frmRestoreBackup::ChooseBackup(const std::vector<DatabaseBackup>& backups, const Theme& theme, QWidget* owner)
{
    if (const std::optional<QString> next = NextAnswers().Take())
        return *next;
    // Guarded: the owner may close, and take the box with it, while the box is open.
    QPointer<frmRestoreBackup> box = new frmRestoreBackup(backups, theme, owner);
    box->exec();
    if (!box)
        return QString();
    const QString chosen = box->ChosenFile();
    delete box;
    return chosen;
}

PresetAnswers<QString>& frmRestoreBackup::NextAnswers()
{
    static PresetAnswers<QString> answers;
    return answers;
}

void frmRestoreBackup::SetNextAnswer(const QString& backupFile) { NextAnswers().Queue(backupFile); }
int frmRestoreBackup::PendingAnswers() { return NextAnswers().Pending(); }
void frmRestoreBackup::ClearNextAnswers() { NextAnswers().Clear(); }
