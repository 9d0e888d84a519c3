// The reader window's options: the "Options" button, the options window with
// its pages, and what each option does to the window and the book.

#include "reader/ui/TForm1.h"

#include "import/archive.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/FileSpecificPage.h"
#include "reader/ui/MarginsPage.h"
#include "reader/ui/RecordsPart.h"
#include "reader/ui/TocCriteriaGroup.h"
#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"
#include "settings/ui/IniFileListPage.h"
#include "settings/ui/OptionsWindow.h"
#include "settings/ui/option_pages.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace qw {

namespace {

// The node numbers of the options tree.
enum OptionsNode {
    kGeneralNode = 0,
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

void TForm1::setUpOptions() {
    // A new book record shows up in the INI file list at once.
    config_->file.SetNewSectionListener([this](const std::string&) {
        if (iniList_ != nullptr)
            iniList_->refresh();
    });
}

void TForm1::ShowOptions(int page) {
    if (options_ == nullptr)
        buildOptionsWindow();
    records_->refreshBookInfo();
    syncOptionsWindow(true);
    if (page >= 0)
        options_->showPage(page);
    options_->show();
    options_->raise();
    options_->activateWindow();
}

void TForm1::buildOptionsWindow() {
    options_ = new OptionsWindow(this);

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
    Anpassen = new QPushButton(tr("Fit &lines now"), control_);
    Anpassen->setObjectName(QStringLiteral("Anpassen"));
    Anpassen->setToolTip(tr("Fit the lines to the pages now"));
    control_->below()->addWidget(Anpassen, 0, Qt::AlignLeft);
    connect(Anpassen, &QPushButton::clicked, this, &TForm1::AnpassenClick);
    import_ = addCheckPage(kImportNode, tr("Import"), ImportOptionList());
    auto* reopen =
        new QLabel(tr("Re-open the file for these changes to become effective"), import_);
    reopen->setWordWrap(true);
    import_->below()->addWidget(reopen);

    margins_ = new MarginsPage;
    options_->addPage(kMarginsNode, tr("Margins"), margins_);
    connect(margins_, &MarginsPage::applyToggled, this, &TForm1::ApplyMarginsClick);
    connect(margins_, &MarginsPage::changeRequested, this, &TForm1::ChangeMarginsClick);

    IniListBinding binding;
    binding.config = &config_->file;
    binding.listOptions = [this] {
        IniListOptions options;
        options.hideFilePaths = config_->settings.Bool(Setting::HideFilePath);
        options.hideArchiveNames = config_->settings.Bool(Setting::HideArchiveName);
        return options;
    };
    binding.exists = [](const std::string& reference) { return FileReferenceExists(reference); };
    // The recent files and favourites as the configuration holds them.
    binding.recentAndFavourites = [this] {
        std::vector<std::string> kept = config_->state.recent;
        kept.insert(kept.end(), config_->state.favorites.begin(), config_->state.favorites.end());
        return kept;
    };
    binding.rules = [this] { return records_->recordRules(); };
    binding.currentSettings = [this] { return config_->state.book; };
    binding.tocPanelVisible = [this] { return contents_->tocShown(); };
    iniList_ = new IniFileListPage(std::move(binding));
    options_->addPage(kIniFileNode, tr("INI file"), iniList_);

    fileSpecific_ = new FileSpecificPage;
    fileSpecific_->setFontList(config_->state.fontList);
    options_->addPage(kFileSpecificNode, tr("File specific"), fileSpecific_);
    connect(fileSpecific_, &FileSpecificPage::fontChosen, this, [this](const std::string& name) {
        if (name.empty() || name == config_->state.book.fontName)
            return;
        config_->state.book.fontName = name;
        fontChanged();
    });
    connect(fileSpecific_, &FileSpecificPage::sizeChosen, this, &TForm1::changeFontSize);
    connect(fileSpecific_, &FileSpecificPage::tabWidthApplied, this, [this](int width) {
        config_->state.book.tabWidth = width;
        prepareWrap(); // the tab stops of the pages and the wrap engine
        if (!book_.isOpen())
            SaveFontLineSettings(config_->file, kDefaultRecord, config_->state.book);
        else
            fitLines(); // stores the record
    });
    connect(fileSpecific_, &FileSpecificPage::lineBreakOptionsChanged, this,
            [this](bool remove, bool punctuation, bool indentation) {
                BookSettings& s = config_->state.book;
                s.removeLineBreaks = remove;
                s.checkPunctuationMarks = punctuation;
                s.checkIndentation = indentation;
                // A file type that switched the removal off waits for the next fitting.
                if (book_.isOpen() && !book_.BreaksAutoOff &&
                    config_->settings.Bool(Setting::AutomaticallyFit))
                    fitLines();
            });
    connect(fileSpecific_, &FileSpecificPage::setAsDefaultClicked, this, [this] {
        config_->state.defaultFontName = config_->state.book.fontName;
        config_->state.defaultFontSize = config_->state.book.fontSize;
        SaveFontLineSettings(config_->file, kDefaultRecord, config_->state.book);
    });

    auto* tocPage = new QWidget;
    auto* tocLayout = new QVBoxLayout(tocPage);
    auto* criteria = new TocCriteriaGroup(tocPage);
    tocLayout->addWidget(criteria);
    auto* tocDefault = new QPushButton(tr("Set as default"), tocPage);
    tocDefault->setObjectName(QStringLiteral("SetTocDefault"));
    tocDefault->setToolTip(tr("Use these criteria for new books"));
    tocLayout->addWidget(tocDefault, 0, Qt::AlignLeft);
    tocLayout->addStretch(1);
    connect(tocDefault, &QPushButton::clicked, this, [this] {
        SaveTocSettings(config_->file, kDefaultRecord, config_->state.book, contents_->tocShown());
    });
    options_->addPage(kTocNode, tr("TOC"), tocPage, kFileSpecificNode);
    contents_->attachTocCriteria(criteria);

    auto* bookInfo = new BookInfoPage;
    auto* annotation = new AnnotationPage;
    options_->addPage(kBookInfoNode, tr("Book info"), bookInfo);
    options_->addPage(kAnnotationNode, tr("Annotation"), annotation);
    bookInfo->onOpenAddress = [](const std::string& address) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
    };
    records_->attachInfoPages(bookInfo, annotation);

    connect(options_, &OptionsWindow::left, this, &TForm1::leftOptions);
    options_->showPage(kGeneralNode);
}

void TForm1::checkOptionClicked(CheckOptionsPage* page, int option, bool checked) {
    const Setting stored = page->settingOf(option);
    if (stored != Setting::Count)
        config_->settings.SetBool(stored, checked);
    if (page == general_)
        generalOptionChanged(option, checked);
    else if (page == control_)
        controlOptionChanged(option, checked);
    syncOptionsWindow();
}

void TForm1::generalOptionChanged(int option, bool checked) {
    switch (static_cast<Option>(option)) {
    case Option::BookStyle:
    case Option::ShowProgressBar:
    case Option::ProgressBarBelow:
        relayoutByCode("ChangeStyle");
        break;
    case Option::FullScreen:
        FullScreen(checked);
        break;
    case Option::Antialiasing:
        antialiasing_ = checked;
        applyPageFont(); // both pages and the title page are drawn again
        // Hinting without smoothing may give other widths: fit to them.
        if (book_.isOpen())
            fitLines();
        break;
    case Option::PageNumbersBelow:
        pages_->setOptions(layoutOptions()); // the pages keep their place
        break;
    case Option::HideFilePaths:
    case Option::HideArchiveNames:
        UpdateCaption();
        iniList_->refresh();
        break;
    case Option::HideIgnoredFiles:
    case Option::ApplyDefaultSettings:
        break; // read when they are needed
    }
}

void TForm1::controlOptionChanged(int option, bool checked) {
    // Switched on, automatic fitting catches up with what changed meanwhile.
    if (static_cast<ControlOption>(option) == ControlOption::AutomaticallyFit && checked &&
        book_.isOpen() && needsRefit())
        fitLines();
}

void TForm1::syncOptionsWindow(bool presetMargins) {
    if (options_ == nullptr)
        return;
    const Settings& s = config_->settings;
    for (CheckOptionsPage* page : {general_, control_, import_})
        page->showStored(s);
    general_->setChecked(Id(Option::FullScreen), fullScreen_);
    general_->setChecked(Id(Option::Antialiasing), antialiasing_);
    general_->setOptionEnabled(
        Id(Option::PageNumbersBelow),
        PageNumbersBelowAllowed(AppliedMargins(config_->settings.Margins(),
                                               config_->settings.Bool(Setting::ApplyMargins))));
    general_->setOptionEnabled(Id(Option::ProgressBarBelow), s.Bool(Setting::ShowProgressBar));
    const bool autoFit = s.Bool(Setting::AutomaticallyFit);
    control_->setOptionEnabled(Id(ControlOption::FitLeavingMenu), !autoFit);
    Anpassen->setEnabled(book_.isOpen() && !autoFit);
    if (presetMargins)
        margins_->setStored(config_->settings.Margins(),
                            config_->settings.Bool(Setting::ApplyMargins));
    fileSpecific_->setValues(config_->state.book);
}

void TForm1::leftOptions() {
    // "Fit when leaving menu after changes": the fitting that automatic
    // fitting would have done while the options were open.
    const Settings& s = config_->settings;
    if (book_.isOpen() && s.Bool(Setting::FitLeavingMenu) && !s.Bool(Setting::AutomaticallyFit) &&
        needsRefit())
        fitLines();
}

} // namespace qw
