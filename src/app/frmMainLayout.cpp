// frmMain: its controls, created once, and the resize layout that places them.

#include "app/ClickLabel.h"
#include "app/MenuTable.h"
#include "app/PictureBox.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "library/FieldSearch.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace {
const char* const kDropMenuNames[3] = {"lblFileMenu", "lblViewMenu", "lblHelpMenu"};
const char* const kLineNames[3] = {"lineFileMenu", "lineViewMenu", "lineHelpMenu"};
const char* const kInfoCaptions[4] = {"Title:", "Author:", "Rating:", "Notes:"};

template <typename W>
W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLineEdit* FlatLineEdit(QWidget* parent, const QString& name)
{
    auto* box = Named(new QLineEdit(parent), name);
    box->setFrame(false);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}
} // namespace

void frmMain::CreateControls()
{
    setAutoFillBackground(true);
    CreateInfoPanel();
    CreateSearchBar();

    alMain = Named(new ucAdvList(this), QStringLiteral("alMain"));
    alMain->SetMultiSelect(false);
    alMain->SetRightClickSelect(true);
    alMain->SetSortableColumns(true);
    alMain->SetMouseWheelEnabled(true);
    alMain->SetMouseWheelStep(5);
    alMain->SetHideLastColumn(true);
    alMain->SetHideIndexBorder(true);
    alMain->SetCustomColors(true);
    alMain->SetColorHeaderAsButton(false);
    alMain->setAccessibleName(QStringLiteral("Media list"));
    alMain->installEventFilter(this);
    connect(alMain, &ucAdvList::MouseDown, this, [this](int, int row, int, int, float, float) { ListMouseDown(row); });
    connect(alMain, &ucAdvList::DoubleClick, this, [this] { RideFile(); });
    connect(alMain, &ucAdvList::Sorted, this, [this] { ListSorted(); });

    sbMain = Named(new ucStatusBar(this), QStringLiteral("sbMain"));

    // Created last so that the drop-downs lie above everything else.
    CreateMenus();
}

void frmMain::CreateMenus()
{
    fmeMenuArea = Named(new QWidget(this), QStringLiteral("fmeMenuArea"));
    fmeMenuArea->setAutoFillBackground(true);
    fmeMenuArea->installEventFilter(this);
    for (int i = 0; i < kMenuCount; ++i) {
        lblMenu[i] = Named(new ClickLabel(QLatin1String(kMenuCaptions[i]), fmeMenuArea), QStringLiteral("lblMenu%1").arg(i));
        connect(lblMenu[i], &ClickLabel::Click, this, [this, i] { MenuClick(i); });
        connect(lblMenu[i], &ClickLabel::MouseMove, this, [this, i] { MenuMouseMove(i); });
    }
    for (int k = 0; k < 3; ++k) {
        fmeMenu[k] = Named(new ucFrame(this), QStringLiteral("fmeMenu%1").arg(k));
        fmeMenu[k]->setFocusPolicy(Qt::ClickFocus);
        fmeMenu[k]->installEventFilter(this);
        fmeMenu[k]->hide();
        for (size_t i = 0; i < kDropMenuCaptions[k].size(); ++i) {
            auto* item = Named(new ClickLabel(QLatin1String(kDropMenuCaptions[k][i]), fmeMenu[k]),
                               QStringLiteral("%1%2").arg(QLatin1String(kDropMenuNames[k])).arg(i));
            const int entry = int(i);
            connect(item, &ClickLabel::Click, this, [this, k, entry] {
                // Every drop-down is gone before the entry's action runs.
                HideMenus();
                QCoreApplication::processEvents();
                if (k == 0)
                    FileMenuClick(entry);
                else if (k == 1)
                    ViewMenuClick(entry);
                else
                    HelpMenuClick(entry);
            });
            lblDropMenu[k].push_back(item);
        }
        for (size_t s = 0; s < kSeparatorsAbove[k].size(); ++s) {
            auto* line = Named(new QWidget(fmeMenu[k]), QStringLiteral("%1%2").arg(QLatin1String(kLineNames[k])).arg(s));
            line->setAutoFillBackground(true);
            lineDropMenu[k].push_back(line);
        }
    }
}

void frmMain::CreateInfoPanel()
{
    fmeInfoArea = Named(new ucFrame(this), QStringLiteral("fmeInfoArea"));
    connect(fmeInfoArea, &ucFrame::MouseDown, this, [this] { alMain->setFocus(Qt::MouseFocusReason); });

    lblFileInfo = Named(new QLabel(QStringLiteral("--/--/---- --:--:--"), fmeInfoArea), QStringLiteral("lblFileInfo"));
    txtFileInfo = FlatLineEdit(fmeInfoArea, QStringLiteral("txtFileInfo"));
    txtFileInfo->setReadOnly(true);
    txtFileInfo->setAccessibleName(QStringLiteral("File"));

    fmePreviewBorder = Named(new ucFrame(fmeInfoArea), QStringLiteral("fmePreviewBorder"));
    pbPreview = Named(new PictureBox(m_screenshot, fmePreviewBorder), QStringLiteral("pbPreview"));
    pbPreview->setAccessibleName(QStringLiteral("Screenshot"));
    connect(pbPreview, &PictureBox::Click, this, &frmMain::ShowPreview);
    connect(pbPreview, &PictureBox::MouseDown, this, [this] { alMain->setFocus(Qt::MouseFocusReason); });

    for (int i = 0; i < 4; ++i)
        lblInfo[i] = Named(new QLabel(QLatin1String(kInfoCaptions[i]), fmeInfoArea), QStringLiteral("lblInfo%1").arg(i));
    for (int i = 0; i < 3; ++i) {
        txtInfo[i] = FlatLineEdit(fmeInfoArea, QStringLiteral("txtInfo%1").arg(i));
        lblInfo[i]->setBuddy(txtInfo[i]);
        connect(txtInfo[i], &QLineEdit::textChanged, this, [this] { btnUpdateInfo->setEnabled(true); });
        connect(txtInfo[i], &QLineEdit::returnPressed, this, &frmMain::InfoEnter);
    }
    txtNotes = Named(new QPlainTextEdit(fmeInfoArea), QStringLiteral("txtInfo3"));
    txtNotes->setFrameShape(QFrame::NoFrame);
    txtNotes->document()->setDocumentMargin(0);
    txtNotes->setTabChangesFocus(true);
    lblInfo[3]->setBuddy(txtNotes);
    connect(txtNotes, &QPlainTextEdit::textChanged, this, [this] { btnUpdateInfo->setEnabled(true); });
    for (QWidget* box : InfoBoxes())
        box->installEventFilter(this);

    btnUpdateInfo = Named(new ucTextButton(QStringLiteral("Update"), fmeInfoArea), QStringLiteral("btnUpdateInfo"));
    btnUpdateInfo->setAccessibleName(QStringLiteral("Update"));
    connect(btnUpdateInfo, &ucTextButton::Click, this, &frmMain::UpdateInfo);
}

void frmMain::CreateSearchBar()
{
    fmeSearchArea = Named(new ucFrame(this), QStringLiteral("fmeSearchArea"));
    lblSearch = Named(new QLabel(QStringLiteral("Search:"), fmeSearchArea), QStringLiteral("lblSearch"));
    txtSearch = FlatLineEdit(fmeSearchArea, QStringLiteral("txtSearch"));
    lblSearch->setBuddy(txtSearch);
    txtSearch->setToolTip(FieldSearchHelp());
    connect(txtSearch, &QLineEdit::textChanged, this, &frmMain::SearchChanged);
    btnClearSearch = Named(new ucTextButton(QStringLiteral("Clear"), fmeSearchArea), QStringLiteral("btnClearSearch"));
    btnClearSearch->setAccessibleName(QStringLiteral("Clear search"));
    connect(btnClearSearch, &ucTextButton::Click, this, &frmMain::ClearSearch);
}

void frmMain::RefreshDisplay()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    RecordWindowRectangle();

    const int margin = 4;
    const int top = fmeMenuArea->height() + 4;
    const int contentWidth = std::max(width() - 8, 0);
    const int bottom = std::max(height() - sbMain->height() - 8, 0);

    // Menu bar: "Ride!", "Edit", "Terraform", "Folder" right-aligned; the rest keep their places.
    fmeMenuArea->setGeometry(0, 0, width(), fmeMenuArea->height());
    int x = fmeMenuArea->width() - lblMenu[kMenuCount - 1]->width() - 8;
    for (int i = kMenuCount - 1; i >= 3; --i) {
        lblMenu[i]->move(x, lblMenu[i]->y());
        x -= lblMenu[i - 1]->width() + 16;
    }

    // Information panel (its height is the theme's).
    fmeInfoArea->setGeometry(margin, top, contentWidth, fmeInfoArea->height());
    const int boxWidth = std::max(fmeInfoArea->width() - 8 - txtInfo[0]->x(), 0);
    for (QWidget* box : InfoBoxes())
        box->resize(boxWidth, box->height());
    btnUpdateInfo->move(fmeInfoArea->width() - btnUpdateInfo->width() - 8, btnUpdateInfo->y());
    lblFileInfo->move(fmeInfoArea->width() - lblFileInfo->width() - 8, lblFileInfo->y());
    txtFileInfo->resize(std::max(lblFileInfo->x() - txtFileInfo->x() - 8, 0), txtFileInfo->height());

    // Search bar.
    const int searchTop = fmeInfoArea->y() + fmeInfoArea->height() + 4;
    fmeSearchArea->setGeometry(margin, searchTop, contentWidth, fmeSearchArea->height());
    btnClearSearch->move(fmeSearchArea->width() - btnClearSearch->width() - 8, btnClearSearch->y());
    txtSearch->resize(std::max(btnClearSearch->x() - txtSearch->x() - 4, 0), txtSearch->height());

    // List, down to 4 px above the status bar, which spans the bottom of the window.
    const int listTop = fmeSearchArea->y() + fmeSearchArea->height() + 4;
    alMain->setGeometry(margin, listTop, contentWidth, std::max(bottom + 4 - listTop, 0));
    sbMain->setGeometry(0, height() - sbMain->height(), width(), sbMain->height());
}
