#include "dialogs/frmColorPicker.h"

#include "controls/ucTextButton.h"
#include "dialogs/ColorField.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/ComponentValidator.h"
#include "dialogs/DialogText.h"
#include "dialogs/PickerDrawing.h"
#include "platform/Twips.h"
#include "theme/ColorScales.h"
#include "theme/ComponentText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

constexpr QSize kFormSize(700, 282);
constexpr QSize kBarSize(512, 20);
constexpr QSize kBarMarker(7, 26);
constexpr QSize kFieldSize(129, 129);
constexpr QSize kFieldMarker(9, 9);
constexpr QSize kButtonSize(75, 23);

const char* const kRgbNames[3] = {"Red", "Green", "Blue"};
const char* const kHslNames[3] = {"Hue", "Saturation", "Luminance"};

int Round(double value) { return static_cast<int>(RoundHalfEven(value)); }

// A pipette, tip at the bottom left, for the screen picker.
QPixmap PipettePicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(6, 26), QPointF(20, 12));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(90, 90, 90));
    painter.drawEllipse(QPointF(23, 9), 5, 5);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(QPointF(15, 11), QPointF(21, 17));
    return picture;
}

QLabel* Caption(const QString& text, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmColorPicker::frmColorPicker(PreviousColors& previousColors, QWidget* owner)
    : QDialog(owner)
    , m_previous(previousColors)
{
    setWindowTitle(QStringLiteral("Choose Color..."));
    setFont(DialogText::Font());
    BuildBars();
    BuildBoxes();
    BuildSwatches();

    m_btnOkay = new ucTextButton(QStringLiteral("OK"), this);
    m_btnOkay->setGeometry(QRect(QPoint(536, 250), kButtonSize));
    m_btnCancel = new ucTextButton(QStringLiteral("Cancel"), this);
    m_btnCancel->setGeometry(QRect(QPoint(617, 250), kButtonSize));
    connect(m_btnOkay, &ucTextButton::Click, this, &frmColorPicker::PressOkay);
    connect(m_btnCancel, &ucTextButton::Click, this, &frmColorPicker::PressCancel);
    setFixedSize(kFormSize);
    InitDisplay();
}

void frmColorPicker::BuildBars()
{
    const struct {
        ColorField*& field;
        Bar bar;
        QPoint at;
        const char* name;
    } bars[] = {
        {m_pbHue, Bar::Hue, {8, 8}, "Hue"},
        {m_pbSaturation, Bar::Saturation, {8, 36}, "Saturation"},
        {m_pbLuminence, Bar::Luminance, {8, 64}, "Luminance"},
        {m_pbGradient, Bar::Gradient, {8, 96}, "Saturation and Luminance"},
    };
    for (const auto& b : bars) {
        const bool field = b.bar == Bar::Gradient;
        b.field = new ColorField(field ? kFieldSize : kBarSize, field ? kFieldMarker : kBarMarker, this);
        b.field->move(b.at);
        b.field->setAccessibleName(QString::fromLatin1(b.name));
        const Bar bar = b.bar;
        connect(b.field, &ColorField::MouseDown, this,
                [this, bar](Qt::MouseButton button, QPointF pos) { BarDown(bar, button, pos); });
        connect(b.field, &ColorField::MouseMove, this,
                [this, bar](Qt::MouseButtons buttons, QPointF pos) { BarMove(bar, buttons, pos); });
        connect(b.field, &ColorField::MouseUp, this,
                [this, bar](Qt::MouseButton button, QPointF) { BarUp(bar, button); });
    }
}

void frmColorPicker::BuildBoxes()
{
    for (int column = 0; column < 2; ++column) {
        const bool rgb = column == 0;
        const int left = rgb ? 150 : 300;
        for (int row = 0; row < 3; ++row) {
            const int top = 96 + row * 26;
            const QString name = QString::fromLatin1(rgb ? kRgbNames[row] : kHslNames[row]);
            Caption(name, QRect(left, top + 2, 70, 16), this);
            for (const bool hex : {false, true}) {
                auto* box = new QLineEdit(this);
                box->setGeometry(hex ? left + 114 : left + 72, top, hex ? 28 : 40, 20);
                box->setMaxLength(hex ? 2 : 3);
                box->setValidator(new ComponentValidator(hex, box));
                box->setAccessibleName(hex ? name + QStringLiteral(" (hexadecimal)") : name);
                const int index = row + (hex ? 3 : 0);
                (rgb ? m_txtRGB : m_txtHSL)[index] = box;
                connect(box, &QLineEdit::textChanged, this, [this, rgb, index] { BoxChanged(rgb, index); });
            }
        }
    }
}

void frmColorPicker::BuildSwatches()
{
    auto swatch = [this](QRect geometry, const QString& name) {
        auto* s = new ColorSwatch(this);
        s->setGeometry(geometry);
        s->setAccessibleName(name);
        connect(s, &ColorSwatch::Clicked, this, [this, s] { SwatchClicked(s->BackColor()); });
        return s;
    };
    Caption(QStringLiteral("Current"), QRect(536, 6, 74, 16), this);
    m_lblCurentColor = swatch(QRect(536, 24, 74, 30), QStringLiteral("Current"));
    Caption(QStringLiteral("Original"), QRect(618, 6, 74, 16), this);
    m_lblOriginalColor = swatch(QRect(618, 24, 74, 30), QStringLiteral("Original"));

    m_imgGetColor = new QLabel(this);
    m_imgGetColor->setGeometry(150, 184, 32, 32);
    m_imgGetColor->setPixmap(PipettePicture());
    m_imgGetColor->setToolTip(
        QStringLiteral("Click and Drag... Release Mouse Button to Capture Color from Screen"));
    m_imgGetColor->setAccessibleName(QStringLiteral("Capture Color from Screen"));
    m_imgGetColor->installEventFilter(this);

    // Row 0: black and white; rows 1..7: the ramps, 15 swatches each.
    for (int row = 0; row <= kColorRampCount; ++row) {
        const int count = row == 0 ? 2 : kColorRampLength;
        QList<ColorSwatch*> swatches;
        for (int i = 0; i < count; ++i)
            swatches.append(swatch(QRect(460 + i * 15, 96 + row * 15, 14, 14),
                                   QStringLiteral("Scale %1 color %2").arg(row).arg(i + 1)));
        m_lblScale.append(swatches);
    }
    m_lblScale[0][0]->SetBackColor(kBlackAndWhite[0]);
    m_lblScale[0][1]->SetBackColor(kBlackAndWhite[1]);

    Caption(QStringLiteral("Previous Colors:"), QRect(8, 232, 200, 16), this);
    for (int i = 0; i < PreviousColors::kCount; ++i)
        m_lblPreviousColor[i] = swatch(QRect(8 + i * 20, 250, 18, 18), QStringLiteral("Previous Color %1").arg(i + 1));
}

ColorSwatch* frmColorPicker::ScaleSwatch(int row, int index) const { return m_lblScale[row][index]; }

bool frmColorPicker::ChooseColor(OleColor& color, QWidget* owner)
{
    m_rgb = ColorToRgb(color);
    InitDisplay();
    if (owner && owner != parentWidget())
        setParent(owner, windowFlags());
    if (const std::optional<std::optional<OleColor>> next = NextAnswers().Take()) {
        if (const std::optional<OleColor> answer = *next) {
            SwatchClicked(*answer);
            PressOkay();
        } else {
            PressCancel();
        }
    } else {
        exec();
    }
    if (m_cancelled)
        return false;
    color = RgbToColor(m_rgb);
    return true;
}

void frmColorPicker::SetPreviousColor(int index, OleColor color)
{
    m_previous.Set(index, color);
    if (index >= 0 && index < PreviousColors::kCount)
        m_lblPreviousColor[index]->SetBackColor(color);
}

void frmColorPicker::InitDisplay()
{
    m_cancelled = true;
    SyncDisplay(true, -1, -1);
    m_lblOriginalColor->SetBackColor(RgbToColor(m_rgb));
    for (int i = 0; i < PreviousColors::kCount; ++i)
        m_lblPreviousColor[i]->SetBackColor(m_previous.At(i));
    const auto ramps = FillColorScales();
    for (int row = 0; row < kColorRampCount; ++row) {
        for (int i = 0; i < kColorRampLength; ++i)
            m_lblScale[row + 1][i]->SetBackColor(ramps[row][i]);
    }
    Redraw(Bar::Hue, 1);
    RedrawAll();
}

void frmColorPicker::SyncDisplay(bool fromRgb, int skipRgb, int skipHsl)
{
    m_updating = true;
    if (fromRgb)
        m_hsl = RgbToHsl(m_rgb);
    else
        m_rgb = HslToRgb(m_hsl);
    m_lblCurentColor->SetBackColor(RgbToColor(m_rgb));
    const int rgb[3] = {m_rgb.Red, m_rgb.Green, m_rgb.Blue};
    const int hsl[3] = {m_hsl.Hue, m_hsl.Saturation, m_hsl.Luminance};
    for (int i = 0; i < 6; ++i) {
        if (i != skipRgb)
            m_txtRGB[i]->setText(ComponentText(rgb[i % 3], i >= 3));
        if (i != skipHsl)
            m_txtHSL[i]->setText(ComponentText(hsl[i % 3], i >= 3));
    }
    m_updating = false;
}

void frmColorPicker::PlaceMarkers()
{
    const auto place = [](ColorField* bar, int value) {
        const QRect marker = bar->MarkerRect();
        bar->PlaceMarker({2 * value - Round(marker.width() / 2.0), Round(bar->height() / 2.0) - Round(marker.height() / 2.0)});
    };
    place(m_pbHue, m_hsl.Hue);
    place(m_pbSaturation, m_hsl.Saturation);
    place(m_pbLuminence, m_hsl.Luminance);
    const QRect marker = m_pbGradient->MarkerRect();
    m_pbGradient->PlaceMarker({Round(m_hsl.Saturation / 2.0) - Round(marker.width() / 2.0),
                               Round(m_hsl.Luminance / 2.0) - Round(marker.height() / 2.0)});
}

void frmColorPicker::RedrawAll()
{
    Redraw(Bar::Luminance, 1);
    Redraw(Bar::Saturation, 1);
    Redraw(Bar::Gradient, 1);
    PlaceMarkers();
}

void frmColorPicker::Redraw(Bar bar, int step)
{
    switch (bar) {
    case Bar::Hue:
        DrawHueBar(m_pbHue->Picture());
        m_pbHue->update();
        break;
    case Bar::Saturation:
        DrawSaturationBar(m_pbSaturation->Picture(), m_hsl, step);
        m_pbSaturation->update();
        break;
    case Bar::Luminance:
        DrawLuminanceBar(m_pbLuminence->Picture(), m_hsl, step);
        m_pbLuminence->update();
        break;
    case Bar::Gradient:
        DrawGradient(m_pbGradient->Picture(), m_hsl.Hue, step);
        m_pbGradient->update();
        break;
    }
}

void frmColorPicker::SwatchClicked(OleColor color)
{
    m_rgb = ColorToRgb(color);
    SyncDisplay(true, -1, -1);
    RedrawAll();
}

void frmColorPicker::PressOkay()
{
    m_cancelled = false;
    m_previous.Add(RgbToColor(m_rgb));
    accept();
}

void frmColorPicker::PressCancel()
{
    m_cancelled = true;
    reject();
}

PresetAnswers<std::optional<OleColor>>& frmColorPicker::NextAnswers()
{
    static PresetAnswers<std::optional<OleColor>> answers;
    return answers;
}

void frmColorPicker::SetNextAnswer(std::optional<OleColor> color) { NextAnswers().Queue(color); }
int frmColorPicker::PendingAnswers() { return NextAnswers().Pending(); }
void frmColorPicker::ClearNextAnswers() { NextAnswers().Clear(); }
