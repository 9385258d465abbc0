// ridevault [--program-folder DIR] [FILE...]: the program users start. DIR replaces the program
// folder (tests and the demo keep their files apart with it). Each FILE, a track or a package, is
// added to the library and the first is shown; when a program already runs on the same folder it
// gets the files instead and this start ends.
//
// The command line, the library's lock and the hand-over are settled before any window system is
// touched, so "--help" works over SSH and a missing display is one line, not Qt's abort.

#include "app/frmMain.h"
#include "dialogs/ApplicationIcon.h"
#include "instance/HandOver.h"
#include "instance/LibraryClaim.h"
#include "platform/DisplayCheck.h"
#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "session/AppState.h"
#include "session/LibraryLock.h"
#include "session/OpenRideFiles.h"
#include "session/ProgramCommandLine.h"
#include "settings/SimulatorDiscovery.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

struct Start {
    QString ProgramFolder;
    QStringList Files;
    std::unique_ptr<LibraryLock> Lock;
};

// Everything before the window system: returns the exit status when this start ends here.
std::optional<int> PrepareStart(int argc, char* argv[], Start& start)
{
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ridevault"));
    QTextStream err(stderr);
    const ProgramCommandLine command = ParseProgramCommandLine(QCoreApplication::arguments());
    if (!command.Error.isEmpty()) {
        err << "ridevault: " << command.Error << " (try --help)\n";
        return 2;
    }
    if (command.ShowHelp) {
        QTextStream(stdout) << command.HelpText;
        return 0;
    }
    if (command.ShowVersion) {
        QTextStream(stdout) << "ridevault " << RidevaultVersion() << '\n';
        return 0;
    }

    start.ProgramFolder = command.ProgramFolder.isEmpty()
        ? ProgramFolder()
        : WithFinalSeparator(QDir::toNativeSeparators(QDir(command.ProgramFolder).absolutePath()));
    QDir().mkpath(start.ProgramFolder);
    for (const QString& file : command.Files)
        start.Files.append(QFileInfo(file).absoluteFilePath());

    start.Lock = std::make_unique<LibraryLock>(start.ProgramFolder);
    switch (ClaimLibrary(*start.Lock, start.ProgramFolder, start.Files)) {
    case LibraryClaim::Owner:
        break;
    case LibraryClaim::Unlockable:
        err << "ridevault: cannot lock " << LibraryLockPath(start.ProgramFolder)
            << "; a second start on this folder will not be noticed\n";
        break;
    case LibraryClaim::HandedOver:
        return 0;
    case LibraryClaim::Refused:
        err << "ridevault: the Ridevault running on " << start.ProgramFolder << " did not take the files\n";
        return 1;
    case LibraryClaim::Busy:
        err << "ridevault: " << start.ProgramFolder << " is in use (" << LibraryLockPath(start.ProgramFolder)
            << ") and its owner does not answer\n";
        return 1;
    }

    const QString noDisplay = MissingDisplayReason();
    if (!noDisplay.isEmpty()) {
        err << "ridevault: " << noDisplay << '\n';
        return 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    Start start;
    if (const std::optional<int> status = PrepareStart(argc, argv, start))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ridevault"));
    QApplication::setApplicationVersion(RidevaultVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral(RIDEVAULT_APP_ID));
    // Every window, the main window and each dialog, shows the program's icon.
    QApplication::setWindowIcon(ApplicationIcon());

    AppState state;
    state.ProgramFolder = start.ProgramFolder;

    const QScreen* screen = QGuiApplication::primaryScreen();
    ScreenMetrics metrics;
    metrics.WidthPixels = screen->geometry().width();
    metrics.HeightPixels = screen->geometry().height();
    metrics.TwipsPerPixelX = TwipsPerPixel(screen->logicalDotsPerInchX());
    metrics.TwipsPerPixelY = TwipsPerPixel(screen->logicalDotsPerInchY());

    frmMain window(state, metrics, [] { return DiscoverSimulator(Registry::CurrentUser()).Folder; });

    const OpenedFiles opened = OpenRideFiles(state.Media, start.Files, NameSchemeOf(state.Settings));
    for (const QString& line : opened.Refused)
        QTextStream(stderr) << "ridevault: " << line << '\n';

    HandOverServer handOver;
    if (start.Lock->IsHeld() && !handOver.Listen(state.ProgramFolder))
        QTextStream(stderr) << "ridevault: a second start on this folder cannot reach this window ("
                            << handOver.ErrorText() << ")\n";
    QObject::connect(&handOver, &HandOverServer::FilesReceived, &window, [&](const QStringList& paths) {
        window.ShowOpenedFiles(OpenRideFiles(state.Media, paths, NameSchemeOf(state.Settings)));
    });
    QObject::connect(&handOver, &HandOverServer::MessageRefused, &window, [&](const QString& text) {
        OpenedFiles refused;
        refused.StatusText = text;
        window.ShowOpenedFiles(refused);
    });

    window.show();
    window.ShowOpenedFiles(opened);
    return app.exec();
}
