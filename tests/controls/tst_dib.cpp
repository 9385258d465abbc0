// cDIB: the size properties, the bitmap memory layout of the pixel arrays (bottom-up rows, blue-green-
// red bytes, 4-byte padding), the stretched paint, and that failures leave no surface.

#include "controls/cDIB.h"

#include <QPainter>
#include <QTest>
#include <QWidget>

class tst_dib : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sizes_data();
    void sizes();
    void failuresLeaveNoSurface_data();
    void failuresLeaveNoSurface();
    void killOnEmptyAndRecreate();
    void pictureBytesInMemoryOrder();
    void setPixelArrays();
    void clearMakesBlack();
    void paintStretches();
    void fromPictureBox();
};

void tst_dib::sizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("bytesPerPixel");
    QTest::addColumn<int>("bytesPerScanLine");
    QTest::newRow("24 bits, 101 wide pads 303 to 304") << 101 << 7 << 24 << 3 << 304;
    QTest::newRow("24 bits, 100 wide") << 100 << 7 << 24 << 3 << 300;
    QTest::newRow("24 bits, 1 wide") << 1 << 1 << 24 << 3 << 4;
    QTest::newRow("32 bits, 101 wide") << 101 << 3 << 32 << 4 << 404;
}

void tst_dib::sizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    QFETCH(int, bytesPerPixel);
    QFETCH(int, bytesPerScanLine);
    cDIB dib;
    QVERIFY(dib.CreateDIB(width, height, bits));
    QCOMPARE(dib.width(), width);
    QCOMPARE(dib.Height(), height);
    QCOMPARE(dib.BitsPerPixel(), bits);
    QCOMPARE(dib.BytesPerPixel(), bytesPerPixel);
    QCOMPARE(dib.BytesPerScanLine(), bytesPerScanLine);
    QByteArray bytes;
    QVERIFY(dib.GetPixelArray1D(bytes));
    QCOMPARE(bytes.size(), bytesPerScanLine * height);
}

void tst_dib::failuresLeaveNoSurface_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    QTest::newRow("zero width") << 0 << 5 << 24;
    QTest::newRow("negative height") << 5 << -5 << 24;
    QTest::newRow("palette depth") << 5 << 5 << 8;
}

void tst_dib::failuresLeaveNoSurface()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    cDIB dib;
    QVERIFY(dib.CreateDIB(10, 10, 24));
    QVERIFY(!dib.CreateDIB(width, height, bits));
    QVERIFY(!dib.HasSurface());
    QCOMPARE(dib.width(), 0);
    QCOMPARE(dib.Height(), 0);
    QCOMPARE(dib.BitsPerPixel(), 0);
    QCOMPARE(dib.BytesPerPixel(), 0);
    QCOMPARE(dib.BytesPerScanLine(), 0);
    QByteArray bytes;
    QVERIFY(!dib.GetPixelArray1D(bytes));
    QVERIFY(!dib.SetPixelArray1D(bytes));
    QVERIFY(!dib.CreateDIBFromPicture(QImage()));
}

void tst_dib::killOnEmptyAndRecreate()
{
    cDIB dib;
    dib.KillDIB();
    dib.Clear();
    QVERIFY(!dib.HasSurface());
    QCOMPARE(dib.BytesPerScanLine(), 0);
    QVERIFY(dib.CreateDIB(10, 10, 32));
    QVERIFY(dib.CreateDIB(3, 2, 24));
    QCOMPARE(dib.BitsPerPixel(), 24);
    QCOMPARE(dib.BytesPerScanLine(), 12);
    dib.KillDIB();
    QVERIFY(!dib.HasSurface());
    QCOMPARE(dib.width(), 0);
}

void tst_dib::pictureBytesInMemoryOrder()
{
    // 3 x 2 picture: top row red, green, blue; bottom row white, black, (10, 20, 30).
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(2, 0, qRgb(0, 0, 255));
    picture.setPixel(0, 1, qRgb(255, 255, 255));
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    picture.setPixel(2, 1, qRgb(10, 20, 30));
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
}

void tst_dib::setPixelArrays()
{
    cDIB dib;
    QVERIFY(dib.CreateDIB(2, 2, 24));
    QByteArray bytes(16, '\0');
    bytes[0] = char(0x30);  // bottom-left blue
    bytes[1] = char(0x20);
    bytes[2] = char(0x10);  // bottom-left red
    QVERIFY(dib.SetPixelArray1D(bytes));
    QCOMPARE(dib.Image().pixel(0, 1), qRgb(0x10, 0x20, 0x30));
    QVERIFY(!dib.SetPixelArray1D(QByteArray(15, '\0')));

    DibPixels2D grid;
    QVERIFY(dib.GetPixelArray2D(grid));
    grid(5, 1) = char(0xff);  // red of the top-right pixel
    QVERIFY(dib.SetPixelArray2D(grid));
    QCOMPARE(dib.Image().pixel(1, 0), qRgb(0xff, 0, 0));
    grid.rows = 3;
    QVERIFY(!dib.SetPixelArray2D(grid));
}

void tst_dib::clearMakesBlack()
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    cDIB dib;
    QVERIFY(dib.CreateDIBFromPicture(picture));
    dib.Clear();
    QByteArray bytes;
    QVERIFY(dib.GetPixelArray1D(bytes));
    QCOMPARE(bytes, QByteArray(bytes.size(), '\0'));
}

void tst_dib::paintStretches()
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
    painter.end();
    QCOMPARE(target.pixel(4, 10), qRgb(255, 255, 255));
    QCOMPARE(target.pixel(5, 5), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(14, 14), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(15, 5), qRgb(0, 0, 255));
    QCOMPARE(target.pixel(24, 14), qRgb(0, 0, 255));
    QCOMPARE(target.pixel(25, 10), qRgb(255, 255, 255));
    QCOMPARE(target.pixel(10, 15), qRgb(255, 255, 255));

    cDIB empty;
    QPainter again(&target);
    empty.PaintDIB(again, 0, 0, 30, 20);
    again.end();
    QCOMPARE(target.pixel(0, 0), qRgb(255, 255, 255));
}

void tst_dib::fromPictureBox()
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

QTEST_MAIN(tst_dib)
#include "tst_dib.moc"
