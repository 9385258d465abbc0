// Writes the gallery of every control and dialog under the build folder (gallery/*.png) for a
// reviewer, and checks the pictures where a wrong colour or layout would show.

#include "Gallery.h"
#include "ThemeEditorGallery.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTest>

class tst_gallery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesEveryPicture()
    {
        const GalleryShots shots = RenderGallery();
        QHash<QString, QImage> byName;
        int listStates = 0;  // the list's states share one size
        for (const auto& [name, image] : shots) {
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY2(!byName.contains(name), qPrintable(name));
            byName.insert(name, image);
            if (name.startsWith(QLatin1String("advlist_"))) {
                QCOMPARE(image.size(), QSize(560, 260));
                ++listStates;
            }
        }
        QCOMPARE(listStates, 14);
        for (const char* name : {"frame_styles", "textbutton_states", "statusbar_two_fields", "tabs_four",
                                 "dib_stretched", "messagebox_icon0_application", "messagebox_icon1_warning",
                                 "messagebox_icon2_question", "messagebox_icon3_error", "messagebox_icon4_information",
                                 "messagebox_set5_noicon", "inputbox", "about", "settings_general", "settings_media",
                                 "settings_theme", "settings_advanced", "selectfolder", "themeeditor",
                                 "colorpicker_chosen", "mainwindow_filled", "mainwindow_selected",
                                 "mainwindow_file_menu", "mainwindow_view_menu_keyboard", "statistics"}) {
            for (const char* theme : {"_default", "_dark"})
                QVERIFY2(byName.contains(QLatin1String(name) + QLatin1String(theme)), name);
        }

        QString error;
        const QStringList files = WriteGallery(shots, QStringLiteral(RV_GALLERY_DIR), &error);
        QVERIFY2(!files.isEmpty(), qPrintable(error));
        QCOMPARE(files.size(), shots.size());
        QVERIFY(QFileInfo::exists(QStringLiteral(RV_GALLERY_DIR "/frame_styles_dark.png")));

        // Dark frames: style 0 at (10, 10) has its inner left line in the bright highlight, the face inside.
        const QImage frames = byName.value(QStringLiteral("frame_styles_dark"));
        QCOMPARE(frames.pixelColor(11, 50), QColor(112, 116, 126));
        QCOMPARE(frames.pixelColor(10, 50), QColor(34, 35, 39));
        QCOMPARE(frames.pixelColor(140, 70), QColor(52, 54, 60));
        // The 600 px status bar: field 1 starts at 394 with its shadow line.
        const QImage bars = byName.value(QStringLiteral("statusbar_two_fields_dark"));
        QCOMPARE(bars.pixelColor(394, 15), QColor(14, 14, 16));
        QCOMPARE(bars.pixelColor(395, 15), QColor(112, 116, 126));
        // The picker shows the colour chosen in "Current".
        for (const char* theme : {"colorpicker_chosen_default", "colorpicker_chosen_dark"})
            QCOMPARE(byName.value(QLatin1String(theme)).pixelColor(kPickerCurrentX, kPickerCurrentY), QColor(70, 110, 170));
        // Each icon shows: the icon's box is not one flat colour.
        for (int icon = 0; icon < 5; ++icon) {
            const auto it = std::find_if(shots.begin(), shots.end(), [icon](const auto& shot) {
                return shot.first.startsWith(QStringLiteral("messagebox_icon%1").arg(icon));
            });
            const QImage iconBox = it->second.copy(4, 4, 32, 32);
            QSet<QRgb> colours;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x)
                    colours.insert(iconBox.pixel(x, y));
            }
            QVERIFY2(colours.size() > 2, qPrintable(it->first));
        }

        // The dark list: list background inside the rows, header face in the first header cell, the
        // workspace colour on the vertical bar's back when filled.
        const QImage list = byName.value(QStringLiteral("advlist_dark_filled"));
        QCOMPARE(list.pixelColor(300, 240), QColor(30, 30, 34));
        QCOMPARE(list.pixelColor(120, 5), QColor(74, 58, 40));
        QCOMPARE(list.pixelColor(548, 120).rgb(), QColor(48, 48, 54).rgb());
        QVERIFY(byName.value(QStringLiteral("advlist_dark_empty")).pixelColor(548, 120) != QColor(48, 48, 54));
        // The second header cell starts at 152 px: raised (outer top-left in the header highlight)
        // when released, sunken (outer top-left in the header dark shadow) while pressed.
        QCOMPARE(list.pixelColor(152, 10), QColor(104, 84, 60));
        const QImage pressed = byName.value(QStringLiteral("advlist_dark_pressed_header"));
        QCOMPARE(pressed.pixelColor(152, 10), QColor(20, 14, 8));
        QCOMPARE(pressed.pixelColor(153, 10), QColor(42, 32, 20));
    }
};

QTEST_MAIN(tst_gallery)
#include "tst_gallery.moc"
