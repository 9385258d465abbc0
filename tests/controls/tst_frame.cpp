// ucFrame: the border colours of every style, pixel by pixel, and switching the contents on and off.

#include "controls/ucFrame.h"

#include "Pixels.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
constexpr OleColor kFace = RgbColor(10, 20, 30);
constexpr OleColor kHighlight = RgbColor(200, 0, 0);
constexpr OleColor kBright = RgbColor(0, 200, 0);
constexpr OleColor kShadow = RgbColor(0, 0, 200);
constexpr OleColor kDark = RgbColor(90, 90, 0);
} // namespace

class tst_frame : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void borderColours_data()
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
    void borderColours()
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
        // Inside, the inner ring one pixel in, the outer ring. The inner right line is drawn after the
        // inner top, so it owns their corner; likewise the inner bottom owns the inner bottom-left.
        const QList<std::pair<QPoint, OleColor>> expected{
            {{20, 15}, kFace}, {{2, 2}, kFace},
            {{1, 15}, innerTopLeft}, {{20, 1}, innerTopLeft}, {{1, 1}, innerTopLeft},
            {{38, 15}, innerBottomRight}, {{20, 28}, innerBottomRight}, {{38, 28}, innerBottomRight},
            {{38, 1}, innerBottomRight}, {{1, 28}, innerBottomRight},
            {{0, 15}, outerTopLeft}, {{20, 0}, outerTopLeft}, {{0, 0}, outerTopLeft},
            {{39, 15}, outerBottomRight}, {{20, 29}, outerBottomRight}, {{39, 0}, outerBottomRight},
            {{0, 29}, outerBottomRight},
        };
        for (const auto& [at, colour] : expected)
            QCOMPARE(PixelText(at, image.pixel(at)), PixelText(at, Rgb(colour)));
    }

    void systemColoursFollowThePalette()
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

    void enabledSwitchesDirectChildren()
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

    void clickAndDoubleClick()
    {
        ucFrame frame;
        frame.resize(50, 50);
        QSignalSpy clicks(&frame, &ucFrame::Click);
        QSignalSpy doubleClicks(&frame, &ucFrame::DoubleClick);
        QSignalSpy downs(&frame, &ucFrame::MouseDown);
        QTest::mouseClick(&frame, Qt::LeftButton, Qt::ShiftModifier, QPoint(12, 7));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(downs.size(), 1);
        QCOMPARE(downs[0], (QVariantList{1, 1, 12.0f, 7.0f}));
        QTest::mouseDClick(&frame, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(doubleClicks.size(), 1);
    }
};

QTEST_MAIN(tst_frame)
#include "tst_frame.moc"
