// The colour picker's arithmetic: RGB <-> HSL with its half-to-even rounding, the ready-made ramps,
// the text of the component boxes and the previous-colour list.

#include "theme/ColorDerivation.h"
#include "theme/ColorScales.h"
#include "theme/ColorSpace.h"
#include "theme/ComponentText.h"
#include "theme/PreviousColors.h"

#include <QTest>

Q_DECLARE_METATYPE(RgbTriple)
Q_DECLARE_METATYPE(HslTriple)

namespace {
// "add 1, set 25 7": the steps run on a list, colours as small numbers.
void RunSteps(PreviousColors& list, const QString& steps)
{
    const QStringList parts = steps.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QStringList words = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words[0] == QLatin1String("add"))
            list.Add(words[1].toInt());
        else if (words[0] == QLatin1String("set"))
            list.Set(words[1].toInt(), words[2].toInt());
        else if (words[0] == QLatin1String("addrange")) {
            for (int c = words[1].toInt(); c <= words[2].toInt(); ++c)
                list.Add(c);
        }
    }
}
constexpr OleColor W = RgbColor(255, 255, 255);
} // namespace

class tst_colormath : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rgbAndHsl_data()
    {
        QTest::addColumn<RgbTriple>("rgb");
        QTest::addColumn<HslTriple>("hsl");
        QTest::addColumn<RgbTriple>("back");
        // 254.5 and 2.5 round to even on the way back.
        QTest::newRow("red") << RgbTriple{255, 0, 0} << HslTriple{0, 255, 128} << RgbTriple{254, 2, 2};
        QTest::newRow("green: hue a third round") << RgbTriple{0, 255, 0} << HslTriple{85, 255, 128} << RgbTriple{2, 254, 2};
        QTest::newRow("blue: two thirds") << RgbTriple{0, 0, 255} << HslTriple{170, 255, 128} << RgbTriple{2, 2, 254};
        QTest::newRow("brown, exact both ways") << RgbTriple{128, 64, 32} << HslTriple{14, 153, 80} << RgbTriple{128, 64, 32};
        QTest::newRow("rose: negative hue wraps") << RgbTriple{255, 0, 128} << HslTriple{234, 255, 128} << RgbTriple{254, 2, 128};
        QTest::newRow("white") << RgbTriple{255, 255, 255} << HslTriple{0, 0, 255} << RgbTriple{255, 255, 255};
        QTest::newRow("black") << RgbTriple{0, 0, 0} << HslTriple{0, 0, 0} << RgbTriple{0, 0, 0};
        QTest::newRow("grey") << RgbTriple{100, 100, 100} << HslTriple{0, 0, 100} << RgbTriple{100, 100, 100};
    }

    void rgbAndHsl()
    {
        QFETCH(RgbTriple, rgb);
        QFETCH(HslTriple, hsl);
        QFETCH(RgbTriple, back);
        const HslTriple got = RgbToHsl(rgb);
        QCOMPARE(QList<int>({got.Hue, got.Saturation, got.Luminance}), QList<int>({hsl.Hue, hsl.Saturation, hsl.Luminance}));
        const RgbTriple again = HslToRgb(hsl);
        QCOMPARE(QList<int>({again.Red, again.Green, again.Blue}), QList<int>({back.Red, back.Green, back.Blue}));
    }

    void colorize_data()
    {
        QTest::addColumn<OleColor>("face");
        QTest::addColumn<QList<OleColor>>("group");  // text, highlight, bright highlight, shadow, dark shadow
        QTest::newRow("brown: mean 74, white text")
            << RgbColor(128, 64, 32)
            << QList<OleColor>{W, RgbColor(160, 80, 40), RgbColor(192, 96, 48), RgbColor(96, 48, 24), RgbColor(64, 32, 16)};
        QTest::newRow("white: clamped, 191.25 and 127.5")
            << W << QList<OleColor>{0, W, W, RgbColor(191, 191, 191), RgbColor(128, 128, 128)};
        QTest::newRow("black") << RgbColor(0, 0, 0) << QList<OleColor>{W, 0, 0, 0, 0};
        // 12.5 -> 12 and 37.5 -> 38; 7.5 -> 8 and 22.5 -> 22 in the shadow.
        QTest::newRow("ties to even")
            << RgbColor(10, 30, 0)
            << QList<OleColor>{W, RgbColor(12, 38, 0), RgbColor(15, 45, 0), RgbColor(8, 22, 0), RgbColor(5, 15, 0)};
        QTest::newRow("sum 383 is dark") << RgbColor(128, 128, 127) << QList<OleColor>{W, RgbColor(160, 160, 159),
                                                                                RgbColor(192, 192, 190), RgbColor(96, 96, 95),
                                                                                RgbColor(64, 64, 64)};
        QTest::newRow("sum 384 is light") << RgbColor(128, 128, 128) << QList<OleColor>{0, RgbColor(160, 160, 160),
                                                                                 RgbColor(192, 192, 192), RgbColor(96, 96, 96),
                                                                                 RgbColor(64, 64, 64)};
        // Button face (index 15) resolves to 200, 100, 50 below: derived from that, not from R 15, G 0, B 0.
        QTest::newRow("system colour reference resolved first")
            << SystemColorRef(15)
            << QList<OleColor>{W, RgbColor(250, 125, 62), RgbColor(255, 150, 75), RgbColor(150, 75, 38), RgbColor(100, 50, 25)};
    }

    void colorize()
    {
        QFETCH(OleColor, face);
        QFETCH(QList<OleColor>, group);
        int asked = -1;
        const ColorGroup got = ColorizeFromBackground(face, [&asked](int index) {
            asked = index;
            return RgbColor(200, 100, 50);
        });
        QCOMPARE(got.Face, face);
        QCOMPARE(asked, IsSystemColorRef(face) ? SystemColorIndex(face) : -1);
        const QList<OleColor> derived{got.Text, got.Highlight, got.BrightHighlight, got.Shadow, got.DarkShadow};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(QString::number(derived[i], 16), QString::number(group[i], 16));
    }

    void ramps_data()
    {
        QTest::addColumn<int>("ramp");
        QTest::addColumn<int>("swatch");
        QTest::addColumn<OleColor>("colour");
        QTest::newRow("red starts dark") << 0 << 0 << RgbColor(32, 0, 0);
        QTest::newRow("red climbs") << 0 << 6 << RgbColor(224, 0, 0);
        QTest::newRow("red 7 is pure red") << 0 << 7 << RgbColor(255, 0, 0);
        QTest::newRow("red then towards white") << 0 << 8 << RgbColor(255, 32, 32);
        QTest::newRow("red ends") << 0 << 14 << RgbColor(255, 224, 224);
        QTest::newRow("yellow pure") << 1 << 7 << RgbColor(255, 255, 0);
        QTest::newRow("yellow on") << 1 << 14 << RgbColor(255, 255, 224);
        QTest::newRow("green on") << 2 << 8 << RgbColor(32, 255, 32);
        QTest::newRow("cyan on") << 3 << 8 << RgbColor(32, 255, 255);
        QTest::newRow("blue pure") << 4 << 7 << RgbColor(0, 0, 255);
        QTest::newRow("blue on") << 4 << 9 << RgbColor(64, 64, 255);
        QTest::newRow("magenta on") << 5 << 8 << RgbColor(255, 32, 255);
        QTest::newRow("grey first") << 6 << 0 << RgbColor(16, 16, 16);
        QTest::newRow("grey last") << 6 << 14 << RgbColor(240, 240, 240);
    }

    void ramps()
    {
        QFETCH(int, ramp);
        QFETCH(int, swatch);
        QFETCH(OleColor, colour);
        QCOMPARE(QString::number(FillColorScales()[ramp][swatch], 16), QString::number(colour, 16));
    }

    void componentText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hexadecimal");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("decimal") << "128" << false << 128 << "128";
        QTest::newRow("300 is out of range") << "300" << false << 0 << "0";
        QTest::newRow("empty") << "" << false << 0 << "0";
        QTest::newRow("pasted 12.5 rounds to even") << "12.5" << false << 12 << "12";
        QTest::newRow("pasted 13.5 rounds to even") << "13.5" << false << 14 << "14";
        QTest::newRow("pasted trailing text") << "42px" << false << 42 << "42";
        QTest::newRow("FF") << "FF" << true << 255 << "FF";
        QTest::newRow("lower-case f") << "f" << true << 15 << "0F";
        QTest::newRow("hex 100 is out of range") << "100" << true << 0 << "00";
        QTest::newRow("hex stops at a non-digit") << "AG" << true << 10 << "0A";
    }

    void componentText()
    {
        QFETCH(QString, text);
        QFETCH(bool, hexadecimal);
        QFETCH(int, value);
        QCOMPARE(ComponentFromText(text, hexadecimal), value);
        QTEST(ComponentText(value, hexadecimal), "shown");
        // A component at the far edge of a bar (256) keeps the last two hexadecimal digits.
        QCOMPARE(ComponentText(256, true), QStringLiteral("00"));
    }

    void previousColors_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<OleColor>>("front");
        QTest::addColumn<int>("whites");
        QTest::newRow("newest first") << "add 1, add 2, add 3" << QList<OleColor>{3, 2, 1, W} << 22;
        QTest::newRow("a repeat moves to the front") << "add 1, add 2, add 3, add 2" << QList<OleColor>{2, 3, 1, W} << 22;
        QTest::newRow("26 colours keep the newest 25") << "addrange 1 26" << QList<OleColor>{26, 25, 24} << 0;
        QTest::newRow("index 25 and -1 are ignored") << "set 25 7, set -1 7" << QList<OleColor>{W} << 25;
        QTest::newRow("a copy at the end falls off") << "set 24 9, add 9" << QList<OleColor>{9, W} << 24;
        QTest::newRow("white into the white list") << "add 16777215" << QList<OleColor>{W} << 25;
    }

    void previousColors()
    {
        QFETCH(QString, steps);
        QFETCH(QList<OleColor>, front);
        PreviousColors list;
        RunSteps(list, steps);
        for (int i = 0; i < front.size(); ++i)
            QCOMPARE(list.At(i), front[i]);
        QTEST(int(std::count(list.Colors().begin(), list.Colors().end(), W)), "whites");
        // No colour other than white is ever listed twice.
        for (OleColor c : list.Colors())
            QVERIFY(c == W || std::count(list.Colors().begin(), list.Colors().end(), c) == 1);
    }
};

QTEST_GUILESS_MAIN(tst_colormath)
#include "tst_colormath.moc"
