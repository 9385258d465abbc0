// frmColorPicker: what the mouse and the keyboard do - dragging in the bars and the field, what a
// typed component does, the dialog's keys, and picking a colour from the screen.

#include "dialogs/frmColorPicker.h"

#include "dialogs/ColorField.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/ScreenColor.h"
#include "platform/Twips.h"
#include "theme/ComponentText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {
int Round(double value) { return static_cast<int>(RoundHalfEven(value)); }
} // namespace

void frmColorPicker::SetFromPointer(Bar bar, QPointF position)
{
    // The bars' and the field's far edges lie one step past 255 (a bar is 512 pixels for 0..255, the
    // field 129 for 0..254 in steps of 2); a component never leaves 0..255.
    const auto component = [](int value) { return std::clamp(value, 0, 255); };
    switch (bar) {
    case Bar::Hue:
        m_hsl.Hue = component(Round(position.x()) / 2);
        break;
    case Bar::Saturation:
        m_hsl.Saturation = component(Round(position.x()) / 2);
        break;
    case Bar::Luminance:
        m_hsl.Luminance = component(Round(position.x()) / 2);
        break;
    case Bar::Gradient:
        m_hsl.Saturation = component(2 * Round(position.x()));
        m_hsl.Luminance = component(2 * Round(position.y()));
        break;
    }
    // While dragging, only what depends on the changed value is drawn, and coarsely.
    switch (bar) {
    case Bar::Hue:
        Redraw(Bar::Luminance, 16);
        Redraw(Bar::Saturation, 16);
        Redraw(Bar::Gradient, 8);
        break;
    case Bar::Saturation:
        Redraw(Bar::Luminance, 16);
        break;
    case Bar::Luminance:
        Redraw(Bar::Saturation, 16);
        break;
    case Bar::Gradient:
        Redraw(Bar::Luminance, 16);
        Redraw(Bar::Saturation, 16);
        break;
    }
    PlaceMarkers();
    SyncDisplay(false, -1, -1);
}

void frmColorPicker::BarDown(Bar bar, Qt::MouseButton button, QPointF position)
{
    if (button == Qt::LeftButton)
        SetFromPointer(bar, position);
}

void frmColorPicker::BarMove(Bar bar, Qt::MouseButtons buttons, QPointF position)
{
    if (buttons != Qt::LeftButton)
        return;
    const ColorField* field = bar == Bar::Hue          ? m_pbHue
                              : bar == Bar::Saturation ? m_pbSaturation
                              : bar == Bar::Luminance  ? m_pbLuminence
                                                       : m_pbGradient;
    position.setX(std::clamp<qreal>(position.x(), 0, field->width()));
    position.setY(std::clamp<qreal>(position.y(), 0, field->height()));
    SetFromPointer(bar, position);
}

void frmColorPicker::BarUp(Bar bar, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    // The release draws at full resolution what the drag drew coarsely.
    switch (bar) {
    case Bar::Hue:
        Redraw(Bar::Gradient, 1);
        Redraw(Bar::Luminance, 1);
        Redraw(Bar::Saturation, 1);
        break;
    case Bar::Saturation:
        Redraw(Bar::Luminance, 1);
        break;
    case Bar::Luminance:
        Redraw(Bar::Saturation, 1);
        break;
    case Bar::Gradient:
        Redraw(Bar::Luminance, 1);
        Redraw(Bar::Saturation, 1);
        PlaceMarkers();
        break;
    }
}

bool frmColorPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_imgGetColor)
        return PickerMouse(event);
    return QDialog::eventFilter(watched, event);
}

void frmColorPicker::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        PressOkay();
    else
        QDialog::keyPressEvent(event);
}

void frmColorPicker::BoxChanged(bool rgbBox, int index)
{
    if (m_updating)
        return;
    const QLineEdit* box = rgbBox ? m_txtRGB[index] : m_txtHSL[index];
    const qint32 value = ComponentFromText(box->text(), index >= 3);
    if (rgbBox) {
        qint32* components[3] = {&m_rgb.Red, &m_rgb.Green, &m_rgb.Blue};
        *components[index % 3] = value;
        SyncDisplay(true, index, -1);
    } else {
        qint32* components[3] = {&m_hsl.Hue, &m_hsl.Saturation, &m_hsl.Luminance};
        *components[index % 3] = value;
        SyncDisplay(false, -1, index);
    }
    RedrawAll();
}

bool frmColorPicker::PickerMouse(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Taken, so the moves and the release of this drag come here wherever the pointer goes.
        return true;
    case QEvent::MouseMove:
        if (mouse->buttons() == Qt::LeftButton) {
            if (!m_picking) {
                m_picking = true;
                m_imgGetColor->setCursor(Qt::CrossCursor);
            }
            if (const auto colour = ScreenColorAtCursor())
                m_lblCurentColor->SetBackColor(*colour);
        } else if (mouse->buttons() == Qt::NoButton && m_picking) {
            m_picking = false;
            m_imgGetColor->unsetCursor();
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (mouse->button() == Qt::LeftButton && m_picking) {
            m_picking = false;
            m_imgGetColor->unsetCursor();
            // Where the screen cannot be read the colour stays, and so does its swatch.
            if (const auto colour = ScreenColorAtCursor())
                m_rgb = ColorToRgb(*colour);
            SyncDisplay(true, -1, -1);
            RedrawAll();
        }
        return true;
    default:
        return false;
    }
}
