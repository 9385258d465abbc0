// ridevault-iconpng SVG FOLDER SIZE...: renders the program's icon into FOLDER/ridevault-SIZE.png for
// each size, at build time, so the program carries ready pictures and needs no SVG support itself.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: ridevault-iconpng SVG FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "ridevault-iconpng: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString path = QStringLiteral("%1/ridevault-%2.png").arg(folder).arg(size);
        if (size <= 0 || !image.save(path)) {
            std::fprintf(stderr, "ridevault-iconpng: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
