// The reader window's options: the options part, wired to the layout part
// that carries out what an option does to the pages and the book.

#include "reader/ui/TForm1.h"

#include "settings/book_encoding.h"

#include "reader/ui/LayoutPart.h"
#include "reader/ui/OptionsPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/RecordsPart.h"

namespace qw {

void TForm1::setUpOptions() {
    options_ = new OptionsPart(*context_, *records_, *contents_);
    options_->fullScreen = [this] { return layout_->isFullScreen(); };
    options_->antialiasing = [this] { return layout_->antialiasing(); };
    connect(options_, &OptionsPart::generalOptionChanged, layout_,
            &LayoutPart::generalOptionChanged);
    connect(options_, &OptionsPart::controlOptionChanged, layout_,
            &LayoutPart::controlOptionChanged);
    connect(options_, &OptionsPart::fitNowClicked, this, &TForm1::AnpassenClick);
    connect(options_, &OptionsPart::applyMarginsToggled, layout_, &LayoutPart::ApplyMarginsClick);
    connect(options_, &OptionsPart::changeMarginsRequested, layout_,
            &LayoutPart::ChangeMarginsClick);
    connect(options_, &OptionsPart::fontChosen, layout_, &LayoutPart::changeFontName);
    connect(options_, &OptionsPart::sizeChosen, layout_, &LayoutPart::changeFontSize);
    connect(options_, &OptionsPart::tabWidthApplied, layout_, &LayoutPart::changeTabWidth);
    connect(options_, &OptionsPart::lineBreakOptionsChanged, layout_,
            &LayoutPart::changeLineBreakOptions);
    connect(options_, &OptionsPart::left, layout_, &LayoutPart::leftOptions);
    // A new encoding is stored in the book's record and the book read again.
    connect(options_, &OptionsPart::encodingChosen, this, [this](const std::string& name) {
        if (!book_.isOpen())
            return;
        const std::string path = book_.FileName;
        const std::string entry = book_.ArchiveEntry;
        if (!WriteBookEncoding(config_->file, path, entry, name))
            dialogs_.error("Cannot write " + config_->file.FileName() + "!");
        loader_.openKnownFile(path, entry);
    });
    connect(layout_, &LayoutPart::optionStatesChanged, options_, [this] { options_->sync(); });
    connect(layout_, &LayoutPart::namesShownChanged, options_, &OptionsPart::refreshIniList);
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

} // namespace qw
