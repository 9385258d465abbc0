#include "dialogs/frmSettings.h"

#include "controls/ucTabContainer.h"
#include "controls/ucTabHead.h"
#include "controls/ucTextButton.h"
#include "dialogs/DialogKeys.h"
#include "dialogs/DialogText.h"
#include "dialogs/FolderDropList.h"
#include "settings/SettingsChoices.h"
#include "theme/ThemeNames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr QSize kButtonSize(75, 23);
constexpr int kPageMargin = 10;
constexpr int kSpacing = 6;

const char* const kTabTitles[frmSettings::kTabCount] = {"General", "Media", "Theme", "Advanced"};
const char* const kNameSchemeCaptions[frmSettings::kNameSchemeCount] = {
    "Replace Underscore With Space", "Remove White Space", "Auto-Format Title",
    "Use Filename Filter:  TITLE [*] (AUTHOR)", "Use Filename Filter:  AUTHOR - TITLE"};

ucTextButton* NewButton(const char* caption, QWidget* parent)
{
    auto* button = new ucTextButton(QString::fromLatin1(caption), parent);
    button->setFixedSize(kButtonSize);
    button->setAccessibleName(button->Caption());
    return button;
}

// A list with its buttons in a column to its right, the buttons at the top.
void ListWithButtons(QWidget* page, QListWidget* list, const QList<ucTextButton*>& buttons)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(kSpacing);
    for (ucTextButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    row->setSpacing(kSpacing + 2);
    row->addWidget(list, 1);
    row->addLayout(column);
}
} // namespace

frmSettings::frmSettings(AppSettings& settings, Theme& theme, SettingsDialogContext context, QWidget* owner)
    : QDialog(owner)
    , m_settings(settings)
    , m_theme(theme)
    , m_context(std::move(context))
{
    setWindowTitle(QStringLiteral("Ridevault Settings..."));
    setFont(DialogText::Font());

    m_tabHead = new ucTabHead(this);
    auto* pages = new QGridLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kTabCount; ++i) {
        auto* frame = new ucTabContainer(this);
        m_tabFrame.append(frame);
        pages->addWidget(frame, 0, 0);
    }
    BuildGeneralPage(m_tabFrame[0]);
    BuildMediaPage(m_tabFrame[1]);
    BuildThemePage(m_tabFrame[2]);
    BuildAdvancedPage(m_tabFrame[3]);
    // Every page as large as the largest, so the dialog keeps its size from tab to tab.
    QSize pageSize(360, 0);
    for (ucTabContainer* frame : std::as_const(m_tabFrame))
        pageSize = pageSize.expandedTo(frame->sizeHint());
    for (ucTabContainer* frame : std::as_const(m_tabFrame))
        frame->setMinimumSize(pageSize);

    m_btnOkay = NewButton("OK", this);
    m_btnCancel = NewButton("Cancel", this);
    m_btnDefaults = NewButton("Defaults", this);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(kSpacing);
    buttons->addWidget(m_btnDefaults);
    buttons->addStretch();
    buttons->addWidget(m_btnOkay);
    buttons->addWidget(m_btnCancel);

    auto* tabs = new QVBoxLayout;
    tabs->setSpacing(0);
    tabs->addWidget(m_tabHead);
    tabs->addLayout(pages);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addLayout(tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ConnectCommands();
    ConnectKeys();
    for (const char* title : kTabTitles)
        m_tabHead->AddTab(QString::fromLatin1(title));
    m_tabHead->ShowTab(0);
    LoadControls();
}

void frmSettings::BuildGeneralPage(QWidget* page)
{
    auto* nameScheme = new QGroupBox(QStringLiteral("Name Scheme"), page);
    auto* checks = new QVBoxLayout(nameScheme);
    for (const char* caption : kNameSchemeCaptions) {
        auto* check = new QCheckBox(QString::fromLatin1(caption), nameScheme);
        checks->addWidget(check);
        m_chkNameScheme.append(check);
    }

    auto* largeView = new QGroupBox(QStringLiteral("Large Preview Size"), page);
    auto* options = new QGridLayout(largeView);
    options->setHorizontalSpacing(16);
    for (int i = 0; i < kLargeViewSizeCount; ++i) {
        auto* option = new QRadioButton(LargeViewSizeCaption(i), largeView);
        options->addWidget(option, i % 2, i / 2);
        m_optLargeViewSize.append(option);
    }

    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    column->setSpacing(kSpacing + 2);
    column->addWidget(nameScheme);
    column->addWidget(largeView);
    column->addStretch();
}

void frmSettings::BuildMediaPage(QWidget* page)
{
    m_lstMediaPaths = new FolderDropList(page);
    m_lstMediaPaths->setAccessibleName(QStringLiteral("Media Paths"));
    m_lstMediaPaths->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const char* caption : {"Add", "Remove", "Clear"})
        m_btnMediaList.append(NewButton(caption, page));
    ListWithButtons(page, m_lstMediaPaths, m_btnMediaList);
}

void frmSettings::BuildThemePage(QWidget* page)
{
    m_lstThemes = new QListWidget(page);
    m_lstThemes->setAccessibleName(QStringLiteral("Themes"));
    m_lstThemes->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const char* caption : {"Editor", "Apply"})
        m_btnTheme.append(NewButton(caption, page));
    ListWithButtons(page, m_lstThemes, m_btnTheme);
}

void frmSettings::BuildAdvancedPage(QWidget* page)
{
    auto* locations = new QGroupBox(QStringLiteral("Application Locations"), page);
    auto* label = new QLabel(QStringLiteral("Trakora Root:"), locations);
    m_txtTrakoraPath = new QLineEdit(locations);
    m_txtTrakoraPath->setAccessibleName(QStringLiteral("Trakora Root"));
    label->setBuddy(m_txtTrakoraPath);
    m_btnBrowse = new ucTextButton(QStringLiteral("..."), locations);
    m_btnBrowse->setAccessibleName(QStringLiteral("Browse for the Trakora Simulator"));
    m_btnBrowse->setFixedSize(kButtonSize.height() + 4, m_txtTrakoraPath->sizeHint().height());
    auto* row = new QHBoxLayout(locations);
    row->setSpacing(kSpacing);
    row->addWidget(label);
    row->addWidget(m_txtTrakoraPath, 1);
    row->addWidget(m_btnBrowse);

    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    column->addWidget(locations);
    column->addStretch();
}

void frmSettings::ConnectCommands()
{
    connect(m_tabHead, &ucTabHead::TabClick, this, &frmSettings::ShowTabFrame);
    connect(m_lstMediaPaths, &FolderDropList::FoldersDropped, this, &frmSettings::AddDroppedFolders);
    const auto onClick = [this](ucTextButton* button, void (frmSettings::*command)()) {
        connect(button, &ucTextButton::Click, this, command);
    };
    onClick(m_btnMediaList[0], &frmSettings::AddMediaPath);
    onClick(m_btnMediaList[1], &frmSettings::RemoveMediaPaths);
    onClick(m_btnMediaList[2], &frmSettings::ClearMediaPaths);
    onClick(m_btnTheme[0], &frmSettings::OpenThemeEditor);
    onClick(m_btnTheme[1], &frmSettings::ApplySelectedTheme);
    onClick(m_btnBrowse, &frmSettings::BrowseSimulator);
    onClick(m_btnOkay, &frmSettings::PressOkay);
    onClick(m_btnCancel, &frmSettings::reject);
    onClick(m_btnDefaults, &frmSettings::PressDefaults);
}

void frmSettings::ConnectKeys()
{
    // Shortcuts come before the focused control, so the page keys work in the lists too, which
    // would otherwise take Ctrl+PgDn as a page down.
    // X11 sends Shift+Tab as Backtab, a test's key click as Tab: each is its own shortcut.
    const auto onKeys = [this](std::initializer_list<QKeyCombination> keys, int step) {
        for (const QKeyCombination key : keys)
            connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this, step] { StepPage(step); });
    };
    onKeys({Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown}, 1);
    onKeys({Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::Key_PageUp}, -1);
    auto* remove = new QShortcut(QKeySequence::Delete, m_lstMediaPaths);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] {
        if (!m_lstMediaPaths->selectedItems().isEmpty())
            RemoveMediaPaths();
    });
}

void frmSettings::StepPage(int step)
{
    m_tabHead->ShowTab((m_tabHead->CurrentTab() + step + kTabCount) % kTabCount);
}

void frmSettings::keyPressEvent(QKeyEvent* event)
{
    if (IsEnterKey(event))
        PressOkay();
    else
        QDialog::keyPressEvent(event);
}

void frmSettings::ShowTabFrame(int index)
{
    for (ucTabContainer* frame : std::as_const(m_tabFrame))
        frame->hide();
    m_tabFrame[index]->show();
}

void frmSettings::LoadControls()
{
    const bool flags[kNameSchemeCount] = {m_settings.NameReplaceUnderscores, m_settings.NameTrimSpaces,
                                          m_settings.NameAutoFormat, m_settings.NameBracketFilter,
                                          m_settings.NameDashFilter};
    for (int i = 0; i < kNameSchemeCount; ++i)
        m_chkNameScheme[i]->setChecked(flags[i]);
    m_optLargeViewSize[LargeViewSizeOption(m_settings.LargeViewWidth, m_settings.LargeViewHeight)]->setChecked(true);
    FillMediaPathList();
    FillThemeList();
    ShowSimulatorPath();
}

void frmSettings::FillMediaPathList()
{
    m_lstMediaPaths->clear();
    m_lstMediaPaths->addItems(m_settings.MediaPaths);
}

void frmSettings::FillThemeList()
{
    const QStringList entries = QStringList{QString::fromLatin1(kDefaultThemeEntry)} + ThemeListNames(m_settings.ThemePath);
    m_lstThemes->clear();
    m_lstThemes->addItems(entries);
    m_lstThemes->setCurrentRow(ThemeListIndex(entries, m_settings.ThemeName));
}

void frmSettings::ShowSimulatorPath() { m_txtTrakoraPath->setText(m_settings.SimulatorPath); }
