// One of the stand-in Trakora programs; which one is fixed when it is built (STANDIN_KIND).
//
// TRAKORA_STANDIN_RIDE_MS=<milliseconds> in the environment makes the program close by itself that
// long after its window shows: a ride too short for a monitor tick to see, or a crash at start.

#include "StandInWindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    constexpr StandInKind kind = StandInKind::STANDIN_KIND;
    QApplication::setApplicationName(StandInName(kind));
    // The program lives in the simulator folder, as the real one does.
    StandInWindow window(kind, ParseStandInArguments(kind, QApplication::arguments().mid(1)),
                         QApplication::applicationDirPath());
    window.show();
    bool timed = false;
    const int rideMs = qEnvironmentVariableIntValue("TRAKORA_STANDIN_RIDE_MS", &timed);
    if (timed && rideMs >= 0)
        QTimer::singleShot(rideMs, &app, &QCoreApplication::quit);
    return app.exec();
}
