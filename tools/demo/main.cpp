// ridevault-demo DEMO_FOLDER SIMULATOR_FOLDER: writes the demo media and program folders (see
// DemoFolder.h). The build runs it; it draws its screenshots without a display.

#include "DemoFolder.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() != 2) {
        err << "usage: ridevault-demo DEMO_FOLDER SIMULATOR_FOLDER\n";
        return 2;
    }
    const QString root = QDir(args[0]).absolutePath();
    const QString simulator = WithFinalSeparator(QDir(args[1]).absolutePath());
    const DemoWriteResult result = WriteDemo(root, simulator);
    if (!result.Error.isEmpty()) {
        err << "ridevault-demo: " << result.Error << "\n";
        return 1;
    }
    QTextStream(stdout) << "Demo in " << QDir::toNativeSeparators(root) << ": " << result.FilesWritten << " of "
                        << result.FilesChecked << " files written\n";
    return 0;
}
