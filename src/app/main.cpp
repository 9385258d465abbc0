// ridevault [--program-folder DIR]: the program users start. DIR replaces the program folder
// (tests and the demo keep their files apart with it); it is the program's only option.

#include "app/frmMain.h"
#include "dialogs/ApplicationIcon.h"
#include "platform/ProgramFolder.h"
#include "platform/Twips.h"
#include "session/AppState.h"
#include "settings/SimulatorDiscovery.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ridevault"));
    // Every window, the main window and each dialog, shows the program's icon.
    QApplication::setWindowIcon(ApplicationIcon());

    QCommandLineParser parser;
    const QCommandLineOption programFolder(QStringLiteral("program-folder"),
                                           QStringLiteral("Keep the database, settings and themes in DIR."),
                                           QStringLiteral("DIR"));
    parser.addOption(programFolder);
    parser.process(app);

    AppState state;
    state.ProgramFolder = parser.isSet(programFolder)
        ? WithFinalSeparator(QDir(parser.value(programFolder)).absolutePath())
        : ProgramFolder();

    const QScreen* screen = QGuiApplication::primaryScreen();
    ScreenMetrics metrics;
    metrics.WidthPixels = screen->geometry().width();
    metrics.HeightPixels = screen->geometry().height();
    metrics.TwipsPerPixelX = TwipsPerPixel(screen->logicalDotsPerInchX());
    metrics.TwipsPerPixelY = TwipsPerPixel(screen->logicalDotsPerInchY());

    frmMain window(state, metrics, [] { return DiscoverSimulator(Registry::CurrentUser()).Folder; });
    window.show();
    return app.exec();
}
