#include "Gallery.h"

#include "AdvListGallery.h"
#include "GalleryTheme.h"
#include "MainWindowGallery.h"
#include "RestoreBackupGallery.h"
#include "SettingsGallery.h"
#include "StatisticsGallery.h"
#include "ThemeEditorGallery.h"
#include "controls/cDIB.h"
#include "controls/ucFrame.h"
#include "controls/ucStatusBar.h"
#include "controls/ucTabContainer.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <memory>

namespace {

const QList<GalleryTheme>& Themes()
{
    static const QList<GalleryTheme> themes{DefaultGalleryTheme(), DarkGalleryTheme()};
    return themes;
}

// A plain surface in the theme's face colour to place controls on.
std::unique_ptr<QWidget> Canvas(const GalleryTheme& theme, QSize size)
{
    auto canvas = std::make_unique<QWidget>();
    canvas->setPalette(theme.palette);
    canvas->setAutoFillBackground(true);
    canvas->resize(size);
    return canvas;
}

void PressLeft(QWidget* widget)
{
    const QPoint pos(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, pos, widget->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}

QImage Frames(const GalleryTheme& theme)
{
    auto canvas = Canvas(theme, QSize(3 * 160 + 10, 2 * 80 + 10));
    for (int style = 0; style < 6; ++style) {
        auto* frame = new ucFrame(canvas.get());
        frame->setGeometry(10 + (style % 3) * 160, 10 + (style / 3) * 80, 150, 70);
        theme.ApplyTo(*frame);
        frame->SetBorderStyle(style);
        auto* caption = new QLabel(QStringLiteral("BorderStyle %1").arg(style), frame);
        caption->setGeometry(12, 26, 126, 18);
    }
    return canvas->grab().toImage();
}

// Gives widget the keyboard focus, as Tab would, so the picture shows its focus mark.
void Focus(QWidget* widget)
{
    QWidget* window = widget->window();
    window->show();
    window->activateWindow();
    widget->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 100 && !widget->hasFocus(); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QImage Buttons(const GalleryTheme& theme)
{
    auto canvas = Canvas(theme, QSize(4 * 95 + 10, 2 * 33 + 10));
    const struct {
        const char* caption;
        int alignment;
        bool pressed;
        bool enabled;
        bool focused;
    } buttons[] = {
        {"Ride!", 2, false, true, false},   {"Pressed", 2, true, true, false},  {"Disabled", 2, false, false, false},
        {"Focused", 2, false, true, true},  {"Left", 0, false, true, false},    {"Right", 1, false, true, false},
        {"Centre", 2, false, true, false},  {"Pressed left", 0, true, true, false},
    };
    int i = 0;
    ucTextButton* focused = nullptr;
    for (const auto& b : buttons) {
        auto* button = new ucTextButton(QString::fromLatin1(b.caption), canvas.get());
        button->setGeometry(10 + (i % 4) * 95, 10 + (i / 4) * 33, 85, 23);
        theme.ApplyTo(*button);
        button->SetAlignment(b.alignment);
        button->setEnabled(b.enabled);
        if (b.pressed)
            PressLeft(button);
        if (b.focused)
            focused = button;
        ++i;
    }
    // Last: showing the canvas earlier would leave the buttons made after it hidden.
    Focus(focused);
    return canvas->grab().toImage();
}

QImage StatusBars(const GalleryTheme& theme)
{
    auto canvas = Canvas(theme, QSize(600, 80));
    int top = 10;
    for (const int width : {600, 300}) {
        auto* bar = new ucStatusBar(canvas.get());
        theme.ApplyTo(*bar);
        bar->CreateField(200, 0, false);
        bar->CreateField(200, 1, false);
        bar->setGeometry(0, top, width, bar->height());
        bar->UpdateField(0, QStringLiteral("Passive File Scan in Progress..."));
        bar->UpdateField(1, QStringLiteral("1234 Tracks, 56 Packages"));
        top += bar->height() + 20;
    }
    return canvas->grab().toImage();
}

QImage Tabs(const GalleryTheme& theme)
{
    auto canvas = Canvas(theme, QSize(420, 2 * 130 + 10));
    int top = 0;
    for (const int current : {0, 2}) {
        auto* head = new ucTabHead(canvas.get());
        auto* container = new ucTabContainer(canvas.get());
        head->setGeometry(10, top + 10, 400, head->height());
        container->setGeometry(10, top + 10 + head->height(), 400, 90);
        theme.ApplyTo(*head);
        theme.ApplyTo(*container);
        for (const char* title : {"General", "Media", "Theme", "Advanced"})
            head->AddTab(QString::fromLatin1(title));
        head->ShowTab(current);
        top += 130;
    }
    return canvas->grab().toImage();
}

QImage StretchedSurface(const GalleryTheme& theme)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    QPainter pen(&picture);
    QLinearGradient sky(0, 0, 0, 48);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 120));
    pen.fillRect(picture.rect(), sky);
    pen.setPen(QPen(Qt::darkRed, 3));
    pen.drawLine(0, 40, 20, 12);
    pen.drawLine(20, 12, 40, 36);
    pen.drawLine(40, 36, 63, 20);
    pen.end();
    cDIB dib;
    dib.CreateDIBFromPicture(picture);

    auto canvas = Canvas(theme, QSize(400, 140));
    QImage image = canvas->grab().toImage();
    QPainter painter(&image);
    dib.PaintDIB(painter, 10, 10, 64, 48);
    dib.PaintDIB(painter, 90, 10, 240, 120);
    dib.PaintDIB(painter, 340, 10, 50, 120);
    return image;
}

void Theme(QWidget& dialog, const GalleryTheme& theme)
{
    dialog.setPalette(theme.palette);
    const QList<ucTextButton*> buttons = dialog.findChildren<ucTextButton*>();
    for (ucTextButton* button : buttons)
        theme.ApplyTo(*button);
}

} // namespace

GalleryShots RenderControlsGallery()
{
    GalleryShots shots;
    for (const GalleryTheme& theme : Themes()) {
        const QString suffix = QLatin1Char('_') + theme.Name();
        shots.append({QStringLiteral("frame_styles") + suffix, Frames(theme)});
        shots.append({QStringLiteral("textbutton_states") + suffix, Buttons(theme)});
        shots.append({QStringLiteral("statusbar_two_fields") + suffix, StatusBars(theme)});
        shots.append({QStringLiteral("tabs_four") + suffix, Tabs(theme)});
        shots.append({QStringLiteral("dib_stretched") + suffix, StretchedSurface(theme)});
    }
    return shots;
}

GalleryShots RenderDialogsGallery()
{
    const QString question = QStringLiteral(
        "Are you sure you want to remove this Media Path!\r\nThe files in it stay where they are.");
    const char* const iconNames[] = {"application", "warning", "question", "error", "information"};
    GalleryShots shots;
    for (const GalleryTheme& theme : Themes()) {
        const QString suffix = QLatin1Char('_') + theme.Name();
        for (int icon = 0; icon < 5; ++icon) {
            frmMessageBox box;
            Theme(box, theme);
            box.Prepare(question, QStringLiteral("Remove Media Path..."), qint16(icon), 3, false);
            shots.append({QStringLiteral("messagebox_icon%1_%2").arg(icon).arg(QString::fromLatin1(iconNames[icon]))
                              + suffix,
                          box.grab().toImage()});
        }
        {
            frmMessageBox box;
            Theme(box, theme);
            box.Prepare(QStringLiteral("This line is long enough to wrap, so the box counts one extra line for it "
                                       "whatever its real length.\r\nReplace the existing file?"),
                        QStringLiteral("Install..."), MessageIcon::None, MessageButtons::YesToAllNoToAllCancel);
            shots.append({QStringLiteral("messagebox_set5_noicon") + suffix, box.grab().toImage()});
        }
        {
            frmInputBox box;
            Theme(box, theme);
            box.Prepare(QStringLiteral("New Theme"), QStringLiteral("Save Theme As..."),
                        QStringLiteral("Title of this Theme:"), false, false);
            shots.append({QStringLiteral("inputbox") + suffix, box.grab().toImage()});
        }
        {
            frmAbout about;
            Theme(about, theme);
            shots.append({QStringLiteral("about") + suffix, about.grab().toImage()});
        }
    }
    return shots;
}

GalleryShots RenderGallery()
{
    GalleryShots shots = RenderControlsGallery();
    shots += RenderDialogsGallery();
    shots += RenderAdvListGallery();
    shots += RenderSettingsGallery();
    shots += RenderThemeEditorGallery();
    shots += RenderMainWindowGallery();
    shots += RenderStatisticsGallery();
    shots += RenderRestoreBackupGallery();
    return shots;
}

QStringList WriteGallery(const GalleryShots& shots, const QString& folder, QString* error)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create the folder %1").arg(folder);
        return {};
    }
    QStringList files;
    for (const auto& [name, image] : shots) {
        const QString file = dir.filePath(name + QStringLiteral(".png"));
        if (!image.save(file, "PNG")) {
            *error = QStringLiteral("cannot write %1").arg(file);
            return {};
        }
        files.append(file);
    }
    return files;
}
