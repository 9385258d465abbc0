#include "MainWindowFixture.h"

#include "controls/ucAdvList.h"
#include "controls/ucStatusBar.h"
#include "library/MediaDatabase.h"
#include "settings/SettingsFile.h"

#include <QLabel>
#include <QTest>

ScreenMetrics TestScreen()
{
    ScreenMetrics screen;
    screen.WidthPixels = 1280;
    screen.HeightPixels = 1024;
    return screen;
}

MediaRecord TestRecord(const QString& path, const QString& title, const QString& author, qint32 rideCount)
{
    MediaRecord record;
    record.FilePath = path;
    record.FileType = path.endsWith(QLatin1String(".tkpack")) ? FileTypePackage : FileTypeTrack;
    record.TypeName = TypeNameOf(record.FileType);
    record.AddDate = QStringLiteral("01/02/2003 04:05:06");
    record.RideCount = rideCount;
    record.Title = title;
    record.Author = author;
    return record;
}

MainWindowFixture::MainWindowFixture() = default;

void MainWindowFixture::WriteDatabase(const std::vector<MediaRecord>& records)
{
    MediaTable table;
    table.Replace(records);
    QVERIFY(SaveMediaDatabase(table, ProgramFolder()));
}

void MainWindowFixture::WriteSettings(const std::function<void(AppSettings&, Theme&)>& edit)
{
    AppSettings settings;
    Theme theme;
    SetDefaultSettings(settings, theme, TestScreen(), ProgramFolder(), [] { return QString(); });
    edit(settings, theme);
    QVERIFY(SaveSettings(settings, ProgramFolder()));
}

frmMain& MainWindowFixture::Open()
{
    window.reset();
    state = AppState();
    state.ProgramFolder = ProgramFolder();
    // Discovery finds no simulator: a test that needs one writes its folder into the settings.
    window = std::make_unique<frmMain>(state, TestScreen(), [] { return QString(); });
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the main window did not become active");
    return *window;
}

bool MainWindowFixture::Close()
{
    window->close();
    return !window->isVisible();
}

ucAdvList* MainWindowFixture::List() const
{
    return Child<ucAdvList>(QStringLiteral("alMain"));
}

QStringList MainWindowFixture::ListTitles() const
{
    QStringList titles;
    const ucAdvList* list = List();
    for (int row = 0; row < list->RowCount(); ++row)
        titles.append(list->ListItem(0, row));
    return titles;
}

QPoint MainWindowFixture::RowPoint(int row) const
{
    return QPoint(20, List()->RowsTop() + row * List()->RowPitch() + 2);
}

void MainWindowFixture::ClickRow(int row) const
{
    QTest::mouseClick(List(), Qt::LeftButton, {}, RowPoint(row));
}

void MainWindowFixture::ClickLabel(const QString& name) const
{
    QTest::mouseClick(Child<QLabel>(name), Qt::LeftButton);
}

QString MainWindowFixture::StatusText(int field) const
{
    return Child<ucStatusBar>(QStringLiteral("sbMain"))->FieldText(field);
}
