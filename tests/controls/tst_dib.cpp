// cDIB: the size properties, the bitmap memory layout of the pixel arrays (bottom-up rows, blue-green-
// red bytes, 4-byte padding), the stretched paint, and that failures leave no surface.

#include "controls/cDIB.h"

#include "Pixels.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

class tst_dib : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every create replaces the surface before it whole; a failed one leaves none, and so does a kill.
    void createAndKill_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("bytesPerPixel");  // 0: the create fails
        QTest::addColumn<int>("bytesPerScanLine");
        QTest::newRow("24 bits, 101 wide pads 303 to 304") << 101 << 7 << 24 << 3 << 304;
        QTest::newRow("24 bits, 100 wide") << 100 << 7 << 24 << 3 << 300;
        QTest::newRow("24 bits, 1 wide") << 1 << 1 << 24 << 3 << 4;
        QTest::newRow("32 bits, 101 wide") << 101 << 3 << 32 << 4 << 404;
        QTest::newRow("zero width") << 0 << 5 << 24 << 0 << 0;
        QTest::newRow("negative height") << 5 << -5 << 24 << 0 << 0;
        QTest::newRow("palette depth") << 5 << 5 << 8 << 0 << 0;
    }
    void createAndKill()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bits);
        QFETCH(int, bytesPerPixel);
        QFETCH(int, bytesPerScanLine);
        const bool made = bytesPerPixel > 0;
        cDIB dib;
        QVERIFY(dib.CreateDIB(10, 10, bits == 32 ? 24 : 32));
        QCOMPARE(dib.CreateDIB(width, height, bits), made);
        QCOMPARE(dib.HasSurface(), made);
        QCOMPARE(dib.width(), made ? width : 0);
        QCOMPARE(dib.Height(), made ? height : 0);
        QCOMPARE(dib.BitsPerPixel(), made ? bits : 0);
        QCOMPARE(dib.BytesPerPixel(), bytesPerPixel);
        QCOMPARE(dib.BytesPerScanLine(), bytesPerScanLine);
        QByteArray bytes;
        QCOMPARE(dib.GetPixelArray1D(bytes), made);
        if (made)
            QCOMPARE(bytes.size(), bytesPerScanLine * height);
        QCOMPARE(dib.SetPixelArray1D(bytes), made);

        for (int kill = 0; kill < 2; ++kill) {  // the second kill, and a clear, find nothing to free
            dib.KillDIB();
            QVERIFY(!dib.HasSurface());
            QCOMPARE(dib.width(), 0);
            QCOMPARE(dib.BytesPerScanLine(), 0);
        }
        dib.Clear();
        QVERIFY(!dib.CreateDIBFromPicture(QImage()));
        QVERIFY(!dib.HasSurface());
    }

    void pixelArraysInMemoryOrder()
    {
        // 3 x 2 picture: top row red, green, blue; bottom row white, black, (10, 20, 30).
        const QRgb pixels[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                               qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(10, 20, 30)};
        QImage picture(3, 2, QImage::Format_ARGB32);
        for (int i = 0; i < 6; ++i)
            picture.setPixel(i % 3, i / 3, pixels[i]);
        cDIB dib;
        QVERIFY(dib.CreateDIBFromPicture(picture));
        QCOMPARE(dib.BitsPerPixel(), 24);
        QByteArray bytes;
        QVERIFY(dib.GetPixelArray1D(bytes));
        // Bottom row first, blue-green-red, padded from 9 to 12 bytes.
        QCOMPARE(bytes.toHex(' '), QByteArray("ff ff ff 00 00 00 1e 14 0a 00 00 00 "
                                              "00 00 ff 00 ff 00 ff 00 00 00 00 00"));
        DibPixels2D grid;
        QVERIFY(dib.GetPixelArray2D(grid));
        QCOMPARE(grid.bytesPerScanLine, 12);
        QCOMPARE(grid.rows, 2);
        QCOMPARE(quint8(grid(6, 0)), quint8(0x1e));  // blue of the bottom-right pixel
        QCOMPARE(quint8(grid(2, 1)), quint8(0xff));  // red of the top-left pixel

        // Written back in the same layout; an array of another size is refused.
        bytes[0] = char(0x30);  // bottom-left blue
        bytes[1] = char(0x20);
        bytes[2] = char(0x10);  // bottom-left red
        QVERIFY(dib.SetPixelArray1D(bytes));
        QCOMPARE(dib.Image().pixel(0, 1), qRgb(0x10, 0x20, 0x30));
        QVERIFY(!dib.SetPixelArray1D(bytes.left(23)));
        grid(5, 1) = char(0xff);  // red of the top-middle pixel, which was green
        QVERIFY(dib.SetPixelArray2D(grid));
        QCOMPARE(dib.Image().pixel(1, 0), qRgb(0xff, 0xff, 0));
        grid.rows = 3;
        QVERIFY(!dib.SetPixelArray2D(grid));

        dib.Clear();  // black, the surface kept
        QVERIFY(dib.GetPixelArray1D(bytes));
        QCOMPARE(bytes, QByteArray(24, '\0'));
    }

    // A 2 x 1 picture (red, blue) stretched to 20 x 10 at (5, 5) on white; an empty one paints nothing.
    void paintStretches()
    {
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(255, 0, 0));
        picture.setPixel(1, 0, qRgb(0, 0, 255));
        cDIB dib;
        QVERIFY(dib.CreateDIBFromPicture(picture));
        QImage target(30, 20, QImage::Format_RGB32);
        target.fill(Qt::white);
        QPainter painter(&target);
        dib.PaintDIB(painter, 5, 5, 20, 10);
        cDIB().PaintDIB(painter, 0, 0, 30, 20);
        painter.end();
        const QRgb white = qRgb(255, 255, 255), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
        const QList<std::pair<QPoint, QRgb>> expected{
            {{4, 10}, white}, {{5, 5}, red},  {{14, 14}, red}, {{15, 5}, blue},
            {{24, 14}, blue}, {{25, 10}, white}, {{10, 15}, white}, {{0, 0}, white},
        };
        for (const auto& [at, colour] : expected)
            QCOMPARE(PixelText(at, target.pixel(at)), PixelText(at, colour));
    }

    void fromPictureBox()
    {
        QWidget box;
        box.resize(13, 9);
        QPalette pal = box.palette();
        pal.setColor(QPalette::Window, QColor(40, 80, 120));
        box.setPalette(pal);
        box.setAutoFillBackground(true);
        cDIB dib;
        QVERIFY(dib.CreateDIBFromPictureBox(&box));
        QCOMPARE(dib.width(), 13);
        QCOMPARE(dib.Height(), 9);
        QCOMPARE(dib.Image().pixel(6, 4), qRgb(40, 80, 120));
    }
};

QTEST_MAIN(tst_dib)
#include "tst_dib.moc"
