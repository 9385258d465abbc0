#include "app/frmMain.h"

#include "app/InfoPanel.h"
#include "app/LiveMediaFolders.h"
#include "app/MainMenuBar.h"
#include "app/MainTimers.h"
#include "app/MediaListPresenter.h"
#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmMessageBox.h"
#include "library/MediaDatabase.h"
#include "platform/Twips.h"
#include "session/AppState.h"
#include "session/ProgramSession.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace {
const char* const kColumnCaptions[kShownColumnCount] = {"Track Name", "Author", "Rating", "Ridden",
                                                        "Ride Date",  "Type",   "Add Date"};

enum class FailedCloseChoice { Retry, CloseUnsaved, StayOpen };

// What the user loses by closing now: each file that was not written, and what it would have kept.
QString LostText(const QStringList& failed, const QString& databaseFile)
{
    QStringList lost;
    for (const QString& path : failed) {
        lost.append(path == databaseFile
                        ? QStringLiteral("the media list's changes since it was last saved (records added, "
                                         "relinked or removed, ride counts and dates) in %1").arg(path)
                        : QStringLiteral("this session's settings (window place, column widths) in %1").arg(path));
    }
    return lost.join(QStringLiteral(";\r\n"));
}

// A failed save at close never traps the user: Retry saves again (after the user freed space or
// made the folder writable), Ignore closes without saving once a second question has named what is
// lost, Abort (or closing the box) keeps the window open.
FailedCloseChoice AskAfterFailedClose(QWidget* owner, const QStringList& failed, const QString& databaseFile)
{
    for (;;) {
        const MessageAnswer answer = frmMessageBox::ShowMessage(
            QStringLiteral("Ridevault could not save its files!\r\nNot written: %1. The old files are kept as they "
                           "were.\r\n\r\nRetry: free some disk space or make the folder writable, then save again."
                           "\r\nIgnore: close without saving.\r\nAbort: keep Ridevault open.")
                .arg(failed.join(QStringLiteral(", "))),
            QStringLiteral("Save Failed..."), owner, MessageIcon::Error, MessageButtons::AbortRetryIgnore);
        if (answer == MessageAnswer::Retry)
            return FailedCloseChoice::Retry;
        if (answer != MessageAnswer::Ignore)
            return FailedCloseChoice::StayOpen;
        const MessageAnswer sure = frmMessageBox::ShowMessage(
            QStringLiteral("Close without saving?\r\nThis is lost:\r\n%1.").arg(LostText(failed, databaseFile)),
            QStringLiteral("Confirm Closing Without Saving..."), owner, MessageIcon::Warning, MessageButtons::YesNo);
        if (sure == MessageAnswer::Yes)
            return FailedCloseChoice::CloseUnsaved;
    }
}

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
    m_rows = std::make_unique<MediaListPresenter>(*m_alMain, *m_sbMain, m_state.Media, [this] { RowsRefilled(); });
    m_timers = std::make_unique<MainTimers>(m_state, *m_rows, *m_sbMain, *this, [this] { CheckApps(); });
    m_live = std::make_unique<LiveMediaFolders>(LiveMediaFolders::Handlers{
        [this](const QString& path) { LiveFileAdded(path); },
        [this](const QString& path) { LiveFileGone(path); }, [this] { m_rows->RefreshRows(); },
        [this] { LiveWatchLimitReached(); }});

    // The keys a desktop user expects: Ctrl+F to search; Enter on the list is handled in
    // eventFilter, the menu bar's keys by the bar.
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, [this] {
        m_txtSearch->setFocus(Qt::ShortcutFocusReason);
        m_txtSearch->selectAll();
    });

    Form_Load(screen, findSimulator);
    // The list holds the focus when the window opens, so the keys move in it and Enter rides at once.
    m_alMain->setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load(const ScreenMetrics& screen, const SimulatorFinder& findSimulator)
{
    // Themes folder, defaults, settings and theme.
    LoadProgramState(m_state, screen, findSimulator);

    const AppSettings& settings = m_state.Settings;
    for (int column = 0; column < kShownColumnCount; ++column)
        m_alMain->AddColumn(QLatin1String(kColumnCaptions[column]), 0, settings.ColumnWidths[column]);
    m_alMain->AddColumn(QStringLiteral("Key"));

    m_sbMain->CreateField(200, 0, false);
    m_sbMain->CreateField(200, 1, false);
    m_sbMain->UpdateField(0, QString());
    m_sbMain->UpdateField(1, QString());

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
    m_state.Selection = MediaSelection{};
    m_rows->FillMediaList();
    m_alMain->SortByColumn(int(MediaColumn::TrackName));
    MenuEnabled(false);

    ApplyTheme();
    m_timers->StartCheckApps();
    m_timers->StartFingerprintFill();
    StartFileScan(false);
    StartLiveFolders();
}

bool frmMain::Form_Unload()
{
    m_timers->StopFileScan();
    m_live->Stop();
    QList<int> widths;
    const double listTwipsPerPixel = TwipsPerPixel(m_alMain->logicalDpiX());
    for (int column = 0; column < kShownColumnCount; ++column)
        widths.append(TwipsToPixels(m_alMain->ColumnWidth(column), listTwipsPerPixel));
    for (QStringList failed = SaveProgramState(m_state, widths); !failed.isEmpty();
         failed = SaveProgramState(m_state, widths)) {
        const FailedCloseChoice choice
            = AskAfterFailedClose(this, failed, MediaDatabasePath(m_state.ProgramFolder));
        if (choice == FailedCloseChoice::StayOpen)
            return false;
        if (choice == FailedCloseChoice::CloseUnsaved)
            break;
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

bool frmMain::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // The default theme's colours are the desktop's: labels and text boxes take them again when
    // the desktop's palette changes (the program's own controls resolve them at every paint).
    if ((event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange) && m_alMain)
        ApplyThemeColors();
    return handled;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_alMain && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // A held Enter repeats its key press; the ride starts once.
        if (!key->isAutoRepeat())
            RideFile();
        return true;
    }
    return false;
}
