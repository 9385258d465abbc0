// ucTextButton: when the bevel sinks, which presses, releases and keys raise which events, the focus
// mark, the disabled caption colour and the caption layout.

#include "controls/ucTextButton.h"

#include "controls/FontConvert.h"
#include "controls/TextMetrics.h"

#include "Pixels.h"
#include "WidgetClicks.h"

#include <QSignalSpy>
#include <QTest>

namespace {
constexpr OleColor kHighlight = RgbColor(200, 0, 0);
constexpr OleColor kBright = RgbColor(0, 200, 0);
constexpr OleColor kShadow = RgbColor(0, 0, 200);
constexpr OleColor kDark = RgbColor(90, 90, 0);

// A move with the left button held, delivered straight to the button as the pointer grab would.
void Drag(QWidget* widget, QPoint pos)
{
    SendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

// OK and Cancel side by side in a window; Show() shows it with the focus on OK.
struct TwoButtons {
    QWidget window;
    ucTextButton* ok = new ucTextButton(QStringLiteral("OK"), &window);
    ucTextButton* cancel = new ucTextButton(QStringLiteral("Cancel"), &window);

    bool Show()
    {
        ok->setGeometry(0, 0, 75, 23);
        cancel->setGeometry(80, 0, 75, 23);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        window.activateWindow();
        ok->setFocus();
        return QTest::qWaitFor([this] { return ok->hasFocus(); });
    }
};
} // namespace

class tst_button : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pressesAndClicks_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("rightClickable");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("sinks");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("buttonCode");
        QTest::newRow("left") << Qt::LeftButton << false << true << true << 1 << 1;
        QTest::newRow("right, not clickable") << Qt::RightButton << false << true << false << 0 << 2;
        QTest::newRow("right, clickable") << Qt::RightButton << true << true << true << 1 << 2;
        QTest::newRow("middle") << Qt::MiddleButton << true << true << false << 0 << 4;
        QTest::newRow("disabled raises nothing") << Qt::LeftButton << false << false << false << 0 << 1;
    }
    void pressesAndClicks()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, rightClickable);
        QFETCH(bool, enabled);
        QFETCH(bool, sinks);
        QFETCH(int, clicks);
        QFETCH(int, buttonCode);

        ucTextButton btn(QStringLiteral("OK"));
        btn.resize(75, 23);
        btn.SetRightClickable(rightClickable);
        btn.setEnabled(enabled);
        QSignalSpy downs(&btn, &ucTextButton::MouseDown);
        QSignalSpy ups(&btn, &ucTextButton::MouseUp);
        QSignalSpy clickSpy(&btn, &ucTextButton::Click);

        QTest::mousePress(&btn, button, Qt::ControlModifier, QPoint(10, 8));
        QCOMPARE(btn.IsPressed(), sinks);
        QCOMPARE(downs.size(), enabled ? 1 : 0);
        if (enabled)
            QCOMPARE(downs[0], (QVariantList{buttonCode, 2, 10.0f, 8.0f}));  // button, Ctrl, X, Y

        QTest::mouseRelease(&btn, button, Qt::ControlModifier, QPoint(10, 8));
        QVERIFY(!btn.IsPressed());
        QCOMPARE(ups.size(), enabled ? 1 : 0);
        QCOMPARE(clickSpy.size(), clicks);
        if (clicks)
            QCOMPARE(clickSpy[0][0].toInt(), buttonCode);
    }

    void dragOutAndBack()
    {
        ucTextButton btn(QStringLiteral("OK"));
        btn.resize(75, 23);
        QSignalSpy moves(&btn, &ucTextButton::MouseMove);
        QSignalSpy clickSpy(&btn, &ucTextButton::Click);

        QTest::mousePress(&btn, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(btn.IsPressed());
        Drag(&btn, QPoint(75, 5));  // X = width is outside
        QVERIFY(!btn.IsPressed());
        Drag(&btn, QPoint(74, 22));
        QVERIFY(btn.IsPressed());
        Drag(&btn, QPoint(5, -1));
        QVERIFY(!btn.IsPressed());
        QCOMPARE(moves.size(), 3);

        QTest::mouseRelease(&btn, Qt::LeftButton, {}, QPoint(5, -1));
        QCOMPARE(clickSpy.size(), 0);

        // Dragged out and back in, the release clicks.
        QTest::mousePress(&btn, Qt::LeftButton, {}, QPoint(5, 5));
        Drag(&btn, QPoint(-3, 5));
        Drag(&btn, QPoint(6, 6));
        QTest::mouseRelease(&btn, Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(clickSpy.size(), 1);
    }

    void pressedBevelColours()
    {
        ucTextButton btn(QStringLiteral("Go"));
        btn.resize(40, 20);
        btn.SetColorHighlight(kHighlight);
        btn.SetColorBrightHighlight(kBright);
        btn.SetColorShadow(kShadow);
        btn.SetColorDarkShadow(kDark);

        auto corners = [&btn] {
            const QImage image = Render(btn);
            return QList<QRgb>{image.pixel(1, 10), image.pixel(38, 10), image.pixel(0, 10), image.pixel(39, 10)};
        };
        QCOMPARE(corners(), (QList<QRgb>{Rgb(kBright), Rgb(kShadow), Rgb(kHighlight), Rgb(kDark)}));
        QTest::mousePress(&btn, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(corners(), (QList<QRgb>{Rgb(kShadow), Rgb(kBright), Rgb(kDark), Rgb(kHighlight)}));
        // Recolouring redraws the bevel released.
        btn.SetColorFace(RgbColor(1, 1, 1));
        QCOMPARE(corners(), (QList<QRgb>{Rgb(kBright), Rgb(kShadow), Rgb(kHighlight), Rgb(kDark)}));
    }

    void keys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<bool>("leaveBeforeRelease");
        QTest::addColumn<int>("clicks");
        QTest::newRow("space") << Qt::Key_Space << false << 1;
        QTest::newRow("return") << Qt::Key_Return << false << 1;
        QTest::newRow("keypad enter") << Qt::Key_Enter << false << 1;
        QTest::newRow("escape") << Qt::Key_Escape << false << 0;
        QTest::newRow("space, focus lost while held") << Qt::Key_Space << true << 0;
    }
    void keys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(bool, leaveBeforeRelease);
        QFETCH(int, clicks);
        TwoButtons buttons;
        QVERIFY(buttons.Show());
        ucTextButton* btn = buttons.ok;
        QSignalSpy clickSpy(btn, &ucTextButton::Click);
        QTest::keyPress(btn, key);
        QCOMPARE(btn->IsPressed(), key == Qt::Key_Space);  // Space sinks the button until released
        if (leaveBeforeRelease) {
            buttons.cancel->setFocus();
            QVERIFY(!btn->IsPressed());
        }
        QTest::keyRelease(btn, key);
        QCOMPARE(clickSpy.size(), clicks);
        QVERIFY(!btn->IsPressed());
        if (clicks > 0) {
            QCOMPARE(clickSpy[0][0].toInt(), 1);  // a left click at the centre
            QCOMPARE(clickSpy[0][2].toFloat(), 37.5f);
        }
    }

    void tabReachesAndMarksFocus()
    {
        const OleColor text = RgbColor(250, 0, 250);
        TwoButtons buttons;
        ucTextButton* first = buttons.ok;
        ucTextButton* second = buttons.cancel;
        second->SetColorText(text);
        QVERIFY(buttons.Show());

        // The mark's top line runs above the caption, so only the mark puts text colour there.
        auto markPixels = [second, text] {
            const int y = second->FocusRect().top();
            return CountInRows(Render(*second), y, y + 1, Rgb(text));
        };
        QCOMPARE(markPixels(), 0);
        QTest::keyClick(&buttons.window, Qt::Key_Tab);
        QTRY_VERIFY(second->hasFocus());
        QVERIFY(markPixels() > 10);

        // A mouse click does not take the focus.
        QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(second->hasFocus());
    }

    void disabledCaptionFromOwnColours_data()
    {
        QTest::addColumn<OleColor>("face");
        QTest::addColumn<OleColor>("text");
        QTest::addColumn<QRgb>("disabled");
        QTest::newRow("light face, black text") << RgbColor(240, 240, 240) << RgbColor(0, 0, 0) << qRgb(120, 120, 120);
        QTest::newRow("dark face, yellow text") << RgbColor(20, 20, 60) << RgbColor(255, 200, 0) << qRgb(137, 110, 30);
    }
    void disabledCaptionFromOwnColours()
    {
        QFETCH(OleColor, face);
        QFETCH(OleColor, text);
        QFETCH(QRgb, disabled);
        ucTextButton btn(QStringLiteral("MMMM"));
        FontRecord font;
        font.SetSize(14);
        font.SetBold(true);
        btn.SetFont(font);
        btn.resize(120, 40);
        btn.SetColorFace(face);
        btn.SetColorText(text);
        btn.setEnabled(false);
        QCOMPARE(btn.DisabledTextColor().rgb(), disabled);

        const QImage image = Render(btn);
        QSet<QRgb> caption;
        const QRect area = btn.CaptionRect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                caption.insert(image.pixel(x, y));
        QVERIFY(caption.contains(disabled));
        QVERIFY(!caption.contains(Rgb(text)));
    }

    void captionLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("centred");
        QTest::newRow("room for the text") << QSize(75, 40) << true;
        QTest::newRow("too low") << QSize(75, 8) << false;
        QTest::newRow("smaller than the insets") << QSize(4, 4) << false;
    }
    void captionLayout()
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
};

QTEST_MAIN(tst_button)
#include "tst_button.moc"
