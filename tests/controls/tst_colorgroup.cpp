// A theme's three colour groups reach the right colour of each control they are applied to: every
// field of the theme carries a different colour, so a field swapped anywhere on the way fails.

#include "controls/ucAdvList.h"
#include "controls/ucFrame.h"
#include "controls/ucTextButton.h"
#include "theme/Theme.h"

#include <QTest>

namespace {
Theme DistinctTheme()
{
    Theme theme;
    OleColor next = RgbColor(1, 0, 0);
    for (OleColor* field : {&theme.WindowFace, &theme.WindowText, &theme.WindowHighlight, &theme.WindowBrightHighlight,
                            &theme.WindowShadow, &theme.WindowDarkShadow, &theme.ButtonFace, &theme.ButtonText,
                            &theme.ButtonHighlight, &theme.ButtonBrightHighlight, &theme.ButtonShadow,
                            &theme.ButtonDarkShadow, &theme.HeaderFace, &theme.HeaderText, &theme.HeaderHighlight,
                            &theme.HeaderBrightHighlight, &theme.HeaderShadow, &theme.HeaderDarkShadow}) {
        *field = next;
        next += 1;
    }
    return theme;
}
} // namespace

class tst_colorgroup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The main window gives its list's buttons the window group, so the list reads all six of it.
    void groupsReachTheirControls()
    {
        const Theme t = DistinctTheme();
        ucFrame frame;
        frame.SetColors(t.WindowGroup());
        QCOMPARE((QList<OleColor>{frame.ColorFace(), frame.ColorHighlight(), frame.ColorBrightHighlight(),
                                  frame.ColorShadow(), frame.ColorDarkShadow()}),
                 (QList<OleColor>{t.WindowFace, t.WindowHighlight, t.WindowBrightHighlight, t.WindowShadow,
                                  t.WindowDarkShadow}));

        ucTextButton button;
        button.SetColors(t.ButtonGroup());
        QCOMPARE((QList<OleColor>{button.ColorFace(), button.ColorText(), button.ColorHighlight(),
                                  button.ColorBrightHighlight(), button.ColorShadow(), button.ColorDarkShadow()}),
                 (QList<OleColor>{t.ButtonFace, t.ButtonText, t.ButtonHighlight, t.ButtonBrightHighlight, t.ButtonShadow,
                                  t.ButtonDarkShadow}));

        ucAdvList list;
        const OleColor systemFace = list.Color(AdvListColor::ButtonFace);
        list.SetButtonColors(t.WindowGroup());
        QCOMPARE(list.Color(AdvListColor::ButtonFace), systemFace);  // ignored without CustomColors
        list.SetCustomColors(true);
        list.SetButtonColors(t.WindowGroup());
        list.SetHeaderColors(t.HeaderGroup());
        QList<OleColor> got;
        for (int i = int(AdvListColor::ButtonFace); i < kAdvListColorCount; ++i)
            got.append(list.Color(AdvListColor(i)));
        // In the list's own order: face, text, shadow, dark shadow, highlight, bright highlight.
        QCOMPARE(got, (QList<OleColor>{t.WindowFace, t.WindowText, t.WindowShadow, t.WindowDarkShadow,
                                       t.WindowHighlight, t.WindowBrightHighlight, t.HeaderFace, t.HeaderText,
                                       t.HeaderShadow, t.HeaderDarkShadow, t.HeaderHighlight, t.HeaderBrightHighlight}));
    }
};

QTEST_MAIN(tst_colorgroup)
#include "tst_colorgroup.moc"
