#include "app/MainMenuBar.h"

#include "app/ClickLabel.h"
#include "app/ThemedWidget.h"
#include "controls/FontConvert.h"
#include "controls/TextMetrics.h"
#include "controls/ucFrame.h"
#include "theme/Theme.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>

MainMenuBar::MainMenuBar(QWidget* window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("fmeMenuArea"));
    setAutoFillBackground(true);

    const std::span<const DropMenuRow> menus = DropMenus();
    for (int k = 0; k < kDropMenuCount; ++k) {
        auto* title = new ClickLabel(QLatin1String(menus[k].Caption), this);
        title->setObjectName(QStringLiteral("lblMenu%1").arg(k));
        title->SetMnemonicIndex(AccessKeyIndex(menus[k].Caption, menus[k].AccessKey));
        connect(title, &ClickLabel::Click, this, [this, k] { OpenMenu(k); });
        // An open drop-down follows the mouse along the three titles.
        connect(title, &ClickLabel::MouseMove, this, [this, k] {
            if (m_openMenuIndex >= 0 && k != m_openMenuIndex)
                OpenMenu(k);
        });
        m_lblMenu.push_back(title);

        auto* frame = new ucFrame(window);
        frame->setObjectName(QStringLiteral("fmeMenu%1").arg(k));
        frame->setAccessibleName(QLatin1String(menus[k].Caption));
        frame->setFocusPolicy(Qt::ClickFocus);
        frame->installEventFilter(this);
        frame->hide();
        m_fmeMenu[k] = frame;
    }

    for (const MainCommandRow& row : MainCommands()) {
        QWidget* holder = row.Menu == MainMenu::Bar ? static_cast<QWidget*>(this) : m_fmeMenu[size_t(row.Menu)];
        auto* label = new ClickLabel(QLatin1String(row.Caption), holder);
        label->setObjectName(CommandObjectName(row.Command));
        label->SetMnemonicIndex(AccessKeyIndex(row.Caption, row.AccessKey));
        const MainCommand command = row.Command;
        if (row.Menu == MainMenu::Bar) {
            connect(label, &ClickLabel::Click, this, [this, command] { Q_EMIT CommandChosen(command); });
            m_lblMenu.push_back(label);
            m_barCommands.push_back(command);
            continue;
        }
        const int k = int(row.Menu);
        label->SetMenuEntry(true);
        connect(label, &ClickLabel::Click, this, [this, command] { ChooseFromMenu(command); });
        if (row.SeparatorAbove) {
            auto* line = new QWidget(m_fmeMenu[k]);
            line->setObjectName(QLatin1String(menus[k].LineArray) + QString::number(m_lineMenu[k].size()));
            line->setAutoFillBackground(true);
            m_lineMenu[k].push_back(line);
            m_linesAbove[k].push_back(int(m_entries[k].size()));
        }
        m_entries[k].push_back({command, label});
    }
    CreateShortcuts(window);
    QApplication::instance()->installEventFilter(this);
}

void MainMenuBar::CreateShortcuts(QWidget* window)
{
    const auto add = [window](const QKeySequence& key, auto action) {
        auto* shortcut = new QShortcut(key, window);
        connect(shortcut, &QShortcut::activated, window, action);
    };
    add(QKeySequence(Qt::Key_F10), [this] {
        if (m_openMenuIndex >= 0)
            Q_EMIT FocusReturned();
        else
            OpenMenu(0, Qt::ShortcutFocusReason);
    });
    const std::span<const DropMenuRow> menus = DropMenus();
    for (int k = 0; k < kDropMenuCount; ++k)
        add(QKeySequence(Qt::ALT | Qt::Key(menus[k].AccessKey)), [this, k] { OpenMenu(k, Qt::ShortcutFocusReason); });
    for (const MainCommandRow& row : MainCommands()) {
        if (row.AccessKey == 0)
            continue;
        const MainCommand command = row.Command;
        add(QKeySequence(Qt::ALT | Qt::Key(row.AccessKey)), [this, command] {
            CloseMenus();
            Q_EMIT CommandChosen(command);
        });
    }
}

void MainMenuBar::ApplyTheme(const Theme& theme)
{
    ApplyThemeColors(theme);

    // "File", "View" and "Help" from the left; the others are placed by Layout.
    const QFont menuFont = ToQFont(theme.MenuFont);
    const int lineHeight = CaptionTextHeight(menuFont);
    int x = 8;
    for (size_t i = 0; i < m_lblMenu.size(); ++i) {
        FitLabel(m_lblMenu[i], menuFont, lineHeight);
        m_lblMenu[i]->move(i < kDropMenuCount ? x : m_lblMenu[i]->x(), 4);
        x += m_lblMenu[i]->width() + 16;
    }
    resize(width(), lineHeight + 8);

    // Drop-downs: one entry per line, every entry as wide as the widest, separators 4 px above
    // their entry.
    for (int k = 0; k < kDropMenuCount; ++k) {
        int widest = 0;
        const std::vector<Entry>& entries = m_entries[k];
        for (size_t i = 0; i < entries.size(); ++i) {
            FitLabel(entries[i].Label, menuFont, lineHeight);
            entries[i].Label->move(8, 4 + int(i) * (lineHeight + 8));
            widest = std::max(widest, entries[i].Label->width());
        }
        for (const Entry& entry : entries)
            entry.Label->resize(widest, lineHeight);
        const int panelWidth = widest + 16;
        m_fmeMenu[k]->resize(panelWidth, entries.back().Label->y() + lineHeight + 4);
        for (size_t s = 0; s < m_lineMenu[k].size(); ++s) {
            const int y = entries[size_t(m_linesAbove[k][s])].Label->y() - 4;
            m_lineMenu[k][s]->setGeometry(1, y, panelWidth - 2, 1);
        }
    }
}

void MainMenuBar::ApplyThemeColors(const Theme& t)
{
    SetBackColor(this, QPalette::Window, t.ButtonFace);
    for (ClickLabel* label : m_lblMenu)
        SetForeColor(label, QPalette::WindowText, t.ButtonText);
    for (int k = 0; k < kDropMenuCount; ++k) {
        m_fmeMenu[k]->SetColors(t.ButtonGroup());
        for (const Entry& entry : m_entries[k])
            SetForeColor(entry.Label, QPalette::WindowText, t.ButtonText);
        for (QWidget* line : m_lineMenu[k])
            SetBackColor(line, QPalette::Window, t.ButtonShadow);
    }
}

void MainMenuBar::Layout(int barWidth)
{
    setGeometry(0, 0, barWidth, height());
    int x = width() - m_lblMenu.back()->width() - 8;
    for (size_t i = m_lblMenu.size() - 1; i >= kDropMenuCount; --i) {
        m_lblMenu[i]->move(x, m_lblMenu[i]->y());
        x -= m_lblMenu[i - 1]->width() + 16;
    }
}

void MainMenuBar::OpenMenu(int menu, Qt::FocusReason reason)
{
    // Clicking the title of the open drop-down closes it and opens it again.
    CloseMenus();
    QCoreApplication::processEvents();
    ucFrame* frame = m_fmeMenu[size_t(menu)];
    frame->move(m_lblMenu[size_t(menu)]->x() - 4, height() - 4);
    frame->show();
    frame->raise();
    frame->setFocus(reason);
    m_openMenuIndex = menu;
    if (reason != Qt::MouseFocusReason)
        SetCurrentEntry(0);
}

void MainMenuBar::CloseMenus()
{
    SetCurrentEntry(-1);
    m_openMenuIndex = -1;
    for (ucFrame* frame : m_fmeMenu)
        frame->hide();
}

void MainMenuBar::ChooseFromMenu(MainCommand command)
{
    // Every drop-down is gone before the entry's action runs, and the list has the keys again.
    CloseMenus();
    Q_EMIT FocusReturned();
    QCoreApplication::processEvents();
    Q_EMIT CommandChosen(command);
}

void MainMenuBar::SetCurrentEntry(int entry)
{
    if (m_openMenuIndex >= 0) {
        const std::vector<Entry>& entries = m_entries[size_t(m_openMenuIndex)];
        for (size_t i = 0; i < entries.size(); ++i)
            entries[i].Label->SetCurrent(int(i) == entry);
    }
    m_currentEntry = entry;
}

void MainMenuBar::MoveCurrent(int step)
{
    const std::vector<Entry>& entries = m_entries[size_t(m_openMenuIndex)];
    const int count = int(entries.size());
    int entry = m_currentEntry < 0 ? (step > 0 ? -1 : count) : m_currentEntry;
    // Round the drop-down, over entries that are switched off.
    for (int tries = 0; tries < count; ++tries) {
        entry = (entry + step + count) % count;
        if (entries[size_t(entry)].Label->isEnabled())
            break;
    }
    SetCurrentEntry(entry);
}

bool MainMenuBar::DropMenuKey(int menu, int key)
{
    switch (key) {
    case Qt::Key_Up:
        MoveCurrent(-1);
        return true;
    case Qt::Key_Down:
        MoveCurrent(1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        OpenMenu((menu + (key == Qt::Key_Right ? 1 : kDropMenuCount - 1)) % kDropMenuCount, Qt::TabFocusReason);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_currentEntry >= 0)
            m_entries[size_t(menu)][size_t(m_currentEntry)].Label->PerformClick();
        return true;
    case Qt::Key_Escape:
        Q_EMIT FocusReturned();
        return true;
    default:
        return false;
    }
}

void MainMenuBar::ShowMnemonics(bool shown)
{
    for (ClickLabel* label : m_lblMenu)
        label->SetMnemonicShown(shown);
}

bool MainMenuBar::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    for (int k = 0; k < kDropMenuCount; ++k) {
        if (watched != m_fmeMenu[size_t(k)])
            continue;
        if (type == QEvent::FocusOut && k == m_openMenuIndex)
            CloseMenus();
        else if (type == QEvent::FocusOut)
            m_fmeMenu[size_t(k)]->hide();
        else if (type == QEvent::KeyPress)
            return DropMenuKey(k, static_cast<QKeyEvent*>(event)->key());
        return false;
    }
    // Alt held anywhere in this window shows the access letters; its release or leaving the window
    // hides them.
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == window()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt)
            ShowMnemonics(type == QEvent::KeyPress);
    } else if (type == QEvent::WindowDeactivate && watched == window()) {
        ShowMnemonics(false);
    }
    return false;
}

void MainMenuBar::mousePressEvent(QMouseEvent*)
{
    Q_EMIT FocusReturned();
}

bool MainMenuBar::IsEnabled(MainCommand command) const
{
    switch (CommandRow(command).Enable) {
    case CommandEnable::Always:
        return true;
    case CommandEnable::Selection:
        return m_hasSelection;
    case CommandEnable::SelectedTrack:
        return m_hasSelection && m_isTrack;
    }
    return false;
}

void MainMenuBar::SetSelection(bool hasSelection, bool isTrack)
{
    m_hasSelection = hasSelection;
    m_isTrack = isTrack;
    for (size_t i = 0; i < m_barCommands.size(); ++i)
        m_lblMenu[kDropMenuCount + i]->setEnabled(IsEnabled(m_barCommands[i]));
    for (const std::vector<Entry>& entries : m_entries) {
        for (const Entry& entry : entries)
            entry.Label->setEnabled(IsEnabled(entry.Command));
    }
}

ClickLabel* MainMenuBar::Label(MainCommand command) const
{
    for (size_t i = 0; i < m_barCommands.size(); ++i) {
        if (m_barCommands[i] == command)
            return m_lblMenu[kDropMenuCount + i];
    }
    for (const std::vector<Entry>& entries : m_entries) {
        for (const Entry& entry : entries) {
            if (entry.Command == command)
                return entry.Label;
        }
    }
    return nullptr;
}
