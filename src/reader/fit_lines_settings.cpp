#include "reader/fit_lines_settings.h"

namespace qw {

FitOptions FitOptionsFromSettings(const BookSettings& book, const Settings& settings) {
    FitOptions options;
    options.removeLineBreaks = book.removeLineBreaks;
    options.lineBreaks.notAfterPunctuation = book.checkPunctuationMarks;
    options.lineBreaks.notBeforeIndentation = book.checkIndentation;
    options.lineBreaks.punctuationMarks = settings.Text(Setting::Punctuation);
    options.automaticToc = book.automaticToc;
    options.tabWidth = book.tabWidth;
    options.skipGutenbergFrame = settings.Bool(Setting::SkipGutenbergFrame);
    options.fontName = book.fontName;
    options.fontSize = book.fontSize;
    options.bookStyle = settings.Bool(Setting::BookStyle);
    options.applyMargins = settings.Bool(Setting::ApplyMargins);
    if (options.applyMargins)
        options.margins = settings.Margins();
    return options;
}

bool RefitOnLineBreakOption(bool automaticallyFit, bool bookOpen, bool breaksAutoOff) {
    return automaticallyFit && bookOpen && !breaksAutoOff;
}

} // namespace qw
