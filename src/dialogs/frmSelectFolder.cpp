#include "dialogs/frmSelectFolder.h"

#include "controls/ucTextButton.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/DialogText.h"
#include "platform/ProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr QSize kButtonSize(75, 23);
constexpr int kPathRole = Qt::UserRole;

QString CleanFolder(const QString& folder) { return QDir::toNativeSeparators(QDir::cleanPath(folder)); }

bool CanList(const QString& folder)
{
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isReadable() && info.isExecutable();
}

// The folder and the folders above it, from the root down.
QStringList PathFromRoot(const QString& folder)
{
    QStringList chain;
    QDir dir(folder);
    chain.prepend(CleanFolder(dir.absolutePath()));
    while (dir.cdUp())
        chain.prepend(CleanFolder(dir.absolutePath()));
    return chain;
}

// The folder list indents each level like a tree but has no branch marks: every entry is open or
// opens with one click, so there is nothing to fold.
class FolderTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;

protected:
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

QString EntryText(const QString& folder)
{
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? folder : name;
}
} // namespace

frmSelectFolder::frmSelectFolder(const QString& initialFolder, const QList<DriveEntry>& drives, QWidget* owner)
    : QDialog(owner)
    , m_drives(drives)
{
    setWindowTitle(QStringLiteral("Select Folder..."));
    setFont(DialogText::Font());

    m_drive1 = new QComboBox(this);
    m_drive1->setAccessibleName(QStringLiteral("Drive"));
    for (const DriveEntry& drive : std::as_const(m_drives))
        m_drive1->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), drive.Label);

    m_dir1 = new FolderTree(this);
    m_dir1->setAccessibleName(QStringLiteral("Folder"));
    m_dir1->setHeaderHidden(true);
    m_dir1->setRootIsDecorated(false);
    m_dir1->setItemsExpandable(false);
    m_dir1->setIndentation(12);
    m_dir1->setMinimumSize(260, 240);

    m_btnOkay = new ucTextButton(QStringLiteral("OK"), this);
    m_btnCancel = new ucTextButton(QStringLiteral("Cancel"), this);
    for (ucTextButton* button : {m_btnOkay, m_btnCancel}) {
        button->setFixedSize(kButtonSize);
        button->setAccessibleName(button->Caption());
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_btnOkay);
    buttons->addWidget(m_btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(m_drive1);
    layout->addWidget(m_dir1, 1);
    layout->addLayout(buttons);

    connect(m_drive1, &QComboBox::activated, this, &frmSelectFolder::ChooseDrive);
    // One click opens a folder; Enter on the current entry does too.
    const auto open = [this](QTreeWidgetItem* item) { OpenFolder(item->data(0, kPathRole).toString()); };
    connect(m_dir1, &QTreeWidget::itemClicked, this, open);
    connect(m_dir1, &QTreeWidget::itemActivated, this, open);
    connect(m_btnOkay, &ucTextButton::Click, this, &frmSelectFolder::PressOkay);
    connect(m_btnCancel, &ucTextButton::Click, this, &QDialog::reject);

    if (!OpenFolder(initialFolder))
        OpenFolder(QDir::currentPath());
}

bool frmSelectFolder::OpenFolder(const QString& folder)
{
    if (!CanList(folder))
        return false;
    m_folder = CleanFolder(QFileInfo(folder).absoluteFilePath());
    FillFolderList();
    ShowDriveOfFolder();
    return true;
}

void frmSelectFolder::ChooseDrive(int index)
{
    if (index < 0 || index >= m_drives.size() || !OpenFolder(m_drives[index].Folder))
        ShowDriveOfFolder();
}

void frmSelectFolder::ShowDriveOfFolder()
{
    const QSignalBlocker quiet(m_drive1);
    m_drive1->setCurrentIndex(DriveOfFolder(m_drives, m_folder));
}

void frmSelectFolder::FillFolderList()
{
    m_dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem* parent = nullptr;
    for (const QString& folder : PathFromRoot(m_folder)) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_dir1);
        item->setText(0, EntryText(folder));
        item->setIcon(0, open);
        item->setData(0, kPathRole, folder);
        parent = item;
    }
    // Hidden folders too: a Wine prefix, where the simulator's tracks live, is one.
    const QFileInfoList children = QDir(m_folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                                                QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, child.fileName());
        item->setIcon(0, closed);
        item->setData(0, kPathRole, CleanFolder(child.absoluteFilePath()));
    }
    m_dir1->expandAll();
    m_dir1->setCurrentItem(parent);
    m_dir1->scrollToItem(parent, QAbstractItemView::PositionAtTop);
}

QTreeWidgetItem* frmSelectFolder::FolderEntry(const QString& folder) const
{
    const QString wanted = CleanFolder(folder);
    for (QTreeWidgetItemIterator it(m_dir1); *it; ++it) {
        if ((*it)->data(0, kPathRole).toString() == wanted)
            return *it;
    }
    return nullptr;
}

void frmSelectFolder::PressOkay()
{
    m_selectedFolder = WithFinalSeparator(m_folder);
    accept();
}

QString frmSelectFolder::SelectFolder(const QString& initialFolder, QWidget* owner)
{
    if (const std::optional<QString> next = NextAnswers().Take())
        return WithFinalSeparator(QDir::toNativeSeparators(*next));
    // Guarded: the owner may close, and take the box with it, while the box is open.
    QPointer<frmSelectFolder> box = new frmSelectFolder(initialFolder, UserDrives(), owner);
    box->exec();
    const QString chosen = box ? box->SelectedFolder() : QString();
    delete box;
    return chosen;
}

PresetAnswers<QString>& frmSelectFolder::NextAnswers()
{
    static PresetAnswers<QString> answers;
    return answers;
}

void frmSelectFolder::SetNextAnswer(const QString& folder) { NextAnswers().Queue(folder); }
int frmSelectFolder::PendingAnswers() { return NextAnswers().Pending(); }
void frmSelectFolder::ClearNextAnswers() { NextAnswers().Clear(); }

void frmSelectFolder::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        PressOkay();
    else
        QDialog::keyPressEvent(event);
}
