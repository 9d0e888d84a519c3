// The reader window's side of the options: what each option does to the
// pages and the book once the options part has stored it.

#include "reader/ui/TForm1.h"

#include "reader/ui/OptionsPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/RecordsPart.h"

namespace qw {

void TForm1::setUpOptions() {
    options_ = new OptionsPart(*context_, *records_, *contents_);
    options_->fullScreen = [this] { return fullScreen_; };
    options_->antialiasing = [this] { return antialiasing_; };
    connect(options_, &OptionsPart::generalOptionChanged, this, &TForm1::generalOptionChanged);
    connect(options_, &OptionsPart::controlOptionChanged, this, &TForm1::controlOptionChanged);
    connect(options_, &OptionsPart::fitNowClicked, this, &TForm1::AnpassenClick);
    connect(options_, &OptionsPart::applyMarginsToggled, this, &TForm1::ApplyMarginsClick);
    connect(options_, &OptionsPart::changeMarginsRequested, this, &TForm1::ChangeMarginsClick);
    connect(options_, &OptionsPart::fontChosen, this, [this](const std::string& name) {
        if (name.empty() || name == config_->state.book.fontName)
            return;
        config_->state.book.fontName = name;
        fontChanged();
    });
    connect(options_, &OptionsPart::sizeChosen, this, &TForm1::changeFontSize);
    connect(options_, &OptionsPart::tabWidthApplied, this, [this](int width) {
        config_->state.book.tabWidth = width;
        prepareWrap(); // the tab stops of the pages and the wrap engine
        if (!book_.isOpen())
            records_->writeFontSettings();
        else
            fitLines(); // stores the record
    });
    connect(options_, &OptionsPart::lineBreakOptionsChanged, this,
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
    connect(options_, &OptionsPart::left, this, &TForm1::leftOptions);
}

void TForm1::ShowOptions(int page) {
    options_->show(page);
}

OptionsWindow* TForm1::optionsWindow() const {
    return options_->window();
}

void TForm1::syncOptionsWindow() {
    options_->sync();
}

void TForm1::generalOptionChanged(GeneralOption option, bool checked) {
    switch (option) {
    case GeneralOption::BookStyle:
    case GeneralOption::ShowProgressBar:
    case GeneralOption::ProgressBarBelow:
        relayoutByCode("ChangeStyle");
        break;
    case GeneralOption::FullScreen:
        FullScreen(checked);
        break;
    case GeneralOption::Antialiasing:
        antialiasing_ = checked;
        applyPageFont(); // both pages and the title page are drawn again
        // Hinting without smoothing may give other widths: fit to them.
        if (book_.isOpen())
            fitLines();
        break;
    case GeneralOption::PageNumbersBelow:
        pages_->setOptions(layoutOptions()); // the pages keep their place
        break;
    case GeneralOption::HideFilePaths:
    case GeneralOption::HideArchiveNames:
        UpdateCaption();
        options_->refreshIniList();
        break;
    case GeneralOption::HideIgnoredFiles:
    case GeneralOption::ApplyDefaultSettings:
        break; // read when they are needed
    }
}

void TForm1::controlOptionChanged(ControlOption option, bool checked) {
    // Switched on, automatic fitting catches up with what changed meanwhile.
    if (option == ControlOption::AutomaticallyFit && checked && book_.isOpen() && needsRefit())
        fitLines();
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
