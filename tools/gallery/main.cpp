// ridevault-gallery [FOLDER]: writes a picture of every control and dialog state into FOLDER
// (default "gallery") and lists the files written.

#include "Gallery.h"
#include "dialogs/ApplicationIcon.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ApplicationIcon());
    const QStringList args = QCoreApplication::arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QStringLiteral("gallery");
    QString error;
    const QStringList files = WriteGallery(RenderGallery(), folder, &error);
    if (files.isEmpty()) {
        QTextStream(stderr) << "ridevault-gallery: " << error << '\n';
        return 2;
    }
    QTextStream out(stdout);
    for (const QString& file : files)
        out << file << '\n';
    return 0;
}
