#include "reader/ui/OptionsPart.h"

#include "controls/ui/TPanelButton.h"
#include "import/archive.h"
#include "reader/book.h"
#include "reader/ui/ContentsPart.h"
#include "reader/ui/FileSpecificPage.h"
#include "reader/ui/MarginsPage.h"
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
#include "settings/ui/OptionsWindow.h"
#include "settings/ui/colour_scheme_ui.h"
#include "settings/ui/option_pages.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace qw {

namespace {

// The node numbers of the options tree.
enum OptionsNode {
    kGeneralNode = 0,
    kColorsNode = 1, // under "General"
    kMarginsNode = 2,
    kControlNode = 3,
    kImportNode = 4,
    kIniFileNode = 5,
    kFileSpecificNode = 6,
    kTocNode = 7,
    kBookInfoNode = 8,
    kAnnotationNode = 9,
};

using Option = GeneralOption;

} // namespace

OptionsPart::OptionsPart(ReaderContext& context, RecordsPart& records, ContentsPart& contents)
    : QObject(&context.window), context_(context), records_(records), contents_(contents) {
    // A new book record shows up in the INI file list at once.
    context_.config.file.SetNewSectionListener([this](const std::string&) { refreshIniList(); });
}

void OptionsPart::refreshIniList() {
    if (iniList_ != nullptr)
        iniList_->refresh();
}

void OptionsPart::show(int page) {
    if (options_ == nullptr)
        build();
    records_.refreshBookInfo();
    sync(true);
    if (page >= 0)
        options_->showPage(page);
    ApplyColourScheme(*options_);
    options_->show();
    options_->raise();
    options_->activateWindow();
}

void OptionsPart::build() {
    Configuration& config = context_.config;
    options_ = new OptionsWindow(&context_.window);

    auto addCheckPage = [this](int node, const QString& caption,
                               const std::vector<CheckOption>& table) {
        auto* page = new CheckOptionsPage(table);
        options_->addPage(node, caption, page);
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
    connect(Anpassen, &TPanelButton::clicked, this, &OptionsPart::fitNowClicked);
    import_ = addCheckPage(kImportNode, tr("Import"), ImportOptionList());
    auto* reopen =
        new QLabel(tr("Re-open the file for these changes to become effective"), import_);
    reopen->setWordWrap(true);
    import_->below()->addWidget(reopen);

    colors_ = new ColorsPage(config.file, context_.dialogs);
    options_->addPage(kColorsNode, tr("Colors"), colors_, kGeneralNode);
    connect(colors_, &ColorsPage::coloursChanged, this, [this] {
        ApplyColourScheme(*options_);
        emit coloursChanged();
    });
    SetColourRole(*options_->tree(), ColourRole::List);

    margins_ = new MarginsPage;
    options_->addPage(kMarginsNode, tr("Margins"), margins_);
    connect(margins_, &MarginsPage::applyToggled, this, &OptionsPart::applyMarginsToggled);
    connect(margins_, &MarginsPage::changeRequested, this, &OptionsPart::changeMarginsRequested);

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
    options_->addPage(kIniFileNode, tr("INI file"), iniList_);

    fileSpecific_ = new FileSpecificPage;
    fileSpecific_->setFontList(config.state.fontList);
    options_->addPage(kFileSpecificNode, tr("File specific"), fileSpecific_);
    connect(fileSpecific_, &FileSpecificPage::fontChosen, this, &OptionsPart::fontChosen);
    connect(fileSpecific_, &FileSpecificPage::sizeChosen, this, &OptionsPart::sizeChosen);
    connect(fileSpecific_, &FileSpecificPage::tabWidthApplied, this, &OptionsPart::tabWidthApplied);
    connect(fileSpecific_, &FileSpecificPage::lineBreakOptionsChanged, this,
            &OptionsPart::lineBreakOptionsChanged);
    connect(fileSpecific_, &FileSpecificPage::encodingChosen, this, &OptionsPart::encodingChosen);
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
    options_->addPage(kTocNode, tr("TOC"), tocPage, kFileSpecificNode);
    contents_.attachTocCriteria(criteria);

    auto* bookInfo = new BookInfoPage;
    auto* annotation = new AnnotationPage;
    options_->addPage(kBookInfoNode, tr("Book info"), bookInfo);
    options_->addPage(kAnnotationNode, tr("Annotation"), annotation);
    bookInfo->onOpenAddress = [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
    records_.attachInfoPages(bookInfo, annotation);

    connect(options_, &OptionsWindow::left, this, &OptionsPart::left);
    options_->showPage(kGeneralNode);
}

void OptionsPart::checkOptionClicked(CheckOptionsPage* page, int option, bool checked) {
    const Setting stored = page->settingOf(option);
    if (stored != Setting::Count)
        context_.config.settings.SetBool(stored, checked);
    if (page == general_)
        emit generalOptionChanged(static_cast<GeneralOption>(option), checked);
    else if (page == control_)
        emit controlOptionChanged(static_cast<ControlOption>(option), checked);
    sync();
}

void OptionsPart::sync(bool presetMargins) {
    if (options_ == nullptr)
        return;
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
    const bool autoFit = s.Bool(Setting::AutomaticallyFit);
    control_->setOptionEnabled(Id(ControlOption::FitLeavingMenu), !autoFit);
    Anpassen->setEnabled(context_.book.isOpen() && !autoFit);
    if (presetMargins)
        margins_->setStored(stored, apply);
    fileSpecific_->setValues(context_.config.state.book);
    fileSpecific_->setEncoding(
        ReadBookEncoding(context_.config.file, context_.book.FileName, context_.book.ArchiveEntry));
}

} // namespace qw
