// ucTextButton: when the bevel sinks, which presses and releases raise which events, and the caption
// layout.

#include "controls/ucTextButton.h"

#include "controls/FontConvert.h"
#include "controls/TextMetrics.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {
constexpr OleColor kHighlight = RgbColor(200, 0, 0);
constexpr OleColor kBright = RgbColor(0, 200, 0);
constexpr OleColor kShadow = RgbColor(0, 0, 200);
constexpr OleColor kDark = RgbColor(90, 90, 0);

QRgb Rgb(OleColor color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }

// A move with a button held, delivered straight to the button as the pointer grab would.
void Drag(QWidget* widget, QPoint pos, Qt::MouseButton held)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}
} // namespace

class tst_button : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pressesAndClicks_data();
    void pressesAndClicks();
    void dragOutAndBack();
    void pressedBevelColours();
    void disabledRaisesNothing();
    void captionLayout_data();
    void captionLayout();
};

void tst_button::pressesAndClicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("rightClickable");
    QTest::addColumn<bool>("sinks");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("buttonCode");
    QTest::newRow("left") << Qt::LeftButton << false << true << 1 << 1;
    QTest::newRow("right, not clickable") << Qt::RightButton << false << false << 0 << 2;
    QTest::newRow("right, clickable") << Qt::RightButton << true << true << 1 << 2;
    QTest::newRow("middle") << Qt::MiddleButton << true << false << 0 << 4;
}

void tst_button::pressesAndClicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, rightClickable);
    QFETCH(bool, sinks);
    QFETCH(int, clicks);
    QFETCH(int, buttonCode);

    ucTextButton btn(QStringLiteral("OK"));
    btn.resize(75, 23);
    btn.SetRightClickable(rightClickable);
    QSignalSpy downs(&btn, &ucTextButton::MouseDown);
    QSignalSpy ups(&btn, &ucTextButton::MouseUp);
    QSignalSpy clickSpy(&btn, &ucTextButton::Click);

    QTest::mousePress(&btn, button, Qt::ControlModifier, QPoint(10, 8));
    QCOMPARE(btn.IsPressed(), sinks);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(downs[0][0].toInt(), buttonCode);
    QCOMPARE(downs[0][1].toInt(), 2);
    QCOMPARE(downs[0][2].toFloat(), 10.0f);
    QCOMPARE(downs[0][3].toFloat(), 8.0f);

    QTest::mouseRelease(&btn, button, Qt::ControlModifier, QPoint(10, 8));
    QVERIFY(!btn.IsPressed());
    QCOMPARE(ups.size(), 1);
    QCOMPARE(clickSpy.size(), clicks);
    if (clicks)
        QCOMPARE(clickSpy[0][0].toInt(), buttonCode);
}

void tst_button::dragOutAndBack()
{
    ucTextButton btn(QStringLiteral("OK"));
    btn.resize(75, 23);
    QSignalSpy moves(&btn, &ucTextButton::MouseMove);
    QSignalSpy clickSpy(&btn, &ucTextButton::Click);

    QTest::mousePress(&btn, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(btn.IsPressed());
    Drag(&btn, QPoint(75, 5), Qt::LeftButton);  // X = width is outside
    QVERIFY(!btn.IsPressed());
    Drag(&btn, QPoint(74, 22), Qt::LeftButton);
    QVERIFY(btn.IsPressed());
    Drag(&btn, QPoint(5, -1), Qt::LeftButton);
    QVERIFY(!btn.IsPressed());
    QCOMPARE(moves.size(), 3);

    QTest::mouseRelease(&btn, Qt::LeftButton, {}, QPoint(5, -1));
    QCOMPARE(clickSpy.size(), 0);

    // Dragged out and back in, the release clicks.
    QTest::mousePress(&btn, Qt::LeftButton, {}, QPoint(5, 5));
    Drag(&btn, QPoint(-3, 5), Qt::LeftButton);
    Drag(&btn, QPoint(6, 6), Qt::LeftButton);
    QTest::mouseRelease(&btn, Qt::LeftButton, {}, QPoint(6, 6));
    QCOMPARE(clickSpy.size(), 1);
}

void tst_button::pressedBevelColours()
{
    ucTextButton btn(QStringLiteral("Go"));
    btn.resize(40, 20);
    btn.SetColorHighlight(kHighlight);
    btn.SetColorBrightHighlight(kBright);
    btn.SetColorShadow(kShadow);
    btn.SetColorDarkShadow(kDark);

    auto corners = [&btn] {
        QImage image(btn.size(), QImage::Format_RGB32);
        btn.render(&image);
        return QList<QRgb>{image.pixel(1, 10), image.pixel(38, 10), image.pixel(0, 10), image.pixel(39, 10)};
    };
    QCOMPARE(corners(), (QList<QRgb>{Rgb(kBright), Rgb(kShadow), Rgb(kHighlight), Rgb(kDark)}));
    QTest::mousePress(&btn, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(corners(), (QList<QRgb>{Rgb(kShadow), Rgb(kBright), Rgb(kDark), Rgb(kHighlight)}));
    // Recolouring redraws the bevel released.
    btn.SetColorFace(RgbColor(1, 1, 1));
    QCOMPARE(corners(), (QList<QRgb>{Rgb(kBright), Rgb(kShadow), Rgb(kHighlight), Rgb(kDark)}));
}

void tst_button::disabledRaisesNothing()
{
    ucTextButton btn(QStringLiteral("OK"));
    btn.resize(75, 23);
    btn.show();
    QVERIFY(QTest::qWaitForWindowExposed(&btn));
    btn.setEnabled(false);
    QSignalSpy downs(&btn, &ucTextButton::MouseDown);
    QSignalSpy clickSpy(&btn, &ucTextButton::Click);
    QTest::mouseClick(&btn, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(downs.size(), 0);
    QCOMPARE(clickSpy.size(), 0);
    QVERIFY(!btn.IsPressed());
}

void tst_button::captionLayout_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("centred");
    QTest::newRow("room for the text") << QSize(75, 40) << true;
    QTest::newRow("too low") << QSize(75, 8) << false;
    QTest::newRow("smaller than the insets") << QSize(4, 4) << false;
}

void tst_button::captionLayout()
{
    QFETCH(QSize, size);
    QFETCH(bool, centred);
    ucTextButton btn(QStringLiteral("OK"));
    FontRecord font;
    font.SetSize(12);
    btn.SetFont(font);
    QCOMPARE(btn.TextHeight(), CaptionTextHeight(ToQFont(font)));
    btn.resize(size);

    const QRect caption = btn.CaptionRect();
    const int innerHeight = std::max(0, size.height() - 6);
    QCOMPARE(caption.left(), 3);
    QCOMPARE(caption.width(), std::max(0, size.width() - 6));
    if (centred) {
        QCOMPARE(caption.height(), btn.TextHeight());
        QCOMPARE(caption.top(), 3 + (innerHeight - btn.TextHeight()) / 2);
    } else {
        QCOMPARE(caption.top(), 3);
        QCOMPARE(caption.height(), innerHeight);
    }
}

QTEST_MAIN(tst_button)
#include "tst_button.moc"
