#pragma once
// frmColorPicker ("Choose Color..."): the program's own modal colour dialog. It shows the colour in
// RGB and HSL (0..255 each) and changes it by dragging in the hue, saturation and luminance bars
// and the saturation x luminance field, by typing decimal or hexadecimal values, by clicking a
// ready-made swatch, the colour it was opened with or one of the 25 previous colours, or by dragging
// from the picker icon to any pixel of the screen.
//
// The boxes take every editing key (Delete, Backspace, Ctrl+A/C/V/X/Z) but keep their values in
// range: an edit that would leave a value past 255 or a character that is not a digit is refused.
// Enter is "OK" and Escape "Cancel".
//
// The previous colours belong to the caller (the program keeps one list for its whole run); OK
// puts the chosen colour at their front.
//
// Test hook: SetNextAnswer queues answers. While the queue holds one, ChooseColor prepares the
// dialog as usual and then confirms the queued colour as OK would (a colour) or cancels (none),
// instead of showing the dialog. The program itself never queues an answer.

#include "dialogs/PresetAnswers.h"
#include "theme/ColorSpace.h"
#include "theme/PreviousColors.h"

#include <QDialog>
#include <QList>

#include <array>
#include <optional>

class ColorField;
class ColorSwatch;
class QLabel;
class QLineEdit;
class ucTextButton;

class frmColorPicker : public QDialog {
    Q_OBJECT
public:
    explicit frmColorPicker(PreviousColors& previousColors, QWidget* owner = nullptr);

    // color is the starting colour; on OK it becomes the chosen RGB colour and the result is true.
    // On Cancel or close the result is false and color is unchanged.
    bool ChooseColor(OleColor& color, QWidget* owner);
    // Replaces previous colour index (0..24); any other index changes nothing.
    void SetPreviousColor(int index, OleColor color);

    RgbTriple Rgb() const { return m_rgb; }
    HslTriple Hsl() const { return m_hsl; }
    bool Cancelled() const { return m_cancelled; }

    // The parts a test or a screen reader looks at.
    ColorField* HueBar() const { return m_pbHue; }
    ColorField* SaturationBar() const { return m_pbSaturation; }
    ColorField* LuminanceBar() const { return m_pbLuminence; }
    ColorField* Gradient() const { return m_pbGradient; }
    // 0..2 decimal, 3..5 hexadecimal.
    QLineEdit* RgbBox(int index) const { return m_txtRGB[index]; }
    QLineEdit* HslBox(int index) const { return m_txtHSL[index]; }
    ColorSwatch* CurrentSwatch() const { return m_lblCurentColor; }
    ColorSwatch* OriginalSwatch() const { return m_lblOriginalColor; }
    ColorSwatch* PreviousSwatch(int index) const { return m_lblPreviousColor[index]; }
    // Row 0: black and white; rows 1..7: the ramps.
    ColorSwatch* ScaleSwatch(int row, int index) const;
    QLabel* ScreenPicker() const { return m_imgGetColor; }
    ucTextButton* OkayButton() const { return m_btnOkay; }
    ucTextButton* CancelButton() const { return m_btnCancel; }

    // Test hook, see above.
    static void SetNextAnswer(std::optional<OleColor> color);
    static int PendingAnswers();
    static void ClearNextAnswers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Bar { Hue, Saturation, Luminance, Gradient };
    static PresetAnswers<std::optional<OleColor>>& NextAnswers();

    void BuildBars();
    void BuildBoxes();
    void BuildSwatches();

    void InitDisplay();
    // fromRgb: HSL from RGB, else RGB from HSL. The box at skipRgb / skipHsl (-1: none) keeps its text.
    void SyncDisplay(bool fromRgb, int skipRgb, int skipHsl);
    void PlaceMarkers();
    // The bars and the field that depend on the whole colour, at full resolution, and the markers.
    void RedrawAll();
    void Redraw(Bar bar, int step);

    void BarDown(Bar bar, Qt::MouseButton button, QPointF position);
    void BarMove(Bar bar, Qt::MouseButtons buttons, QPointF position);
    void BarUp(Bar bar, Qt::MouseButton button);
    void SetFromPointer(Bar bar, QPointF position);

    void BoxChanged(bool rgbBox, int index);
    void SwatchClicked(OleColor color);
    bool PickerMouse(QEvent* event);

    void PressOkay();
    void PressCancel();

    PreviousColors& m_previous;
    RgbTriple m_rgb;
    HslTriple m_hsl;
    bool m_updating = false;
    bool m_cancelled = true;
    bool m_picking = false;

    ColorField* m_pbHue = nullptr;
    ColorField* m_pbSaturation = nullptr;
    ColorField* m_pbLuminence = nullptr;
    ColorField* m_pbGradient = nullptr;
    std::array<QLineEdit*, 6> m_txtRGB{};
    std::array<QLineEdit*, 6> m_txtHSL{};
    ColorSwatch* m_lblCurentColor = nullptr;
    ColorSwatch* m_lblOriginalColor = nullptr;
    std::array<ColorSwatch*, PreviousColors::kCount> m_lblPreviousColor{};
    QList<QList<ColorSwatch*>> m_lblScale;
    QLabel* m_imgGetColor = nullptr;
    ucTextButton* m_btnOkay = nullptr;
    ucTextButton* m_btnCancel = nullptr;
};
