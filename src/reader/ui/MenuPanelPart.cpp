#include "reader/ui/MenuPanelPart.h"

#include "controls/ui/TMyHintWindow.h"
#include "controls/ui/TPanelButton.h"
#include "import/archive.h"
#include "reader/book.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/ContentsPart.h"
#include "reader/ui/FileSpecificPage.h"
#include "reader/ui/MarginsPage.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecentPart.h"
#include "reader/ui/RecordsPart.h"
#include "reader/ui/TocCriteriaGroup.h"
#include "reader/window_layout.h"
#include "settings/book_encoding.h"
#include "settings/configuration.h"
#include "settings/recent_files.h"
#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"
#include "settings/ui/CheckOptionsPage.h"
#include "settings/ui/ColorsPage.h"
#include "settings/ui/IniFileListPage.h"
#include "settings/ui/MenuPanel.h"
#include "settings/ui/colour_scheme_ui.h"
#include "settings/ui/option_pages.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QBoxLayout>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace qw {

namespace {

using Option = GeneralOption;

// The command column's buttons: flat, the caption on the left.
TPanelButton* commandButton(const MenuCommand& command) {
    auto* button = new TPanelButton;
    button->setText(QString::fromLatin1(command.caption));
    button->setObjectName(QString::fromLatin1(command.name));
    button->setToolTip(QString::fromLatin1(command.hint));
    button->useMenuLook();
    button->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return button;
}

} // namespace

MenuPanelPart::MenuPanelPart(ReaderContext& context, QBoxLayout& buttonRow, RecordsPart& records,
                             ContentsPart& contents, RecentPart& recent)
    : QObject(&context.window), context_(context), records_(records), contents_(contents),
      recent_(recent) {
    // A new book record shows up in the INI file list at once.
    context_.config.file.SetNewSectionListener([this](const std::string&) { refreshIniList(); });
    build(buttonRow);
}

void MenuPanelPart::refreshIniList() {
    if (iniList_ != nullptr)
        iniList_->refresh();
}

bool MenuPanelPart::isOpen() const {
    return panel_->isVisible();
}

void MenuPanelPart::menuKeyState(KeyState& s, const QWidget* focus) const {
    s.menuOpen = isOpen();
    if (!s.menuOpen || focus == nullptr || !panel_->isAncestorOf(focus) ||
        s.focus == Focus::TextField || s.focus == Focus::MultiLineText)
        return;
    if (focus == panel_->tree())
        s.focus = Focus::OptionsTree;
    else if (focus == iniList_->list())
        s.focus = Focus::BookRecordList;
    else
        s.focus = Focus::PanelControl;
}

void MenuPanelPart::build(QBoxLayout& buttonRow) {
    QWidget* window = &context_.window;
    MenuButton = new TPanelButton(window);
    MenuButton->setObjectName(QStringLiteral("ShowMenu"));
    MenuButton->setText(tr("&Menu"));
    MenuButton->setToolTip(tr("Commands and options"));
    MenuButton->useGrooveLook();
    MenuButton->setFocusPolicy(Qt::NoFocus);
    buttonRow.insertWidget(0, MenuButton);
    connect(MenuButton, &TPanelButton::OnMouseEnter, this,
            [this] { menuButtonEvent(PanelTrigger::MouseEnter); });
    connect(MenuButton, &TPanelButton::clicked, this,
            [this] { menuButtonEvent(PanelTrigger::Click); });

    panel_ = new MenuPanel(window);
    SetColourRole(*panel_, ColourRole::Menu);
    SetColourRole(*panel_->tree(), ColourRole::List);
    connect(panel_, &MenuPanel::expandClicked, this, [this] {
        panel_->setExpanded(!panel_->isExpanded());
        context_.config.settings.SetBool(Setting::LargeMenu, panel_->isExpanded());
        panel_->resize(panel_->isExpanded() ? MenuPanel::kLargeWidth : panel_->smallWidth(),
                       panel_->height());
        fitHeight();
    });
    connect(panel_, &MenuPanel::pageShown, this, [this](int number) {
        if (TMyHintWindow* hint = ApplicationHintWindow())
            hint->setText(QString());
        // The INI file list fills when its page is first chosen.
        if (number == kIniFileNode && iniList_->list()->count() == 0)
            iniList_->fill();
        fitHeight();
    });
    buildCommands();
    buildPages();
}

void MenuPanelPart::buildCommands() {
    for (const MenuCommand& command : MenuCommands()) {
        TPanelButton* button = commandButton(command);
        panel_->addCommand(button);
        commands_[command.command] = button;
        const Command which = command.command;
        connect(button, &TPanelButton::clicked, this, [this, which] { commandClicked(which); });
    }
}

void MenuPanelPart::commandClicked(Command command) {
    // The command's own dialogs and panels replace the menu; leaving it
    // afterwards does not fit the lines.
    openedByCommand_ = true;
    MenuHilfeAus(false, false, command == Command::ShowRecent);
    emit commandChosen(command);
}

void MenuPanelPart::buildPages() {
    Configuration& config = context_.config;
    auto addCheckPage = [this](int node, const QString& caption,
                               const std::vector<CheckOption>& table) {
        auto* page = new CheckOptionsPage(table);
        panel_->addPage(node, caption, page);
        connect(
            page, &CheckOptionsPage::optionClicked, this,
            [this, page](int option, bool checked) { checkOptionClicked(page, option, checked); });
        return page;
    };
    general_ = addCheckPage(kGeneralNode, tr("General"), GeneralOptions());
    control_ = addCheckPage(kControlNode, tr("Control"), ControlOptions());
    Anpassen = new TPanelButton(tr("Fit &lines now"), control_);
    Anpassen->useGrooveLook();
    Anpassen->setObjectName(QStringLiteral("Anpassen"));
    Anpassen->setToolTip(tr("Fit the lines to the pages now"));
    control_->below()->addWidget(Anpassen, 0, Qt::AlignLeft);
    connect(Anpassen, &TPanelButton::clicked, this, &MenuPanelPart::fitNowClicked);
    import_ = addCheckPage(kImportNode, tr("Import"), ImportOptionList());
    import_->setToolTip(tr("Re-open the file for these changes to become effective"));
    auto* reopen =
        new QLabel(tr("Re-open the file for these changes to become effective"), import_);
    reopen->setWordWrap(true);
    import_->below()->addWidget(reopen);

    colors_ = new ColorsPage(config.file, context_.dialogs);
    panel_->addPage(kColorsNode, tr("Colors"), colors_, kGeneralNode);
    connect(colors_, &ColorsPage::coloursChanged, this, &MenuPanelPart::coloursChanged);

    margins_ = new MarginsPage;
    panel_->addPage(kMarginsNode, tr("Margins"), margins_);
    connect(margins_, &MarginsPage::applyToggled, this, &MenuPanelPart::applyMarginsToggled);
    connect(margins_, &MarginsPage::changeRequested, this, &MenuPanelPart::changeMarginsRequested);

    IniListBinding binding;
    binding.config = &config.file;
    binding.listOptions = [this] {
        const Settings& s = context_.config.settings;
        IniListOptions options;
        options.hideFilePaths = s.Bool(Setting::HideFilePath);
        options.hideArchiveNames = s.Bool(Setting::HideArchiveName);
        return options;
    };
    binding.exists = [](const std::string& reference) { return FileReferenceExists(reference); };
    // The recent files and favourites as the configuration holds them.
    binding.recentAndFavourites = [this] {
        const RecentFiles lists(context_.config.file);
        std::vector<std::string> kept = lists.list(PathList::Recent);
        const std::vector<std::string> favorites = lists.list(PathList::Favorite);
        kept.insert(kept.end(), favorites.begin(), favorites.end());
        return kept;
    };
    binding.rules = [this] { return records_.recordRules(); };
    binding.currentSettings = [this] { return context_.config.state.book; };
    binding.tocPanelVisible = [this] { return contents_.tocShown(); };
    iniList_ = new IniFileListPage(std::move(binding));
    SetColourRole(*iniList_->list(), ColourRole::List);
    panel_->addPage(kIniFileNode, tr("INI file"), iniList_);

    fileSpecific_ = new FileSpecificPage;
    fileSpecific_->setFontList(config.state.fontList);
    panel_->addPage(kFileSpecificNode, tr("File specific"), fileSpecific_);
    connect(fileSpecific_, &FileSpecificPage::fontChosen, this, &MenuPanelPart::fontChosen);
    connect(fileSpecific_, &FileSpecificPage::sizeChosen, this, &MenuPanelPart::sizeChosen);
    connect(fileSpecific_, &FileSpecificPage::tabWidthApplied, this,
            &MenuPanelPart::tabWidthApplied);
    connect(fileSpecific_, &FileSpecificPage::lineBreakOptionsChanged, this,
            &MenuPanelPart::lineBreakOptionsChanged);
    connect(fileSpecific_, &FileSpecificPage::encodingChosen, this, &MenuPanelPart::encodingChosen);
    connect(fileSpecific_, &FileSpecificPage::setAsDefaultClicked, this, [this] {
        ConfigState& state = context_.config.state;
        state.defaultFontName = state.book.fontName;
        state.defaultFontSize = state.book.fontSize;
        SaveFontLineSettings(context_.config.file, kDefaultRecord, state.book);
    });

    auto* tocPage = new QWidget;
    auto* tocLayout = new QVBoxLayout(tocPage);
    auto* criteria = new TocCriteriaGroup(tocPage);
    tocLayout->addWidget(criteria);
    auto* tocDefault = new TPanelButton(tr("Set as default"), tocPage);
    tocDefault->useGrooveLook();
    tocDefault->setObjectName(QStringLiteral("SetTocDefault"));
    tocDefault->setToolTip(tr("Use these criteria for new books"));
    tocLayout->addWidget(tocDefault, 0, Qt::AlignLeft);
    tocLayout->addStretch(1);
    connect(tocDefault, &TPanelButton::clicked, this, [this] {
        SaveTocSettings(context_.config.file, kDefaultRecord, context_.config.state.book,
                        contents_.tocShown());
    });
    panel_->addPage(kTocNode, tr("TOC"), tocPage, kFileSpecificNode);
    contents_.attachTocCriteria(criteria);

    auto* bookInfo = new BookInfoPage;
    auto* annotation = new AnnotationPage;
    panel_->addPage(kBookInfoNode, tr("Book info"), bookInfo);
    panel_->addPage(kAnnotationNode, tr("Annotation"), annotation);
    bookInfo->onOpenAddress = [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
    records_.attachInfoPages(bookInfo, annotation);
    panel_->showPage(kGeneralNode);
}

void MenuPanelPart::menuButtonEvent(PanelTrigger trigger) {
    const bool clickOnly = context_.config.settings.Bool(Setting::MenuHelpOnClick);
    switch (PanelButtonAction(trigger, clickOnly, isOpen())) {
    case PanelAction::Nothing:
        break;
    case PanelAction::Close:
        MenuHilfeAus(false);
        break;
    case PanelAction::Show:
        hideHelp();
        placeBelowMenuButton();
        ShowMenu(true);
        // Opened by a click or its access letter: the keyboard goes on in the menu.
        if (trigger == PanelTrigger::Click)
            commands_.at(Command::Open)->setFocus(Qt::ShortcutFocusReason);
        break;
    }
}

void MenuPanelPart::placeBelowMenuButton() {
    // The remembered place: under the "Menu" button, touching it, so the
    // mouse goes from the button into the menu without crossing the book.
    const QPoint corner = MenuButton->mapTo(&context_.window, QPoint(0, MenuButton->height()));
    panel_->move(corner);
}

void MenuPanelPart::fitHeight() {
    if (!panel_->isVisible())
        return;
    // As tall as its contents want, within the window below the panel's top.
    const int room = context_.window.height() - panel_->y();
    panel_->layout()->activate();
    const int wanted = std::max(panel_->sizeHint().height(), panel_->minimumSizeHint().height());
    panel_->resize(panel_->width(), std::max(120, std::min(wanted, room)));
    const int right = context_.window.width() - panel_->width();
    if (panel_->x() > right)
        panel_->move(std::max(0, right), panel_->y());
}

void MenuPanelPart::ShowMenu(bool byMenuButton) {
    records_.refreshBookInfo();
    sync(true); // the margin edits start from the stored margins
    recent_.hidePanel();
    if (byMenuButton) {
        const bool large = context_.config.settings.Bool(Setting::LargeMenu);
        panel_->setExpanded(large);
        panel_->resize(large ? MenuPanel::kLargeWidth : panel_->smallWidth(), panel_->height());
    }
    if (contents_.tocShown())
        panel_->showPage(kTocNode);
    UpdateMenuButtons();
    panel_->show();
    panel_->raise();
    fitHeight();
    if (panel_->currentPage() == kIniFileNode && iniList_->list()->count() == 0)
        iniList_->fill();
}

void MenuPanelPart::showAtMouse(const QPoint& globalPosition) {
    hideHelp();
    if (context_.config.settings.Bool(Setting::SmallMenuOnRightClick)) {
        panel_->setExpanded(false);
        panel_->resize(panel_->smallWidth(), panel_->height());
    }
    ShowMenu(false);
    QWidget& window = context_.window;
    const QPoint mouse = window.mapFromGlobal(globalPosition);
    const int barBottom = MenuButton->mapTo(&window, QPoint(0, MenuButton->height())).y();
    const PanelPlace place =
        PlaceMenuAtMouse(mouse.x(), mouse.y(), panel_->width(), panel_->height(), window.width(),
                         window.height(), barBottom);
    panel_->move(place.x, place.y);
    fitHeight();
}

void MenuPanelPart::showOptions(int page) {
    hideHelp();
    placeBelowMenuButton();
    ShowMenu(false);
    panel_->setExpanded(true);
    panel_->resize(MenuPanel::kLargeWidth, panel_->height());
    if (page >= 0)
        panel_->showPage(page);
    fitHeight();
}

void MenuPanelPart::showSelectedPage() {
    if (QTreeWidgetItem* item = panel_->tree()->currentItem())
        panel_->showPage(item->data(0, Qt::UserRole).toInt());
}

void MenuPanelPart::MenuHilfeAus(bool fromMouseMove, bool fromContentsPanel, bool fromRecentEntry) {
    const Settings& s = context_.config.settings;
    const ContentsPanel* toc = contents_.panel();
    ClosePanelsInput in;
    in.fromMouseMove = fromMouseMove;
    in.clickOnly = s.Bool(Setting::MenuHelpOnClick);
    in.fromContentsPanel = fromContentsPanel;
    in.fromRecentEntry = fromRecentEntry;
    in.tocVisible = contents_.tocShown();
    in.tocDockedLeft = toc != nullptr && toc->isDocked();
    in.menuVisible = isOpen();
    in.helpVisible = helpVisible();
    in.openedByCommand = openedByCommand_;
    in.bookOpen = context_.book.isOpen();
    in.fitLeavingMenu = s.Bool(Setting::FitLeavingMenu);
    in.automaticallyFit = s.Bool(Setting::AutomaticallyFit);
    in.fittingSettingsChanged = in.menuVisible && fittingSettingsChanged();
    const ClosePanelsSteps steps = DecideClosePanels(in);
    // A hint of a control of a closing panel goes with it.
    TMyHintWindow* hint = ApplicationHintWindow();
    if (hint != nullptr && (in.menuVisible || in.helpVisible || steps.hideToc))
        hint->setText(QString());
    if (steps.hideToc)
        contents_.hideFloatingToc();
    if (steps.hideHelp && in.helpVisible)
        hideHelp();
    if (steps.hideRecent)
        recent_.hidePanel();
    if (steps.hideMenu) {
        // The keyboard goes back to the book, not to a hidden control.
        const bool hadFocus = panel_->isAncestorOf(QApplication::focusWidget());
        panel_->hide();
        if (hadFocus)
            context_.pages.activePage()->setFocus();
    }
    if (steps.fitLines)
        emit fitLinesOnLeaving();
    if (steps.clearCommandFlag)
        openedByCommand_ = false;
}

void MenuPanelPart::UpdateMenuButtons() {
    const bool bookOpen = context_.book.isOpen();
    for (const MenuCommand& command : MenuCommands())
        commands_.at(command.command)->setEnabled(!command.needsBook || bookOpen);
    commands_.at(Command::ToggleContents)
        ->setText(QString::fromLatin1(TocCommandCaption(contents_.tocShown())));
    const bool enabled =
        FitNowEnabled(bookOpen, context_.config.settings.Bool(Setting::AutomaticallyFit));
    Anpassen->setEnabled(enabled);
    // The caption in the menu text colour when enabled, grey (808080) when not.
    QPalette palette = Anpassen->palette();
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    Anpassen->setPalette(palette);
}

void MenuPanelPart::checkOptionClicked(CheckOptionsPage* page, int option, bool checked) {
    const Setting stored = page->settingOf(option);
    if (stored != Setting::Count)
        context_.config.settings.SetBool(stored, checked);
    if (page == general_)
        emit generalOptionChanged(static_cast<GeneralOption>(option), checked);
    else if (page == control_)
        emit controlOptionChanged(static_cast<ControlOption>(option), checked);
    sync();
}

void MenuPanelPart::sync(bool presetMargins) {
    const Settings& s = context_.config.settings;
    for (CheckOptionsPage* page : {general_, control_, import_})
        page->showStored(s);
    general_->setChecked(Id(Option::FullScreen), fullScreen());
    general_->setChecked(Id(Option::Antialiasing), antialiasing());
    const PageMargins stored = s.Margins();
    const bool apply = s.Bool(Setting::ApplyMargins);
    general_->setOptionEnabled(Id(Option::PageNumbersBelow),
                               PageNumbersBelowAllowed(AppliedMargins(stored, apply)));
    general_->setOptionEnabled(Id(Option::ProgressBarBelow), s.Bool(Setting::ShowProgressBar));
    general_->setOptionEnabled(
        Id(Option::ShowClock),
        ShowClockEnabled(s.Bool(Setting::ShowProgressBar), s.Bool(Setting::ProgressBarBelowText)));
    const bool autoFit = s.Bool(Setting::AutomaticallyFit);
    control_->setOptionEnabled(Id(ControlOption::FitLeavingMenu), !autoFit);
    UpdateMenuButtons();
    if (presetMargins)
        margins_->setStored(stored, apply);
    fileSpecific_->setValues(context_.config.state.book);
    fileSpecific_->setEncoding(
        ReadBookEncoding(context_.config.file, context_.book.FileName, context_.book.ArchiveEntry));
}

} // namespace qw
