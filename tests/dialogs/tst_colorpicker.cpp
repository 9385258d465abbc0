// frmColorPicker: typing and editing in the component boxes, dragging in the bars and the field
// (coarse while dragging, full on release, never past 255), the ways the dialog ends (keys included),
// and picking a colour from the screen.

#include "dialogs/frmColorPicker.h"

#include "ModalDriver.h"
#include "WidgetClicks.h"
#include "controls/ucTextButton.h"
#include "dialogs/ColorField.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/PickerDrawing.h"
#include "dialogs/PresetAnswers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr OleColor kBrown = RgbColor(128, 64, 32);  // H 14, S 153, L 80

QStringList Texts(const frmColorPicker& picker, bool rgb)
{
    QStringList texts;
    for (int i = 0; i < 6; ++i)
        texts << (rgb ? picker.RgbBox(i) : picker.HslBox(i))->text();
    return texts;
}

// Opens the picker on a colour: the test acts on it while it is shown, then presses OK or Cancel.
bool ChooseWhileOpen(frmColorPicker& picker, OleColor& colour, std::function<void(frmColorPicker*)> act)
{
    // Whatever the test found, the dialog closes, so a failed check cannot leave it waiting.
    WhenModalOpens<frmColorPicker>([act](frmColorPicker* p) {
        act(p);
        if (p->isVisible())
            p->reject();
    });
    return picker.ChooseColor(colour, nullptr);
}

} // namespace

class tst_colorpicker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { PresetAnswerQueueBase::ClearAll(); }

    void typing_data()
    {
        QTest::addColumn<bool>("rgbBox");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("rgbTexts");
        QTest::addColumn<QStringList>("hslTexts");
        // The box typed in keeps what was typed; every other box is rewritten.
        QTest::newRow("FF in hexadecimal") << true << 4 << "FF" << QStringList{"128", "255", "32", "80", "FF", "20"}
                                           << QStringList{"67", "255", "144", "43", "FF", "90"};
        QTest::newRow("lower-case f shows as F")
            << true << 5 << "f" << QStringList{"128", "64", "15", "80", "40", "F"}
            << QStringList{"18", "202", "72", "12", "CA", "48"};
        QTest::newRow("letters and signs are dropped from decimal")
            << true << 2 << "4a-2." << QStringList{"128", "64", "42", "80", "40", "2A"}
            << QStringList{"11", "129", "86", "0B", "81", "56"};
        QTest::newRow("g is not hexadecimal") << true << 3 << "gA" << QStringList{"10", "64", "32", "A", "40", "20"}
                                              << QStringList{"102", "186", "38", "66", "BA", "26"};
        QTest::newRow("luminance 0 is black, the HSL box keeps its text")
            << false << 2 << "0" << QStringList{"0", "0", "0", "00", "00", "00"}
            << QStringList{"14", "153", "0", "0E", "99", "00"};
        QTest::newRow("hue in hexadecimal") << false << 3 << "55" << QStringList{"32", "128", "32", "20", "80", "20"}
                                            << QStringList{"85", "153", "80", "55", "99", "50"};
    }
    void typing()
    {
        QFETCH(bool, rgbBox);
        QFETCH(int, index);
        QFETCH(QString, keys);
        PreviousColors previous;
        frmColorPicker picker(previous);
        OleColor colour = kBrown;
        ChooseWhileOpen(picker, colour, [&](frmColorPicker* p) {
            QLineEdit* box = rgbBox ? p->RgbBox(index) : p->HslBox(index);
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, keys);
            LeftClick(p->CancelButton());
        });
        QTEST(Texts(picker, true), "rgbTexts");
        QTEST(Texts(picker, false), "hslTexts");
        QCOMPARE(RgbToColor(picker.Rgb()), picker.CurrentSwatch()->BackColor());
    }

    void editingKeys_data()
    {
        QTest::addColumn<int>("index");  // of the RGB box; 3..5 hexadecimal
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");  // the box afterwards
        QTest::addColumn<int>("red");
        // Brown is 128, 64, 32: "128" in box 0, "80" in box 3.
        QTest::newRow("Delete") << 0 << "" << QStringList{"{Home}", "{Del}"} << "28" << 28;
        QTest::newRow("Backspace") << 0 << "" << QStringList{"{End}", "{Backspace}"} << "12" << 12;
        QTest::newRow("Ctrl+A, then a digit") << 0 << "" << QStringList{"{Ctrl+A}", "7"} << "7" << 7;
        QTest::newRow("Ctrl+Z undoes a Delete") << 0 << "" << QStringList{"{Home}", "{Del}", "{Ctrl+Z}"} << "128" << 128;
        QTest::newRow("Ctrl+X cuts all, Ctrl+V puts it back")
            << 0 << "" << QStringList{"{Ctrl+A}", "{Ctrl+X}", "{Ctrl+V}"} << "128" << 128;
        QTest::newRow("Ctrl+C copies, a paste making 4 digits is refused")
            << 0 << "" << QStringList{"{Ctrl+A}", "{Ctrl+C}", "{End}", "{Ctrl+V}"} << "128" << 128;
        QTest::newRow("a paste past 255 is refused") << 0 << "300" << QStringList{"{Ctrl+A}", "{Ctrl+V}"} << "128" << 128;
        QTest::newRow("a paste of 250 is taken") << 0 << "250" << QStringList{"{Ctrl+A}", "{Ctrl+V}"} << "250" << 250;
        QTest::newRow("a third digit past 255 is refused") << 0 << "" << QStringList{"{Ctrl+A}", "30", "0"} << "30" << 30;
        QTest::newRow("hexadecimal: a lower-case paste turns upper") << 3 << "fe" << QStringList{"{Ctrl+A}", "{Ctrl+V}"}
                                                                      << "FE" << 254;
        QTest::newRow("hexadecimal: Delete") << 3 << "" << QStringList{"{End}", "{Backspace}", "{Home}", "{Del}"} << "" << 0;
        QTest::newRow("hexadecimal: a pasted sign is refused") << 3 << "#8" << QStringList{"{Ctrl+A}", "{Ctrl+V}"} << "80"
                                                                << 128;
    }
    // Real key events in the open dialog; the colour follows the box.
    void editingKeys()
    {
        QFETCH(int, index);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, keys);
        QFETCH(QString, text);
        QGuiApplication::clipboard()->setText(clipboard);
        PreviousColors previous;
        frmColorPicker picker(previous);
        OleColor colour = kBrown;
        QString shown;
        int red = -1;
        ChooseWhileOpen(picker, colour, [&](frmColorPicker* p) {
            QLineEdit* box = p->RgbBox(index);
            box->setFocus();
            TypeSteps(box, keys);
            shown = box->text();
            red = p->Rgb().Red;
            LeftClick(p->CancelButton());
        });
        QCOMPARE(shown, text);
        QTEST(red, "red");
        QCOMPARE(RgbToColor(picker.Rgb()), picker.CurrentSwatch()->BackColor());
    }

    void dragging_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<HslTriple>("hsl");
        QTest::addColumn<QString>("redrawn");  // the picture drawn coarsely while dragging and in full on release
        QTest::addColumn<int>("markerLeft");
        // From H 14, S 153, L 80.
        QTest::newRow("hue") << "hue" << QPointF(201.4, 3) << HslTriple{100, 153, 80} << "luminance" << 196;
        QTest::newRow("saturation") << "saturation" << QPointF(61, 19) << HslTriple{14, 30, 80} << "luminance" << 56;
        QTest::newRow("luminance past the far edge") << "luminance" << QPointF(900, 10) << HslTriple{14, 153, 255}
                                                     << "saturation" << 506;
        QTest::newRow("field") << "field" << QPointF(50.5, 60) << HslTriple{14, 100, 120} << "saturation" << 46;
        QTest::newRow("field past the far corner") << "field" << QPointF(300, 300) << HslTriple{14, 255, 255}
                                                   << "saturation" << 124;
    }
    void dragging()
    {
        QFETCH(QString, bar);
        QFETCH(QPointF, to);
        QFETCH(HslTriple, hsl);
        QFETCH(QString, redrawn);
        PreviousColors previous;
        frmColorPicker picker(previous);
        OleColor colour = kBrown;
        ChooseWhileOpen(picker, colour, [&](frmColorPicker* p) {
            ColorField* field = bar == QLatin1String("hue")          ? p->HueBar()
                                : bar == QLatin1String("saturation") ? p->SaturationBar()
                                : bar == QLatin1String("luminance")  ? p->LuminanceBar()
                                                                     : p->Gradient();
            ColorField* other = redrawn == QLatin1String("luminance") ? p->LuminanceBar() : p->SaturationBar();
            auto drawn = [&](int step) {
                QImage expected(other->Picture().size(), other->Picture().format());
                if (other == p->LuminanceBar())
                    DrawLuminanceBar(expected, hsl, step);
                else
                    DrawSaturationBar(expected, hsl, step);
                return expected;
            };
            SendMouse(field, QEvent::MouseButtonPress, QPointF(2, 2), Qt::LeftButton, Qt::LeftButton);
            SendMouse(field, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
            const HslTriple got = p->Hsl();
            QCOMPARE(QList<int>({got.Hue, got.Saturation, got.Luminance}), QList<int>({hsl.Hue, hsl.Saturation, hsl.Luminance}));
            QCOMPARE(p->RgbBox(0)->text().toInt(), HslToRgb(hsl).Red);
            QCOMPARE(Texts(*p, false).mid(0, 3), (QStringList{QString::number(hsl.Hue), QString::number(hsl.Saturation),
                                                              QString::number(hsl.Luminance)}));
            QTEST(field->MarkerRect().left(), "markerLeft");
            QVERIFY(drawn(16) != drawn(1));
            QVERIFY(other->Picture() == drawn(16));
            // A move with the right button held does nothing.
            SendMouse(field, QEvent::MouseMove, QPointF(0, 0), Qt::NoButton, Qt::RightButton);
            QCOMPARE(p->Hsl(), got);
            SendMouse(field, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
            QVERIFY(other->Picture() == drawn(1));
            LeftClick(p->CancelButton());
        });
    }

    void endings_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("result");
        QTest::addColumn<OleColor>("colour");
        QTest::addColumn<OleColor>("newestPrevious");
        const OleColor white = RgbColor(255, 255, 255);
        QTest::newRow("OK takes the pure red swatch") << "ok" << true << RgbColor(255, 0, 0) << RgbColor(255, 0, 0);
        QTest::newRow("Cancel") << "cancel" << false << SystemColorRef(15) << white;
        QTest::newRow("close box") << "close" << false << SystemColorRef(15) << white;
        QTest::newRow("Enter in a box") << "{Return}" << true << RgbColor(255, 0, 0) << RgbColor(255, 0, 0);
        QTest::newRow("keypad Enter in a box") << "{Enter}" << true << RgbColor(255, 0, 0) << RgbColor(255, 0, 0);
        QTest::newRow("Escape in a box") << "{Esc}" << false << SystemColorRef(15) << white;
    }
    void endings()
    {
        QFETCH(QString, ending);
        QFETCH(OleColor, newestPrevious);
        PreviousColors previous;
        frmColorPicker picker(previous);
        // A reference comes in: the picker works on its index bits, and Cancel must hand back the reference.
        OleColor chosen = SystemColorRef(15);
        const bool got = ChooseWhileOpen(picker, chosen, [&](frmColorPicker* p) {
            QCOMPARE(p->OriginalSwatch()->BackColor(), RgbColor(15, 0, 0));
            LeftClick(p->ScaleSwatch(1, 7));
            QCOMPARE(p->CurrentSwatch()->BackColor(), RgbColor(255, 0, 0));
            if (ending == QLatin1String("ok"))
                LeftClick(p->OkayButton());
            else if (ending == QLatin1String("cancel"))
                LeftClick(p->CancelButton());
            else if (ending == QLatin1String("close"))
                p->close();
            else {
                p->HslBox(4)->setFocus();
                TypeSteps(p->HslBox(4), {ending});
            }
        });
        QTEST(got, "result");
        QTEST(chosen, "colour");
        QCOMPARE(previous.At(0), newestPrevious);
        QCOMPARE(picker.PreviousSwatch(0)->BackColor(), RgbColor(255, 255, 255));

        // The next opening shows the list as the last OK left it, and the colour passed in as "Original".
        frmColorPicker::SetNextAnswer(std::nullopt);
        OleColor next = kBrown;
        QVERIFY(!picker.ChooseColor(next, nullptr));
        QCOMPARE(picker.PreviousSwatch(0)->BackColor(), newestPrevious);
        QCOMPARE(picker.OriginalSwatch()->BackColor(), kBrown);
        QCOMPARE(next, kBrown);
    }

    void screenPick_data()
    {
        QTest::addColumn<bool>("overOriginal");
        QTest::addColumn<OleColor>("colour");
        QTest::newRow("a pixel of the Original swatch") << true << kBrown;
        QTest::newRow("off every screen: the colour stays") << false << RgbColor(255, 0, 0);
    }
    void screenPick()
    {
        QFETCH(bool, overOriginal);
        QFETCH(OleColor, colour);
        PreviousColors previous;
        frmColorPicker picker(previous);
        OleColor chosen = kBrown;
        ChooseWhileOpen(picker, chosen, [&](frmColorPicker* p) {
            QVERIFY(QTest::qWaitForWindowExposed(p));
            LeftClick(p->ScaleSwatch(1, 7));
            QLabel* pipette = p->ScreenPicker();
            QCOMPARE(pipette->toolTip(),
                     QStringLiteral("Click and Drag... Release Mouse Button to Capture Color from Screen"));
            const QPoint target = overOriginal ? p->OriginalSwatch()->mapToGlobal(QPoint(20, 15))
                                               : QPoint(-50, -50);
            SendMouse(pipette, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton, Qt::LeftButton);
            QCursor::setPos(target);
            const QPointF local = pipette->mapFromGlobal(QPointF(target));
            SendMouse(pipette, QEvent::MouseMove, local, Qt::NoButton, Qt::LeftButton);
            QCOMPARE(pipette->cursor().shape(), Qt::CrossCursor);
            SendMouse(pipette, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
            QCOMPARE(pipette->cursor().shape(), Qt::ArrowCursor);
            QCOMPARE(RgbToColor(p->Rgb()), colour);
            QCOMPARE(p->CurrentSwatch()->BackColor(), colour);
            LeftClick(p->CancelButton());
        });
    }
};

QTEST_MAIN(tst_colorpicker)
#include "tst_colorpicker.moc"
