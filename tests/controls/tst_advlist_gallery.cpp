// Writes the list's gallery pictures under the build folder (gallery/advlist_*.png) for a reviewer,
// and checks that each state looks like itself where a wrong layout would show.

#include "AdvListGallery.h"

#include <QDir>
#include <QtTest>

class TestAdvListGallery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesEveryState()
    {
        const QList<std::pair<QString, QImage>> shots = RenderAdvListGallery();
        QCOMPARE(shots.size(), 14);
        QDir folder(QStringLiteral(RV_GALLERY_DIR));
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        QHash<QString, QImage> byName;
        for (const auto& [name, image] : shots) {
            QCOMPARE(image.size(), QSize(560, 260));
            QVERIFY2(image.save(folder.filePath(name + ".png")), qPrintable(name));
            byName.insert(name, image);
        }

        // Dark theme: list background inside the rows, header face in the first header cell, the
        // workspace colour on the vertical bar's back of a filled list.
        const QImage dark = byName.value("advlist_dark_filled");
        QCOMPARE(dark.pixelColor(300, 240), QColor(30, 30, 34));
        QCOMPARE(dark.pixelColor(120, 5), QColor(74, 58, 40));
        QCOMPARE(dark.pixelColor(548, 120).rgb(), QColor(48, 48, 54).rgb());
        QVERIFY(byName.value("advlist_dark_empty").pixelColor(548, 120) != QColor(48, 48, 54));  // no bar when empty
        // The second header cell starts at 152 px: raised (outer top-left in the header highlight)
        // when released, sunken (outer top-left in the header dark shadow) while pressed.
        QCOMPARE(dark.pixelColor(152, 10), QColor(104, 84, 60));
        QCOMPARE(byName.value("advlist_dark_pressed_header").pixelColor(152, 10), QColor(20, 14, 8));
        QCOMPARE(byName.value("advlist_dark_pressed_header").pixelColor(153, 10), QColor(42, 32, 20));
    }
};

QTEST_MAIN(TestAdvListGallery)
#include "tst_advlist_gallery.moc"
