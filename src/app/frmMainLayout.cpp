// frmMain: its controls, created once, and the resize layout that places them.

#include "app/InfoPanel.h"
#include "app/MainMenuBar.h"
#include "app/frmMain.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "library/FieldSearch.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

void frmMain::CreateControls()
{
    setAutoFillBackground(true);
    m_fmeInfoArea = new InfoPanel(this);
    connect(m_fmeInfoArea, &InfoPanel::UpdateRequested, this, &frmMain::UpdateInfo);
    connect(m_fmeInfoArea, &InfoPanel::PreviewRequested, this, &frmMain::ShowPreview);
    connect(m_fmeInfoArea, &InfoPanel::FocusListRequested, this, [this] { m_alMain->setFocus(Qt::MouseFocusReason); });
    CreateSearchBar();

    m_alMain = new ucAdvList(this);
    m_alMain->setObjectName(QStringLiteral("alMain"));
    m_alMain->SetMultiSelect(false);
    m_alMain->SetRightClickSelect(true);
    m_alMain->SetSortableColumns(true);
    m_alMain->SetMouseWheelEnabled(true);
    m_alMain->SetMouseWheelStep(5);
    m_alMain->SetHideLastColumn(true);
    m_alMain->SetHideIndexBorder(true);
    m_alMain->SetCustomColors(true);
    m_alMain->SetColorHeaderAsButton(false);
    m_alMain->setAccessibleName(QStringLiteral("Media list"));
    m_alMain->installEventFilter(this);
    connect(m_alMain, &ucAdvList::MouseDown, this, [this](int, int row, int, int, float, float) { ListMouseDown(row); });
    connect(m_alMain, &ucAdvList::DoubleClick, this, [this] { ListDoubleClick(); });
    connect(m_alMain, &ucAdvList::Sorted, this, [this] { ListSorted(); });

    m_sbMain = new ucStatusBar(this);
    m_sbMain->setObjectName(QStringLiteral("sbMain"));

    // Created last so that the drop-downs lie above everything else.
    m_fmeMenuArea = new MainMenuBar(this);
    connect(m_fmeMenuArea, &MainMenuBar::CommandChosen, this, &frmMain::Run);
    connect(m_fmeMenuArea, &MainMenuBar::FocusReturned, this, [this] {
        m_fmeMenuArea->CloseMenus();
        m_alMain->setFocus(Qt::OtherFocusReason);
    });
}

void frmMain::CreateSearchBar()
{
    m_fmeSearchArea = new ucFrame(this);
    m_fmeSearchArea->setObjectName(QStringLiteral("fmeSearchArea"));
    m_lblSearch = new QLabel(QStringLiteral("Search:"), m_fmeSearchArea);
    m_lblSearch->setObjectName(QStringLiteral("lblSearch"));
    m_txtSearch = new QLineEdit(m_fmeSearchArea);
    m_txtSearch->setObjectName(QStringLiteral("txtSearch"));
    m_txtSearch->setFrame(false);
    m_txtSearch->setTextMargins(0, 0, 0, 0);
    m_lblSearch->setBuddy(m_txtSearch);
    m_txtSearch->setToolTip(FieldSearchHelp());
    connect(m_txtSearch, &QLineEdit::textChanged, this, &frmMain::SearchChanged);
    m_btnClearSearch = new ucTextButton(QStringLiteral("Clear"), m_fmeSearchArea);
    m_btnClearSearch->setObjectName(QStringLiteral("btnClearSearch"));
    m_btnClearSearch->setAccessibleName(QStringLiteral("Clear search"));
    connect(m_btnClearSearch, &ucTextButton::Click, this, &frmMain::ClearSearch);
}

void frmMain::RefreshDisplay()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    RecordWindowRectangle();

    const int margin = 4;
    const int top = m_fmeMenuArea->height() + 4;
    const int contentWidth = std::max(width() - 8, 0);
    const int bottom = std::max(height() - m_sbMain->height() - 8, 0);

    m_fmeMenuArea->Layout(width());
    // The information panel's height is the theme's.
    m_fmeInfoArea->Layout(margin, top, contentWidth);

    // Search bar.
    const int searchTop = m_fmeInfoArea->y() + m_fmeInfoArea->height() + 4;
    m_fmeSearchArea->setGeometry(margin, searchTop, contentWidth, m_fmeSearchArea->height());
    m_btnClearSearch->move(m_fmeSearchArea->width() - m_btnClearSearch->width() - 8, m_btnClearSearch->y());
    m_txtSearch->resize(std::max(m_btnClearSearch->x() - m_txtSearch->x() - 4, 0), m_txtSearch->height());

    // List, down to 4 px above the status bar, which spans the bottom of the window.
    const int listTop = m_fmeSearchArea->y() + m_fmeSearchArea->height() + 4;
    m_alMain->setGeometry(margin, listTop, contentWidth, std::max(bottom + 4 - listTop, 0));
    m_sbMain->setGeometry(0, height() - m_sbMain->height(), width(), m_sbMain->height());
}
