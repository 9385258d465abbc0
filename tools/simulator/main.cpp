// One of the stand-in Trakora programs; which one is fixed when it is built (STANDIN_KIND).

#include "StandInWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    constexpr StandInKind kind = StandInKind::STANDIN_KIND;
    QApplication::setApplicationName(StandInName(kind));
    // The program lives in the simulator folder, as the real one does.
    StandInWindow window(kind, ParseStandInArguments(kind, QApplication::arguments().mid(1)),
                         QApplication::applicationDirPath());
    window.show();
    return app.exec();
}
