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
    void groupsOfTheTheme()
    {
        const Theme t = DistinctTheme();
        QCOMPARE(t.WindowGroup(), (ColorGroup{t.WindowFace, t.WindowText, t.WindowHighlight, t.WindowBrightHighlight,
                                              t.WindowShadow, t.WindowDarkShadow}));
        QCOMPARE(t.ButtonGroup(), (ColorGroup{t.ButtonFace, t.ButtonText, t.ButtonHighlight, t.ButtonBrightHighlight,
                                              t.ButtonShadow, t.ButtonDarkShadow}));
        QCOMPARE(t.HeaderGroup(), (ColorGroup{t.HeaderFace, t.HeaderText, t.HeaderHighlight, t.HeaderBrightHighlight,
                                              t.HeaderShadow, t.HeaderDarkShadow}));
    }

    void frameAndButtonTakeAGroup()
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
    }

    void listTakesButtonAndHeaderGroups()
    {
        const Theme t = DistinctTheme();
        ucAdvList list;
        const OleColor systemFace = list.Color(AdvListColor::ButtonFace);
        list.SetButtonColors(t.ButtonGroup());
        QCOMPARE(list.Color(AdvListColor::ButtonFace), systemFace);  // ignored without CustomColors

        list.SetCustomColors(true);
        list.SetButtonColors(t.ButtonGroup());
        list.SetHeaderColors(t.HeaderGroup());
        using C = AdvListColor;
        const QList<C> order{C::ButtonFace, C::ButtonText, C::ButtonHighlight, C::ButtonBrightHighlight, C::ButtonShadow,
                             C::ButtonDarkShadow, C::HeaderFace, C::HeaderText, C::HeaderHighlight,
                             C::HeaderBrightHighlight, C::HeaderShadow, C::HeaderDarkShadow};
        QList<OleColor> got;
        for (C which : order)
            got.append(list.Color(which));
        QCOMPARE(got, (QList<OleColor>{t.ButtonFace, t.ButtonText, t.ButtonHighlight, t.ButtonBrightHighlight,
                                       t.ButtonShadow, t.ButtonDarkShadow, t.HeaderFace, t.HeaderText, t.HeaderHighlight,
                                       t.HeaderBrightHighlight, t.HeaderShadow, t.HeaderDarkShadow}));
    }
};

QTEST_MAIN(tst_colorgroup)
#include "tst_colorgroup.moc"
