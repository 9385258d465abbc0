// ucFrame: the border colours of every style, pixel by pixel, and switching the contents on and off.

#include "controls/ucFrame.h"

#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {
constexpr OleColor kFace = RgbColor(10, 20, 30);
constexpr OleColor kHighlight = RgbColor(200, 0, 0);
constexpr OleColor kBright = RgbColor(0, 200, 0);
constexpr OleColor kShadow = RgbColor(0, 0, 200);
constexpr OleColor kDark = RgbColor(90, 90, 0);

QImage Render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

QRgb Rgb(OleColor color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }
} // namespace

class tst_frame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void borderColours_data();
    void borderColours();
    void systemColoursFollowThePalette();
    void enabledSwitchesDirectChildren();
    void clickAndDoubleClick();
};

void tst_frame::borderColours_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<OleColor>("innerTopLeft");
    QTest::addColumn<OleColor>("innerBottomRight");
    QTest::addColumn<OleColor>("outerTopLeft");
    QTest::addColumn<OleColor>("outerBottomRight");
    QTest::newRow("0") << 0 << kBright << kShadow << kShadow << kBright;
    QTest::newRow("1") << 1 << kShadow << kBright << kBright << kShadow;
    QTest::newRow("2") << 2 << kShadow << kBright << kDark << kHighlight;
    QTest::newRow("3") << 3 << kBright << kShadow << kHighlight << kDark;
    QTest::newRow("4") << 4 << kBright << kDark << kDark << kBright;
    QTest::newRow("5") << 5 << kDark << kBright << kBright << kDark;
    QTest::newRow("6 draws as 0") << 6 << kBright << kShadow << kShadow << kBright;
    QTest::newRow("-1 draws as 0") << -1 << kBright << kShadow << kShadow << kBright;
}

void tst_frame::borderColours()
{
    QFETCH(int, style);
    QFETCH(OleColor, innerTopLeft);
    QFETCH(OleColor, innerBottomRight);
    QFETCH(OleColor, outerTopLeft);
    QFETCH(OleColor, outerBottomRight);

    ucFrame frame;
    frame.resize(40, 30);
    frame.SetColorFace(kFace);
    frame.SetColorHighlight(kHighlight);
    frame.SetColorBrightHighlight(kBright);
    frame.SetColorShadow(kShadow);
    frame.SetColorDarkShadow(kDark);
    frame.SetBorderStyle(style);
    const QImage image = Render(frame);
    const int r = 39;
    const int b = 29;

    QCOMPARE(image.pixel(20, 15), Rgb(kFace));
    QCOMPARE(image.pixel(2, 2), Rgb(kFace));
    // Inner ring, one pixel in.
    QCOMPARE(image.pixel(1, 15), Rgb(innerTopLeft));
    QCOMPARE(image.pixel(20, 1), Rgb(innerTopLeft));
    QCOMPARE(image.pixel(1, 1), Rgb(innerTopLeft));
    QCOMPARE(image.pixel(r - 1, 15), Rgb(innerBottomRight));
    QCOMPARE(image.pixel(20, b - 1), Rgb(innerBottomRight));
    QCOMPARE(image.pixel(r - 1, b - 1), Rgb(innerBottomRight));
    // The inner right line is drawn after the inner top, so it owns their corner; likewise the
    // inner bottom owns the bottom-left corner of the inner ring.
    QCOMPARE(image.pixel(r - 1, 1), Rgb(innerBottomRight));
    QCOMPARE(image.pixel(1, b - 1), Rgb(innerBottomRight));
    // Outer ring.
    QCOMPARE(image.pixel(0, 15), Rgb(outerTopLeft));
    QCOMPARE(image.pixel(20, 0), Rgb(outerTopLeft));
    QCOMPARE(image.pixel(0, 0), Rgb(outerTopLeft));
    QCOMPARE(image.pixel(r, 15), Rgb(outerBottomRight));
    QCOMPARE(image.pixel(20, b), Rgb(outerBottomRight));
    QCOMPARE(image.pixel(r, 0), Rgb(outerBottomRight));
    QCOMPARE(image.pixel(0, b), Rgb(outerBottomRight));
}

void tst_frame::systemColoursFollowThePalette()
{
    // The defaults are system colour references: button face and button highlight here.
    ucFrame frame;
    frame.resize(20, 20);
    QPalette pal = frame.palette();
    pal.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    pal.setColor(QPalette::Active, QPalette::Light, QColor(250, 240, 230));
    frame.setPalette(pal);
    const QImage image = Render(frame);
    QCOMPARE(image.pixel(10, 10), qRgb(1, 2, 3));
    QCOMPARE(image.pixel(1, 10), qRgb(250, 240, 230));
}

void tst_frame::enabledSwitchesDirectChildren()
{
    ucFrame frame;
    auto* edit = new QLineEdit(&frame);
    auto* inner = new ucFrame(&frame);
    auto* nested = new QLineEdit(inner);
    new QTimer(&frame);  // a contained object that is not a control is passed over

    frame.SetEnabled(false);
    QVERIFY(!frame.Enabled());
    QVERIFY(frame.isEnabled());
    QVERIFY(!edit->isEnabledTo(&frame));
    QVERIFY(!inner->isEnabledTo(&frame));
    QVERIFY(nested->isEnabledTo(inner));

    frame.SetEnabled(true);
    QVERIFY(frame.Enabled());
    QVERIFY(edit->isEnabled());
    QVERIFY(inner->isEnabled());
}

void tst_frame::clickAndDoubleClick()
{
    ucFrame frame;
    frame.resize(50, 50);
    int clicks = 0;
    int doubleClicks = 0;
    QList<QList<float>> downs;
    connect(&frame, &ucFrame::Click, [&] { ++clicks; });
    connect(&frame, &ucFrame::DoubleClick, [&] { ++doubleClicks; });
    connect(&frame, &ucFrame::MouseDown, [&](int b, int s, float x, float y) { downs.append({float(b), float(s), x, y}); });

    QTest::mouseClick(&frame, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 7));
    QCOMPARE(clicks, 1);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(downs[0], (QList<float>{1, 1, 12, 7}));

    QTest::mouseDClick(&frame, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(doubleClicks, 1);
}

QTEST_MAIN(tst_frame)
#include "tst_frame.moc"
