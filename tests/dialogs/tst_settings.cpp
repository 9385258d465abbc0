// frmSettings: the large-preview rule, what "OK" writes, the theme list (and reading it again),
// dropped and added folders, every confirmation as the user reads it, "Cancel" going back to the
// file, the simulator's "...", the dialog's keys, and a settings file that cannot be written. The
// other modal dialogs are answered through their test hooks.

#include "dialogs/frmSettings.h"

#include "MessageBoxReader.h"
#include "ModalDriver.h"
#include "TestFolder.h"
#include "WidgetClicks.h"
#include "controls/ucTabContainer.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"
#include "dialogs/CommonDialogFile.h"
#include "dialogs/FolderDropList.h"
#include "dialogs/PresetAnswers.h"
#include "dialogs/frmMessageBox.h"
#include "dialogs/frmSelectFolder.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "theme/ThemeFile.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

namespace {

const QString kFound = QStringLiteral("/found/sim/");
const QStringList kMediaPaths{QStringLiteral("/m/a/"), QStringLiteral("/m/b/"), QStringLiteral("/m/c/")};

constexpr MessageAnswer kClosed = MessageAnswer::Closed;
constexpr MessageAnswer kCancel = MessageAnswer::Cancel;
constexpr MessageAnswer kYes = MessageAnswer::Yes;
constexpr MessageAnswer kNo = MessageAnswer::No;

enum Command { Remove, Clear, Defaults, Add, Drop, DeleteKey };

// A theme that differs from the built-in one, so a load shows.
Theme NightTheme()
{
    Theme theme = DefaultTheme();
    theme.ListBackground = 0x00203040;
    theme.PreviewWidth = 200;
    return theme;
}

struct Fixture {
    PresetAnswersScope answers;
    TestFolder folder;
    QString program;
    AppSettings settings;
    Theme theme = DefaultTheme();
    int applied = 0;

    Fixture()
    {
        program = folder.createDir(QStringLiteral("prog")) + QLatin1Char('/');
        settings.ThemePath = ThemesFolderPath(program);
        QDir().mkpath(settings.ThemePath);
        settings.MediaPaths = kMediaPaths;
        settings.SimulatorPath = QStringLiteral("/sim/");
        settings.ThemeName = QString();
        QString error;
        if (!SaveTheme(NightTheme(), settings.ThemePath, QStringLiteral("Night"), &error))
            qFatal("the fixture's theme cannot be written: %s", qPrintable(error));
    }
    SettingsDialogContext Context()
    {
        return {program, ScreenMetrics{1024, 768, 15, 15}, [] { return kFound; }, [this] { ++applied; }, {}};
    }
    // What the settings file holds; none when it does not read back.
    std::optional<AppSettings> FileSettings() const
    {
        AppSettings read;
        if (!ReadSettingsFile(SettingsFilePath(program), read))
            return std::nullopt;
        return read;
    }
};

QStringList Shown(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

int CheckedOption(const frmSettings& dialog)
{
    int checked = -1;
    for (int i = 0; i < 6; ++i) {
        if (dialog.LargeViewSizeOptionButton(i)->isChecked()) {
            if (checked >= 0)
                return -2;
            checked = i;
        }
    }
    return checked;
}

// Runs a command of the media page (or "Defaults") as its button (or the Delete key) does. False
// when the dialog could not take the key.
bool Run(frmSettings& dialog, Fixture& f, int command)
{
    switch (command) {
    case Remove: LeftClick(dialog.MediaListButton(1)); break;
    case Clear: LeftClick(dialog.MediaListButton(2)); break;
    case Defaults: LeftClick(dialog.DefaultsButton()); break;
    case Add:
        frmSelectFolder::SetNextAnswer(f.folder.createDir(QStringLiteral("added")));
        LeftClick(dialog.MediaListButton(0));
        break;
    case Drop: dialog.AddDroppedFolders({f.folder.createDir(QStringLiteral("dropped")) + QLatin1Char('/')}); break;
    case DeleteKey:
        dialog.TabHead()->ShowTab(1);
        if (!ShowActive(&dialog))
            return false;
        dialog.MediaPathList()->setFocus();
        QTest::keyClick(dialog.MediaPathList(), Qt::Key_Delete);
        break;
    }
    return true;
}

// The control a keyboard test starts from.
QWidget* Control(const frmSettings& dialog, const QString& name)
{
    if (name == QLatin1String("tabs"))
        return dialog.TabHead();
    if (name == QLatin1String("list"))
        return dialog.MediaPathList();
    if (name == QLatin1String("path"))
        return dialog.TrakoraPathBox();
    if (name == QLatin1String("themes"))
        return dialog.ThemeList();
    if (name == QLatin1String("cancel"))
        return dialog.CancelButton();
    return dialog.DefaultsButton();
}

} // namespace

class tst_settings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Which page each tab shows is the page keys' test.
    void tabTitles()
    {
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Ridevault Settings..."));
        const QStringList titles{QStringLiteral("General"), QStringLiteral("Media"), QStringLiteral("Theme"),
                                 QStringLiteral("Advanced")};
        QCOMPARE(dialog.TabHead()->TabCount(), 4);
        for (int tab = 0; tab < 4; ++tab)
            QCOMPARE(dialog.TabHead()->TabTitle(tab), titles[tab]);
    }

    void okayWritesEverySetting_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QSize>("saved");
        QTest::newRow("700 x 400 fits 640 x 480 by its height") << QSize(700, 400) << 1 << -1 << QSize(640, 480);
        QTest::newRow("1000 x 700") << QSize(1000, 700) << 3 << -1 << QSize(1024, 768);
        QTest::newRow("2000 x 2000") << QSize(2000, 2000) << 5 << -1 << QSize(1600, 1200);
        QTest::newRow("320 x 240 exactly") << QSize(320, 240) << 0 << -1 << QSize(320, 240);
        QTest::newRow("wider than all, 1024 high") << QSize(5000, 1024) << 4 << -1 << QSize(1280, 1024);
        QTest::newRow("800 x 600 chosen") << QSize(640, 480) << 1 << 2 << QSize(800, 600);
        QTest::newRow("1024 x 768 chosen") << QSize(320, 240) << 0 << 3 << QSize(1024, 768);
        QTest::newRow("1600 x 1200 chosen") << QSize(320, 240) << 0 << 5 << QSize(1600, 1200);
    }
    // The large-preview option shown for the stored size, and what "OK" writes into the settings and
    // the file from every control; it also loads and applies the chosen theme.
    void okayWritesEverySetting()
    {
        QFETCH(QSize, stored);
        QFETCH(int, selected);
        QFETCH(int, chosen);
        QFETCH(QSize, saved);
        Fixture f;
        f.settings.LargeViewWidth = stored.width();
        f.settings.LargeViewHeight = stored.height();
        frmSettings dialog(f.settings, f.theme, f.Context());
        QCOMPARE(CheckedOption(dialog), selected);
        if (chosen < 0)
            QCOMPARE(dialog.LargeViewSizeOptionButton(selected)->text(),
                     QStringLiteral("%1 x %2").arg(saved.width()).arg(saved.height()));
        else
            QTest::mouseClick(dialog.LargeViewSizeOptionButton(chosen), Qt::LeftButton);
        QCOMPARE(dialog.NameSchemeCheck(3)->text(), QStringLiteral("Use Filename Filter:  TITLE [*] (AUTHOR)"));
        dialog.NameSchemeCheck(1)->setChecked(false);
        dialog.NameSchemeCheck(4)->setChecked(false);
        dialog.ThemeList()->setCurrentRow(1);
        // Typed without a final separator, and stored so.
        dialog.TrakoraPathBox()->setText(QStringLiteral("/typed/sim"));
        LeftClick(dialog.OkayButton());

        AppSettings expected = f.settings;
        expected.NameReplaceUnderscores = true;
        expected.NameTrimSpaces = false;
        expected.NameAutoFormat = true;
        expected.NameBracketFilter = true;
        expected.NameDashFilter = false;
        expected.LargeViewWidth = saved.width();
        expected.LargeViewHeight = saved.height();
        expected.ThemeName = QStringLiteral("Night");
        expected.SimulatorPath = QStringLiteral("/typed/sim");
        expected.MediaPaths = kMediaPaths;
        QCOMPARE(f.settings, expected);
        // ColumnWidths(7) is never stored, so the file holds the rest.
        expected.ColumnWidths[7] = 0;
        QCOMPARE(f.FileSettings(), std::optional(expected));
        QCOMPARE(f.theme, NightTheme());
        QCOMPARE(f.applied, 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void themeList_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("themeName");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("savedName");
        const QString night = QStringLiteral("Night.rvltt");
        QTest::newRow("extension in capitals")
            << QStringList{QStringLiteral("Sunset.RVLTT")} << QStringLiteral("Sunset") << QStringList{QStringLiteral("Sunset")}
            << 1 << QStringLiteral("Sunset");
        // Listed as "Double", which names no file: "OK" falls back to the built-in theme.
        QTest::newRow("extension twice") << QStringList{QStringLiteral("Double.rvltt.RvLtT")} << QStringLiteral("double")
                                         << QStringList{QStringLiteral("Double")} << 1 << QString();
        QTest::newRow("name order ignoring case, other files left out")
            << QStringList{QStringLiteral("beta.rvltt"), QStringLiteral("Alpha.rvltt"), QStringLiteral("notes.txt"),
                           QStringLiteral("rvltt.bak")}
            << QStringLiteral("BETA") << QStringList{QStringLiteral("Alpha"), QStringLiteral("beta")} << 2
            << QStringLiteral("beta");
        QTest::newRow("ThemeName in other letter case") << QStringList{night} << QStringLiteral("NIGHT")
                                                         << QStringList{QStringLiteral("Night")} << 1 << QStringLiteral("Night");
        QTest::newRow("a hidden file is no theme") << QStringList{QStringLiteral(".Night.rvltt")} << QStringLiteral(".Night")
                                                   << QStringList{} << 0 << QString();
        QTest::newRow("empty ThemeName") << QStringList{night} << QString() << QStringList{QStringLiteral("Night")} << 0
                                         << QString();
        QTest::newRow("missing theme") << QStringList{night} << QStringLiteral("Gone") << QStringList{QStringLiteral("Night")}
                                       << 0 << QString();
    }
    void themeList()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, themeName);
        QFETCH(QStringList, listed);
        QFETCH(QString, savedName);
        Fixture f;
        QFile::remove(ThemeFilePath(f.settings.ThemePath, QStringLiteral("Night")));
        for (const QString& file : files)
            f.folder.createFile(QStringLiteral("prog/Themes/") + file, EncodeTheme(NightTheme()));
        f.settings.ThemeName = themeName;
        frmSettings dialog(f.settings, f.theme, f.Context());
        QCOMPARE(Shown(dialog.ThemeList()), QStringList{QStringLiteral("<Default Theme>")} + listed);
        QTEST(dialog.ThemeList()->currentRow(), "selected");
        LeftClick(dialog.OkayButton());
        const std::optional<AppSettings> written = f.FileSettings();
        QVERIFY(written);
        QCOMPARE(written->ThemeName, savedName);
        QCOMPARE(f.theme, savedName.isEmpty() ? DefaultTheme() : NightTheme());
    }

    // "Add" appends without a duplicate check ("Cancel" adds nothing); a drop offering only folders is
    // taken, and its folders are appended with its files skipped.
    void foldersAreAppended()
    {
        Fixture f;
        const QString one = f.folder.createDir(QStringLiteral("drop/one"));
        const QString two = f.folder.createDir(QStringLiteral("drop/two"));
        const QString file = f.folder.createFile(QStringLiteral("drop/track.tktrack"));
        frmSettings dialog(f.settings, f.theme, f.Context());
        for (const QString& answer : {one, one, QString()})
            frmSelectFolder::SetNextAnswer(answer);
        for (int i = 0; i < 3; ++i)
            LeftClick(dialog.MediaListButton(0));
        QCOMPARE(frmSelectFolder::PendingAnswers(), 0);

        QWidget* target = dialog.MediaPathList()->viewport();
        const auto urls = [](const QStringList& paths) {
            QList<QUrl> list;
            for (const QString& path : paths)
                list.append(QUrl::fromLocalFile(path));
            return list;
        };
        const auto offers = [&](const QStringList& paths) {
            QMimeData data;
            data.setUrls(urls(paths));
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(target, &enter);
            return enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
        };
        QVERIFY(offers({one, two}));
        QVERIFY(!offers({one, file}));
        QVERIFY(!offers({}));
        QMimeData data;
        data.setUrls(urls({one, file, two}));
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);

        const QStringList expected = kMediaPaths + QStringList{one + QLatin1Char('/'), one + QLatin1Char('/'),
                                                               one + QLatin1Char('/'), two + QLatin1Char('/')};
        QCOMPARE(f.settings.MediaPaths, expected);
        QCOMPARE(Shown(dialog.MediaPathList()), expected);
    }

    void confirmations_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<int>>("selectedRows");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("folders");  // afterwards
        const struct {
            Command command;
            const char* name;
            QString text;
            QString caption;
            QStringList afterYes;
        } confirmations[] = {
            {Remove, "Remove", QStringLiteral("Are you sure you want to reomve the selected items from the Media Path list?"),
             QStringLiteral("Confirm Remove..."), {QStringLiteral("/m/b/")}},
            {Clear, "Clear", QStringLiteral("Are you sure you want to clear the Media Path list?"),
             QStringLiteral("Confirm Clear..."), {}},
            {Defaults, "Defaults", QStringLiteral("Are you sure you want to reset to Default Settings?\nThis Can NOT be UnDone!"),
             QStringLiteral("Confirm Reset Settings..."), {kFound + QStringLiteral("Tracks/")}},
        };
        for (const auto& c : confirmations) {
            QTest::addRow("%s, Yes", c.name) << int(c.command) << QList<int>{0, 2} << kYes << c.text << c.caption << c.afterYes;
            for (const auto& [answer, answerName] : {std::pair{kNo, "No"}, {kCancel, "Cancel"}, {kClosed, "closed"}})
                QTest::addRow("%s, %s", c.name, answerName) << int(c.command) << QList<int>{1} << answer << c.text << c.caption
                                                             << kMediaPaths;
        }
        QTest::newRow("Delete key, Yes") << int(DeleteKey) << QList<int>{0, 2} << kYes << confirmations[0].text
                                         << confirmations[0].caption << QStringList{QStringLiteral("/m/b/")};
        QTest::newRow("Delete key, No") << int(DeleteKey) << QList<int>{1} << kNo << confirmations[0].text
                                        << confirmations[0].caption << kMediaPaths;
        QTest::newRow("Remove, nothing selected, Yes") << int(Remove) << QList<int>{} << kYes << confirmations[0].text
                                                       << confirmations[0].caption << kMediaPaths;
    }
    void confirmations()
    {
        QFETCH(int, command);
        QFETCH(QList<int>, selectedRows);
        QFETCH(MessageAnswer, answer);
        QFETCH(QStringList, folders);
        Fixture f;
        f.settings.NameDashFilter = false;
        f.theme = NightTheme();
        frmSettings dialog(f.settings, f.theme, f.Context());
        for (int row : selectedRows)
            dialog.MediaPathList()->item(row)->setSelected(true);
        const AppSettings before = f.settings;
        ShownMessage shown;
        ReadNextMessageBox(shown, answer);
        QVERIFY(Run(dialog, f, command));
        QTEST(shown.text, "text");
        QTEST(shown.caption, "caption");
        QCOMPARE(shown.buttons, (QList<int>{2, 3, 1}));  // Yes, No, Cancel
        QVERIFY(shown.icon);
        QCOMPARE(f.settings.MediaPaths, folders);
        QCOMPARE(Shown(dialog.MediaPathList()), folders);
        if (folders == kMediaPaths)
            QCOMPARE(f.settings, before);
        // "Defaults" resets every setting and the theme, and the controls show it.
        const bool reset = command == Defaults && answer == kYes;
        QCOMPARE(dialog.NameSchemeCheck(4)->isChecked(), reset);
        QCOMPARE(f.theme, reset ? DefaultTheme() : NightTheme());
        if (reset)
            QCOMPARE(dialog.TrakoraPathBox()->text(), kFound);
    }

    void cancelGoesBackToTheFile_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("after Add") << int(Add);
        QTest::newRow("after Remove") << int(Remove);
        QTest::newRow("after Clear") << int(Clear);
        QTest::newRow("after Defaults") << int(Defaults);
        QTest::newRow("after a drop") << int(Drop);
    }
    void cancelGoesBackToTheFile()
    {
        QFETCH(int, command);
        Fixture f;
        f.settings.LargeViewWidth = 1280;
        f.settings.LargeViewHeight = 1024;
        QVERIFY(SaveSettings(f.settings, f.program));
        const std::optional<AppSettings> file = f.FileSettings();
        QVERIFY(file);
        const AppSettings saved = *file;
        frmSettings dialog(f.settings, f.theme, f.Context());
        dialog.MediaPathList()->item(0)->setSelected(true);
        frmMessageBox::SetNextAnswer(kYes);
        QVERIFY(Run(dialog, f, command));
        QVERIFY(f.settings.MediaPaths != saved.MediaPaths);
        // "Apply" shows the theme without saving; "Cancel" leaves it on screen.
        dialog.ThemeList()->setCurrentRow(1);
        LeftClick(dialog.ThemeButton(1));
        QCOMPARE(f.applied, 1);
        QCOMPARE(f.theme, NightTheme());
        LeftClick(dialog.CancelButton());

        AppSettings expected = saved;
        expected.ColumnWidths[7] = f.settings.ColumnWidths[7];
        QCOMPARE(f.settings, expected);
        QCOMPARE(f.theme, NightTheme());
        QCOMPARE(f.applied, 1);
        QCOMPARE(f.FileSettings(), std::optional(saved));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void cancelWithoutFileUndoesNothing()
    {
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        frmMessageBox::SetNextAnswer(kYes);
        QVERIFY(Run(dialog, f, Clear));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(f.settings.MediaPaths.isEmpty());
        QVERIFY(!QFileInfo::exists(SettingsFilePath(f.program)));
    }

    void browseFillsTheTextBoxOnly_data()
    {
        QTest::addColumn<bool>("simulatorExists");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("simulator folder exists, a file chosen") << true << true;
        QTest::newRow("no such folder, a file chosen") << false << true;
        QTest::newRow("dialog cancelled") << true << false;
    }
    void browseFillsTheTextBoxOnly()
    {
        QFETCH(bool, simulatorExists);
        QFETCH(bool, chosen);
        Fixture f;
        const QString other = f.folder.createDir(QStringLiteral("Other Sim"));
        if (simulatorExists)
            f.settings.SimulatorPath = f.folder.createDir(QStringLiteral("Sim")) + QLatin1Char('/');
        const AppSettings before = f.settings;
        frmSettings dialog(f.settings, f.theme, f.Context());
        OpenFileDialogHook::SetNextAnswer(chosen ? other + QStringLiteral("/trakorasimulator.EXE") : QString());
        LeftClick(dialog.BrowseButton());

        const OpenFileRequest request = OpenFileDialogHook::LastRequest();
        QCOMPARE(request.Filter, QStringLiteral("Trakora Simulator|TrakoraSimulator*.exe"));
        QCOMPARE(request.Title, QStringLiteral("Locate Trakora Simulator Application..."));
        QCOMPARE(request.DefaultExtension, QStringLiteral("exe"));
        QVERIFY(request.FileMustExist);
        QCOMPARE(request.InitialFolder, simulatorExists ? before.SimulatorPath : f.program);
        QCOMPARE(dialog.TrakoraPathBox()->text(), chosen ? other + QLatin1Char('/') : before.SimulatorPath);
        QCOMPARE(f.settings, before);
    }

    // Without an editor the button only reads the list again. (The editor opened over this dialog and
    // its saved theme listed at once are the main window's test.)
    void themeButtonReadsTheListAgain()
    {
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        QVERIFY(SaveTheme(DefaultTheme(), f.settings.ThemePath, QStringLiteral("Made Meanwhile")));
        LeftClick(dialog.ThemeButton(0));
        QCOMPARE(Shown(dialog.ThemeList()),
                 (QStringList{QStringLiteral("<Default Theme>"), QStringLiteral("Made Meanwhile"), QStringLiteral("Night")}));
    }

    void pageKeys_data()
    {
        QTest::addColumn<QString>("from");  // the control with the focus
        QTest::addColumn<int>("page");      // shown first
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("shown");
        QTest::newRow("Ctrl+Tab") << "defaults" << 0 << QStringList{"{Ctrl+Tab}"} << 1;
        QTest::newRow("Ctrl+Tab wraps") << "defaults" << 3 << QStringList{"{Ctrl+Tab}"} << 0;
        QTest::newRow("Ctrl+Shift+Tab wraps back") << "defaults" << 0 << QStringList{"{Ctrl+Shift+Tab}"} << 3;
        QTest::newRow("Ctrl+Shift+Backtab, as X11 sends it") << "defaults" << 2 << QStringList{"{Ctrl+Shift+Backtab}"} << 1;
        QTest::newRow("Ctrl+PgDown in the media list") << "list" << 1 << QStringList{"{Ctrl+PgDown}"} << 2;
        QTest::newRow("Ctrl+PgUp in the theme list") << "themes" << 2 << QStringList{"{Ctrl+PgUp}"} << 1;
        QTest::newRow("Ctrl+Tab in the text box") << "path" << 3 << QStringList{"{Ctrl+Tab}", "{Ctrl+Tab}"} << 1;
        QTest::newRow("Tab reaches the tab head, Right moves") << "defaults" << 0 << QStringList{"{Tab}", "{Right}", "{Right}"} << 2;
        QTest::newRow("Left stops at the first tab") << "tabs" << 1 << QStringList{"{Left}", "{Left}"} << 0;
        QTest::newRow("Right stops at the last tab") << "tabs" << 2 << QStringList{"{Right}", "{Right}"} << 3;
        QTest::newRow("End and Home") << "tabs" << 1 << QStringList{"{End}", "{Home}", "{Right}"} << 1;
    }
    // Real key events to whatever has the focus, on the shown dialog.
    void pageKeys()
    {
        QFETCH(QString, from);
        QFETCH(int, page);
        QFETCH(QStringList, keys);
        QFETCH(int, shown);
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        dialog.TabHead()->ShowTab(page);
        QVERIFY(ShowActive(&dialog));
        Control(dialog, from)->setFocus();
        QCOMPARE(QApplication::focusWidget(), Control(dialog, from));
        TypeSteps(&dialog, keys);
        QCOMPARE(dialog.TabHead()->CurrentTab(), shown);
        for (int i = 0; i < frmSettings::kTabCount; ++i)
            QCOMPARE(dialog.TabFrame(i)->isVisible(), i == shown);
        QVERIFY(dialog.isVisible());
    }

    void enterAndEscape_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("saved");  // "OK" ran, else "Cancel"
        QTest::newRow("Enter on the tab head") << "tabs" << 0 << "{Return}" << true;
        QTest::newRow("keypad Enter in the media list") << "list" << 1 << "{Enter}" << true;
        QTest::newRow("Enter in the theme list") << "themes" << 2 << "{Return}" << true;
        QTest::newRow("Enter in the text box") << "path" << 3 << "{Return}" << true;
        QTest::newRow("Enter on Cancel presses Cancel") << "cancel" << 0 << "{Return}" << false;
        QTest::newRow("Escape in the text box") << "path" << 3 << "{Esc}" << false;
        QTest::newRow("Escape in the media list") << "list" << 1 << "{Esc}" << false;
    }
    void enterAndEscape()
    {
        QFETCH(QString, from);
        QFETCH(int, page);
        QFETCH(QString, key);
        QFETCH(bool, saved);
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        dialog.TabHead()->ShowTab(page);
        QVERIFY(ShowActive(&dialog));
        Control(dialog, from)->setFocus();
        dialog.TrakoraPathBox()->setText(QStringLiteral("/typed/sim/"));
        TypeSteps(&dialog, {key});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(saved ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(f.FileSettings().has_value(), saved);
        QCOMPARE(f.settings.SimulatorPath, saved ? QStringLiteral("/typed/sim/") : QStringLiteral("/sim/"));
    }

    // Delete with nothing selected asks nothing and removes nothing.
    void deleteKeyWithoutSelection()
    {
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        frmMessageBox::SetNextAnswer(kYes);
        QVERIFY(Run(dialog, f, DeleteKey));
        QCOMPARE(frmMessageBox::PendingAnswers(), 1);
        QCOMPARE(f.settings.MediaPaths, kMediaPaths);
    }

    // A settings file that cannot be written is shown, and the settings stay in effect.
    void failedSaveIsShown()
    {
        Fixture f;
        SettingsDialogContext context = f.Context();
        context.ProgramFolder = f.folder.path() + QStringLiteral("/no such folder/");
        frmSettings dialog(f.settings, f.theme, context);
        dialog.TrakoraPathBox()->setText(QStringLiteral("/typed/sim/"));
        ShownMessage shown;
        ReadNextMessageBox(shown, MessageAnswer::OK);
        LeftClick(dialog.OkayButton());
        QCOMPARE(shown.caption, QStringLiteral("Save Failed..."));
        QVERIFY2(shown.text.startsWith(QStringLiteral("The settings could not be saved!\n")), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(SettingsFilePath(context.ProgramFolder)), qPrintable(shown.text));
        QCOMPARE(shown.buttons, QList<int>{0});
        QCOMPARE(f.settings.SimulatorPath, QStringLiteral("/typed/sim/"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // With the default theme the dialog's labels and text boxes take a desktop palette that changes
    // while it is open, as the desktop's own dialogs do.
    void followsTheDesktopPalette()
    {
        Fixture f;
        frmSettings dialog(f.settings, f.theme, f.Context());
        dialog.TabHead()->ShowTab(3);
        QVERIFY(ShowActive(&dialog));
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        dark.setColor(QPalette::Window, QColor(30, 30, 30));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(20, 20, 20));
        dark.setColor(QPalette::Text, QColor(240, 240, 240));
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        QApplication::setPalette(dark);
        QEvent themeChange(QEvent::ThemeChange);
        QCoreApplication::sendEvent(&dialog, &themeChange);
        const QLabel* label = dialog.findChild<QLabel*>();
        QVERIFY(label);
        // The change reaches the widgets as posted events.
        QTRY_COMPARE(dialog.TrakoraPathBox()->palette().color(QPalette::Text), QColor(240, 240, 240));
        QCOMPARE(dialog.TrakoraPathBox()->palette().color(QPalette::Base), QColor(20, 20, 20));
        QTRY_COMPARE(label->palette().color(QPalette::WindowText), QColor(230, 230, 230));
    }
};

QTEST_MAIN(tst_settings)
#include "tst_settings.moc"
