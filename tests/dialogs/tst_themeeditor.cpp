// frmEditTheme: the dirty flag through every path, the preview-size rules, Save with its name prompt
// and overwrite question (and the file it writes, read back by the theme reader), Exit's question and
// answers, names Save refuses or finds in another letter case, a save that fails, and Colorize from
// Background on a system colour face and on an RGB one. The questions are read from the real message
// box while it is open.

#include "dialogs/frmEditTheme.h"

#include "MessageBoxReader.h"
#include "ModalDriver.h"
#include "WidgetClicks.h"
#include "TestFolder.h"
#include "controls/ucTextButton.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/FontSampleBox.h"
#include "dialogs/PresetAnswers.h"
#include "dialogs/ShowFontDialog.h"
#include "dialogs/frmColorPicker.h"
#include "dialogs/frmInputBox.h"
#include "dialogs/frmMessageBox.h"
#include "settings/AppSettings.h"
#include "theme/ThemeFile.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using Frame = frmEditTheme::ColorFrame;

// Serif 10.25 pt, weight 600 (bold), italic: the dialog's answer in the tests below.
QFont ChosenFont()
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(10.25);
    font.setWeight(QFont::DemiBold);
    font.setItalic(true);
    return font;
}

struct Fixture {
    PresetAnswersScope answers;
    TestFolder folder;
    AppSettings settings;
    Theme theme = DefaultTheme();
    PreviousColors previous;
    int applied = 0;

    Fixture() { settings.ThemePath = folder.path() + QLatin1Char('/'); }
    std::function<void()> ApplyHook()
    {
        return [this] { ++applied; };
    }
    QString ThemeFile(const QString& name) const { return ThemeFilePath(settings.ThemePath, name); }
};

// One user action on the editor, with the answer its dialog will get queued first: "pick", "font" and
// "save", each also as "... cancel" (the dialog cancelled), the first two also "... by keyboard";
// "preview" (also "... by keyboard", the Down key from the checked option, and "... by screen
// reader", its toggle action), "colorize" and "apply". False for a step it could not take.
bool Step(frmEditTheme& editor, const QString& step)
{
    const bool cancel = step.endsWith(QLatin1String(" cancel"));
    const QString what = step.section(QLatin1Char(' '), 0, 0);
    QWidget* target = nullptr;
    if (what == QLatin1String("pick")) {
        frmColorPicker::SetNextAnswer(cancel ? std::optional<OleColor>() : RgbColor(1, 2, 3));
        target = editor.Swatch(Frame::List, 2);
    } else if (what == QLatin1String("font")) {
        SetNextFontDialogAnswer(cancel ? std::optional<QFont>() : ChosenFont());
        target = editor.FontBox(1);
    } else if (what == QLatin1String("save")) {
        frmInputBox::SetNextAnswer(QStringLiteral("Mine"), !cancel);
        target = editor.SaveButton();
    } else if (step == QLatin1String("preview by keyboard")) {
        QRadioButton* checked = editor.PreviewOption(4);
        if (!checked->isChecked() || !ShowActive(&editor))
            return false;
        checked->setFocus();
        QTest::keyClick(checked, Qt::Key_Down);
        return editor.PreviewOption(5)->isChecked();
    } else if (step == QLatin1String("preview by screen reader")) {
        QAccessibleInterface* option = QAccessible::queryAccessibleInterface(editor.PreviewOption(6));
        if (!option || !option->actionInterface() ||
            !option->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()))
            return false;
        option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        return editor.PreviewOption(6)->isChecked();
    } else if (what == QLatin1String("preview")) {
        editor.PreviewOption(6)->click();
        return true;
    } else if (what == QLatin1String("colorize")) {
        target = editor.AutoColorButton(2);
    } else if (what == QLatin1String("apply")) {
        target = editor.ApplyButton();
    }
    if (!target)
        return false;
    if (step.endsWith(QLatin1String(" by keyboard")))
        QTest::keyClick(target, what == QLatin1String("pick") ? Qt::Key_Space : Qt::Key_Return);
    else
        LeftClick(target);
    return true;
}

int PendingAnswers() { return PresetAnswerQueueBase::PendingInAll(); }

} // namespace

class tst_themeeditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dirtyFlag_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("dirty");
        QTest::addColumn<int>("applied");
        QTest::newRow("opening") << QStringList{} << false << 0;
        QTest::newRow("colour picked") << QStringList{"pick"} << true << 0;
        QTest::newRow("colour picked from the keyboard") << QStringList{"pick by keyboard"} << true << 0;
        QTest::newRow("picker cancelled") << QStringList{"pick cancel"} << false << 0;
        QTest::newRow("font chosen") << QStringList{"font"} << true << 0;
        QTest::newRow("font chosen from the keyboard") << QStringList{"font by keyboard"} << true << 0;
        QTest::newRow("font dialog cancelled") << QStringList{"font cancel"} << false << 0;
        QTest::newRow("preview size clicked") << QStringList{"preview"} << true << 0;
        QTest::newRow("preview size by the arrow keys") << QStringList{"preview by keyboard"} << true << 0;
        QTest::newRow("preview size by a screen reader") << QStringList{"preview by screen reader"} << true << 0;
        QTest::newRow("colorized") << QStringList{"colorize"} << true << 0;
        QTest::newRow("Apply does not clear it") << QStringList{"pick", "apply"} << true << 1;
        QTest::newRow("Apply does not set it") << QStringList{"apply"} << false << 1;
        QTest::newRow("Save clears it") << QStringList{"font", "save"} << false << 1;
        QTest::newRow("Save cancelled at the name") << QStringList{"font", "save cancel"} << true << 0;
        QTest::newRow("dirty again after Save") << QStringList{"save", "pick"} << true << 1;
    }
    void dirtyFlag()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, applied);
        Fixture f;
        frmEditTheme editor(f.theme, f.settings, f.previous, f.ApplyHook());
        QCOMPARE(editor.ThemeDirty(), false);
        for (const QString& step : steps)
            QVERIFY2(Step(editor, step), qPrintable(step));
        QTEST(editor.ThemeDirty(), "dirty");
        QCOMPARE(f.applied, applied);
        QCOMPARE(PendingAnswers(), 0);
        // The editor works on copies: the theme changes only on Apply or Save.
        if (applied == 0)
            QCOMPARE(f.theme, DefaultTheme());
    }

    void previewSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("option");
        QTest::addColumn<QSize>("stored");
        QTest::newRow("200 x 150") << QSize(200, 150) << 5 << QSize(240, 180);
        QTest::newRow("40 x 30") << QSize(40, 30) << 0 << QSize(40, 30);
        QTest::newRow("a short side wins") << QSize(1000, 31) << 1 << QSize(60, 45);
        QTest::newRow("160 x 120") << QSize(160, 120) << 4 << QSize(160, 120);
        QTest::newRow("241 x 180") << QSize(241, 180) << 5 << QSize(240, 180);
        QTest::newRow("241 x 181") << QSize(241, 181) << 6 << QSize(320, 240);
    }
    void previewSize()
    {
        QFETCH(QSize, size);
        QFETCH(int, option);
        Fixture f;
        f.theme.PreviewWidth = size.width();
        f.theme.PreviewHeight = size.height();
        bool ran = false;
        frmEditTheme::SetNextAction([&](frmEditTheme& editor) {
            ran = true;
            for (int i = 0; i < 7; ++i)
                QCOMPARE(editor.PreviewOption(i)->isChecked(), i == option);
            QVERIFY(!editor.ThemeDirty());
            LeftClick(editor.ApplyButton());
        });
        frmEditTheme::EditTheme(f.theme, f.settings, f.previous, f.ApplyHook(), nullptr);
        QVERIFY(ran);
        QTEST(QSize(f.theme.PreviewWidth, f.theme.PreviewHeight), "stored");
        QCOMPARE(f.applied, 1);
    }

    void saveAndExit_data()
    {
        QTest::addColumn<QString>("how");  // the Save or Exit button, or the window's close box
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QList<MessageAnswer>>("answers");  // to the questions, in the order they are asked
        QTest::addColumn<QString>("name");  // typed at the name prompt; "" cancels it
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");  // under that name, with the changes
        using A = MessageAnswer;
        // A colour, a font and the preview size, so the file written shows each of them.
        const QStringList edits{"pick", "font", "preview"};
        QTest::newRow("Save, a new name") << "save" << edits << QList<A>{} << "Mine" << false << true;
        QTest::newRow("Save, overwrite Yes") << "save" << edits << QList<A>{A::Yes} << "Taken" << false << true;
        QTest::newRow("Save, overwrite No stays dirty") << "save" << edits << QList<A>{A::No} << "Taken" << false << false;
        QTest::newRow("Save, overwrite Cancel") << "save" << edits << QList<A>{A::Cancel} << "Taken" << false << false;
        QTest::newRow("Save, overwrite box closed") << "save" << edits << QList<A>{A::Closed} << "Taken" << false << false;
        QTest::newRow("Exit clean: no question") << "exit" << QStringList{} << QList<A>{} << "" << true << false;
        QTest::newRow("Exit, Cancel stays") << "exit" << edits << QList<A>{A::Cancel} << "" << false << false;
        QTest::newRow("Exit, No closes unsaved") << "exit" << edits << QList<A>{A::No} << "" << true << false;
        QTest::newRow("Exit, question closed: closes") << "exit" << edits << QList<A>{A::Closed} << "" << true << false;
        QTest::newRow("Exit, Yes saves and closes") << "exit" << edits << QList<A>{A::Yes} << "Mine" << true << true;
        QTest::newRow("Exit, Yes, name cancelled") << "exit" << edits << QList<A>{A::Yes} << "" << false << false;
        QTest::newRow("Exit, Yes, overwrite No") << "exit" << edits << QList<A>{A::Yes, A::No} << "Taken" << false << false;
        QTest::newRow("Exit after Apply asks") << "exit" << QStringList{"pick", "apply"} << QList<A>{A::Cancel} << "" << false
                                               << false;
        QTest::newRow("close box asks too") << "close" << edits << QList<A>{A::Cancel} << "" << false << false;
    }
    void saveAndExit()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, changes);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, name);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        Fixture f;
        f.settings.ThemeName = QStringLiteral("Old");
        const QByteArray taken("someone else's theme");
        f.folder.createFile(QStringLiteral("Taken.rvltt"), taken);
        frmEditTheme editor(f.theme, f.settings, f.previous, f.ApplyHook());
        editor.show();
        for (const QString& step : changes)
            QVERIFY2(Step(editor, step), qPrintable(step));
        ShownMessage shown;
        if (!answers.isEmpty())
            ReadNextMessageBox(shown, answers[0], answers.mid(1));
        // Save asks for the name first; Exit only after Yes to saving.
        const bool save = how == QLatin1String("save");
        if (save || answers.value(0) == MessageAnswer::Yes)
            frmInputBox::SetNextAnswer(name, !name.isEmpty());
        if (how == QLatin1String("close"))
            editor.close();
        else
            LeftClick(save ? editor.SaveButton() : editor.ExitButton());
        QCOMPARE(PendingAnswers(), 0);
        if (!answers.isEmpty()) {
            QCOMPARE(shown.text, save ? QStringLiteral("Theme Already Exists!\nOverwrite exiting theme?")
                                      : QStringLiteral("There are unsaved changes to the current theme!\nSave theme?"));
            QCOMPARE(shown.caption, save ? QStringLiteral("Theme Exists...") : QStringLiteral("Unsaved Changes..."));
            QCOMPARE(shown.buttons, (QList<int>{2, 3, 1}));  // Yes, No, Cancel
            QVERIFY(shown.icon);
        }
        QCOMPARE(!editor.isVisible(), closed);
        if (!closed)
            QCOMPARE(editor.ThemeDirty(), !saved);
        QCOMPARE(f.settings.ThemeName, saved ? name : QStringLiteral("Old"));
        const bool applied = saved || changes.contains(QStringLiteral("apply"));
        QCOMPARE(f.applied, applied ? 1 : 0);
        // The theme already there is replaced only after Yes to overwriting it.
        if (!saved || name != QLatin1String("Taken"))
            QCOMPARE(TestFolder::readFile(f.ThemeFile(QStringLiteral("Taken"))), taken);
        if (!saved) {
            if (!applied)
                QCOMPARE(f.theme, DefaultTheme());
            QVERIFY(!QFile::exists(f.ThemeFile(QStringLiteral("Mine"))));
            return;
        }

        Theme expected = DefaultTheme();
        expected.ListHighlight = RgbColor(1, 2, 3);
        expected.HeaderFont.Name = QStringLiteral("Liberation Serif");
        expected.HeaderFont.SetSize(10.2);  // 102.5 tenths of a point, to even
        expected.HeaderFont.SetBold(true);  // weight 600 reads as bold, and bold means 700
        expected.HeaderFont.Italic = true;
        expected.PreviewWidth = 320;
        expected.PreviewHeight = 240;
        Theme read;
        QString error;
        QVERIFY2(ReadThemeFile(f.ThemeFile(name), read, &error), qPrintable(error));
        QCOMPARE(read.HeaderFont.Weight(), qint16(700));
        QCOMPARE(read, expected);
        QCOMPARE(f.theme, expected);
    }

    void saveRefusedOrFailed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<QString>("caption");  // of the message shown
        QTest::addColumn<QString>("text");     // its start
        const QString invalid = QStringLiteral("Invalid Name...");
        QTest::newRow("hidden name") << ".Night" << true << invalid << "A theme name can not begin with \".\"";
        QTest::newRow("slash") << "Day/Night" << true << invalid << "A theme name can not contain";
        QTest::newRow("backslash") << "Day\\Night" << true << invalid << "A theme name can not contain";
        QTest::newRow("themes folder gone") << "Night" << false << "Save Failed..." << "The theme could not be saved!\ncannot write";
    }
    // Nothing is written, the message says why, and the editor stays dirty with ThemeName unchanged,
    // so Exit still asks.
    void saveRefusedOrFailed()
    {
        QFETCH(QString, name);
        QFETCH(bool, folderExists);
        Fixture f;
        if (!folderExists)
            f.settings.ThemePath = f.folder.path() + QStringLiteral("/gone/");
        f.settings.ThemeName = QStringLiteral("Old");
        frmEditTheme editor(f.theme, f.settings, f.previous, f.ApplyHook());
        QVERIFY(Step(editor, QStringLiteral("pick")));
        frmInputBox::SetNextAnswer(name, true);
        ShownMessage shown;
        ReadNextMessageBox(shown, MessageAnswer::OK);
        LeftClick(editor.SaveButton());
        QTEST(shown.caption, "caption");
        QFETCH(QString, text);
        QVERIFY2(shown.text.startsWith(text), qPrintable(shown.text));
        QCOMPARE(shown.buttons, QList<int>{0});
        QVERIFY(editor.ThemeDirty());
        QCOMPARE(f.settings.ThemeName, QStringLiteral("Old"));
        QVERIFY(f.folder.listAll().isEmpty());
        QCOMPARE(PendingAnswers(), 0);
    }

    void otherLetterCase_data()
    {
        QTest::addColumn<QString>("file");  // in the themes folder before Save
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("same letters, other case: asked, written over")
            << "NIGHT.Rvltt" << true << QStringList{"NIGHT.Rvltt"};
        QTest::newRow("a hidden file is no theme") << ".night.rvltt" << false << QStringList{".night.rvltt", "night.rvltt"};
        QTest::newRow("another name") << "Nightfall.rvltt" << false << QStringList{"Nightfall.rvltt", "night.rvltt"};
    }
    void otherLetterCase()
    {
        QFETCH(QString, file);
        QFETCH(bool, asked);
        QFETCH(QStringList, after);
        Fixture f;
        f.folder.createFile(file, QByteArray("someone else's theme"));
        frmEditTheme editor(f.theme, f.settings, f.previous, f.ApplyHook());
        QVERIFY(Step(editor, QStringLiteral("pick")));
        frmInputBox::SetNextAnswer(QStringLiteral("night"), true);
        ShownMessage shown;
        if (asked)
            ReadNextMessageBox(shown, MessageAnswer::Yes);
        LeftClick(editor.SaveButton());
        QCOMPARE(shown.caption, asked ? QStringLiteral("Theme Exists...") : QString());
        QStringList files = QDir(f.folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        QCOMPARE(files, after);
        Theme read;
        QVERIFY(LoadTheme(read, f.settings.ThemePath, QStringLiteral("night")));
        QCOMPARE(read.ListHighlight, RgbColor(1, 2, 3));
        QVERIFY(!editor.ThemeDirty());
        QCOMPARE(f.settings.ThemeName, QStringLiteral("night"));
    }

    void colorize_data()
    {
        QTest::addColumn<bool>("rgbFace");
        QTest::addColumn<OleColor>("face");
        QTest::addColumn<QList<OleColor>>("derived");
        const OleColor white = RgbColor(255, 255, 255);
        // The palette's button face (system colour 15) is 200, 100, 50 below.
        QTest::newRow("system colour face: the colour seen") << false << SystemColorRef(15)
            << QList<OleColor>{white, RgbColor(250, 125, 62), RgbColor(255, 150, 75), RgbColor(150, 75, 38), RgbColor(100, 50, 25)};
        QTest::newRow("picked RGB face") << true << RgbColor(128, 64, 32)
            << QList<OleColor>{white, RgbColor(160, 80, 40), RgbColor(192, 96, 48), RgbColor(96, 48, 24), RgbColor(64, 32, 16)};
    }
    void colorize()
    {
        QFETCH(bool, rgbFace);
        QFETCH(OleColor, face);
        QFETCH(QList<OleColor>, derived);
        Fixture f;
        frmEditTheme editor(f.theme, f.settings, f.previous, f.ApplyHook());
        QPalette palette = editor.palette();
        palette.setColor(QPalette::Active, QPalette::Button, QColor(200, 100, 50));
        editor.setPalette(palette);
        if (rgbFace) {
            frmColorPicker::SetNextAnswer(face);
            LeftClick(editor.Swatch(Frame::Window, 0));
        }
        LeftClick(editor.AutoColorButton(2));
        QCOMPARE(editor.Swatch(Frame::Window, 0)->BackColor(), face);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(QString::number(editor.Swatch(Frame::Window, i + 1)->BackColor(), 16), QString::number(derived[i], 16));
        // The other groups are left alone.
        QCOMPARE(editor.Swatch(Frame::Button, 1)->BackColor(), SystemColorRef(18));
    }

    void proposedName_data()
    {
        QTest::addColumn<QString>("themeName");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("the built-in theme") << "" << "New Theme";
        QTest::newRow("a named theme") << "Midnight" << "Midnight";
    }
    // The real name prompt, read while it is open and cancelled: nothing is written.
    void proposedName()
    {
        QFETCH(QString, themeName);
        QFETCH(QString, proposed);
        Fixture f;
        f.settings.ThemeName = themeName;
        frmEditTheme editor(f.theme, f.settings, f.previous, f.ApplyHook());
        QString shown;
        QString caption;
        QStringList labels;
        WhenModalOpens<frmInputBox>([&](frmInputBox* box) {
            shown = box->Input()->text();
            caption = box->windowTitle();
            for (const QLabel* label : box->findChildren<QLabel*>())
                labels << label->text();
            // A file name cannot hold "?": typing it does nothing.
            QTest::keyClicks(box->Input(), QStringLiteral("?"));
            shown += box->Input()->text();
            LeftClick(box->CancelButton());
        });
        LeftClick(editor.SaveButton());
        QCOMPARE(shown, proposed + proposed);
        QCOMPARE(caption, QStringLiteral("Save Theme As..."));
        QVERIFY(labels.contains(QStringLiteral("Title of this Theme:")));
        QCOMPARE(f.settings.ThemeName, themeName);
        QVERIFY(f.folder.listAll().isEmpty());
    }
};

QTEST_MAIN(tst_themeeditor)
#include "tst_themeeditor.moc"
