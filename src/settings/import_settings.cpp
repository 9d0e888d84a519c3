#include "settings/import_settings.h"

namespace qw {

ImportOptions ImportOptionsFrom(const Settings& settings, const ConfigState& state) {
    ImportOptions options;
    options.htmlEmphasisAsCapitals = settings.Bool(Setting::HtmlEmphasisAsCapitals);
    options.htmlEmphasisMarks = settings.Bool(Setting::HtmlBoldItalicUnderlined);
    options.docBlankLine = settings.Bool(Setting::DocBlankLine);
    options.ignoredFiles = state.ignoredFiles;
    options.hideIgnoredInArchives = settings.Bool(Setting::HideIgnoredFiles);
    return options;
}

} // namespace qw
