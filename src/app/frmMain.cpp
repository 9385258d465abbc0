#include "app/frmMain.h"

#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"
#include "platform/Twips.h"
#include "session/AppState.h"
#include "session/ProgramSession.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace {
const char* const kColumnCaptions[] = {"Track Name", "Author", "Rating", "Ridden", "Ride Date", "Type", "Add Date"};
} // namespace

frmMain::frmMain(AppState& state, const ScreenMetrics& screen, SimulatorFinder findSimulator, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_twipsPerPixelX(screen.TwipsPerPixelX)
    , m_twipsPerPixelY(screen.TwipsPerPixelY)
    , m_screen(screen)
    , m_findSimulator(findSimulator)
{
    setWindowTitle(QStringLiteral("Ridevault"));
    CreateControls();
    m_rows = std::make_unique<MediaListPresenter>(*alMain, *sbMain, m_state.Media);
    m_timers = std::make_unique<MainTimers>(m_state, *m_rows, *sbMain, *this, [this] { CheckApps(); });

    // The keys a desktop user expects: Ctrl+F to search; Enter on the list and Escape in an open
    // drop-down are handled in eventFilter.
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] {
        txtSearch->setFocus(Qt::ShortcutFocusReason);
        txtSearch->selectAll();
    });

    Form_Load(screen, findSimulator);
    // The list holds the focus when the window opens, so the keys move in it and Enter rides at once.
    alMain->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load(const ScreenMetrics& screen, const SimulatorFinder& findSimulator)
{
    // Themes folder, defaults, settings and theme.
    LoadProgramState(m_state, screen, findSimulator);
    m_hasPreview = false;

    const AppSettings& settings = m_state.Settings;
    for (int column = 0; column < 7; ++column)
        alMain->AddColumn(QLatin1String(kColumnCaptions[column]), 0, settings.ColumnWidths[column]);
    alMain->AddColumn(QStringLiteral("Key"));

    sbMain->CreateField(200, 0, false);
    sbMain->CreateField(200, 1, false);
    sbMain->UpdateField(0, QString());
    sbMain->UpdateField(1, QString());

    // The normal rectangle first, so that restoring a maximised window returns to it.
    move(TwipsToPixels(settings.WindowLeft, m_twipsPerPixelX), TwipsToPixels(settings.WindowTop, m_twipsPerPixelY));
    resize(TwipsToPixels(settings.WindowWidth, m_twipsPerPixelX),
           TwipsToPixels(settings.WindowHeight, m_twipsPerPixelY));
    if (settings.WindowState == 2) {
        // Only a created window remembers the rectangle it leaves for the maximised state.
        create();
        setWindowState(windowState() | Qt::WindowMaximized);
    }

    LoadProgramDatabase(m_state);
    m_rows->FillMediaList();
    alMain->SortByColumn(0);

    m_openMenuIndex = -1;
    m_state.Selection = MediaSelection{};
    btnUpdateInfo->setEnabled(false);
    MenuEnabled(false);

    ApplyTheme();
    m_timers->StartCheckApps();
    StartFileScan(false);
}

bool frmMain::Form_Unload()
{
    m_timers->StopFileScan();
    QList<int> widths;
    const double listTwipsPerPixel = TwipsPerPixel(alMain->logicalDpiX());
    for (int column = 0; column < 7; ++column)
        widths.append(TwipsToPixels(alMain->ColumnWidth(column), listTwipsPerPixel));
    const QStringList failed = SaveProgramState(m_state, widths);
    if (!failed.isEmpty()) {
        // The window stays open so the user can free space and close again.
        ReportSaveFailure(failed);
        return false;
    }
    m_timers->StopCheckApps();
    return true;
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

void frmMain::ReportSaveFailure(const QStringList& paths)
{
    frmMessageBox::ShowMessage(
        QStringLiteral("Ridevault could not save its files!\r\nNot written: %1. The old files are kept as they "
                       "were; free some disk space or make the folder writable, then try again.")
            .arg(paths.join(QStringLiteral(", "))),
        QStringLiteral("Save Failed..."), this, MessageIcon::Error, MessageButtons::OK);
}

void frmMain::RecordWindowRectangle()
{
    // Before the window is shown its rectangle is the one just restored, and a platform may still
    // shift it by its frame while creating the window: only what the user sees is recorded.
    const Qt::WindowStates states = windowState();
    if (!isVisible() || (states & Qt::WindowMinimized))
        return;
    AppSettings& settings = m_state.Settings;
    if (!(states & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        settings.WindowLeft = PixelsToTwips(x(), m_twipsPerPixelX);
        settings.WindowTop = PixelsToTwips(y(), m_twipsPerPixelY);
        settings.WindowWidth = PixelsToTwips(width(), m_twipsPerPixelX);
        settings.WindowHeight = PixelsToTwips(height(), m_twipsPerPixelY);
    }
    settings.WindowState = (states & Qt::WindowMaximized) ? 2 : 0;
}

void frmMain::resizeEvent(QResizeEvent*)
{
    RefreshDisplay();
}

void frmMain::moveEvent(QMoveEvent*)
{
    // A move without a resize is kept as well, so the window reopens where it was left.
    RecordWindowRectangle();
}

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        RefreshDisplay();
    QWidget::changeEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    for (int k = 0; k < int(fmeMenu.size()); ++k) {
        if (watched != fmeMenu[k])
            continue;
        if (type == QEvent::FocusOut)
            MenuLostFocus(k);
        else if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            alMain->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (watched == fmeMenuArea && type == QEvent::MouseButtonPress) {
        alMain->setFocus(Qt::MouseFocusReason);
        return false;
    }
    if (watched == alMain && type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RideFile();
            return true;
        }
        return false;
    }
    const std::array<QWidget*, 4> boxes = InfoBoxes();
    for (int i = 0; i < 4; ++i) {
        if (watched == boxes[i] && (type == QEvent::FocusIn || type == QEvent::FocusOut))
            InfoFocus(i, type == QEvent::FocusIn);
    }
    return false;
}

std::array<QWidget*, 4> frmMain::InfoBoxes() const
{
    return {txtInfo[0], txtInfo[1], txtInfo[2], txtNotes};
}
