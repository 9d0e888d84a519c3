#include "settings/ui/option_pages.h"

namespace qw {

const std::vector<CheckOption>& GeneralOptions() {
    using O = GeneralOption;
    static const std::vector<CheckOption> options = {
        {Id(O::BookStyle), "ShowPages", "Book style", "Show the text on the pages of an open book",
         false, Setting::BookStyle},
        {Id(O::FullScreen), "FullScreen", "Full screen", "Pages over the whole screen (Ctrl+Enter)",
         false, Setting::Count},
        {Id(O::Antialiasing), "Antialiasing", "Font antialiasing (system setting)",
         "Smooth the edges of the letters on the pages", false, Setting::Count},
        {Id(O::PageNumbersBelow), "CenterPageNr", "Page numbers below text (margin>16)",
         "Needs an applied bottom margin of more than 16 pixels", false,
         Setting::PageNumbersBelowText},
        {Id(O::ShowProgressBar), "ShowProgressBar", "Show progress bar", nullptr, false,
         Setting::ShowProgressBar},
        {Id(O::ProgressBarBelow), "ProgressBarBelow", "Below text",
         "The progress bar below the pages instead of in the top row", true,
         Setting::ProgressBarBelowText},
        {Id(O::HideFilePaths), "HideFilePath", "Hide file paths",
         "File names without their folders", false, Setting::HideFilePath},
        {Id(O::HideArchiveNames), "HideArchiveName", "Hide archive names",
         "Files in archives without the archive's name", false, Setting::HideArchiveName},
        {Id(O::HideIgnoredFiles), "HideIgnoredFiles", "Hide ignored files in archives", nullptr,
         false, Setting::HideIgnoredFiles},
        {Id(O::ApplyDefaultSettings), "ApplyDefaultSettings", "Apply default settings to new files",
         "Books opened for the first time take the default font and line settings", false,
         Setting::ApplyDefaultSettings},
        {Id(O::SkipGutenbergFrame), "SkipGutenbergFrame", "Skip the Gutenberg header and licence",
         "Pages, find and contents show only the text between the START and END lines of a "
         "Project Gutenberg e-text",
         false, Setting::SkipGutenbergFrame},
        {Id(O::JustifyText), "JustifyText", "Justify text",
         "Stretch the lines of a paragraph to the page width (the last line stays as it is)", false,
         Setting::JustifyText},
        {Id(O::FindMovedBooks), "FindMovedBooks",
         "Find the reading position of moved or renamed books",
         "A book opened under a new name takes over the record of the same file", false,
         Setting::FindMovedBooks},
    };
    return options;
}

const std::vector<CheckOption>& ControlOptions() {
    using O = ControlOption;
    static const std::vector<CheckOption> options = {
        {Id(O::ActivateShortcuts), "ActivateShortcuts", "Enable keyboard shortcuts",
         "The Ctrl keys of the reader", false, Setting::ActivateShortcuts},
        {Id(O::AutoOpen), "AutoOpen", "Auto-open last file",
         "Open the book read last when the program starts", false, Setting::AutoOpen},
        {Id(O::QuickPage), "QuickPage", "Quick page", "Typing a digit asks for a page to go to",
         false, Setting::QuickPage},
        {Id(O::QuickFind), "QuickFind", "Quick find", "Typing a letter starts a search", false,
         Setting::QuickFind},
        {Id(O::AutomaticallyFit), "AutomaticallyFit", "Automatically fit lines",
         "Fit the lines again whenever the page width, font or line options change", false,
         Setting::AutomaticallyFit},
        {Id(O::FitLeavingMenu), "FitLeavingMenu", "Fit when leaving menu after changes",
         "Without automatic fitting: fit once when the options are closed", true,
         Setting::FitLeavingMenu},
    };
    return options;
}

const std::vector<CheckOption>& ImportOptionList() {
    using O = ImportOption;
    static const std::vector<CheckOption> options = {
        {Id(O::EmphasisAsCapitals), "EmphasisAsCapitals", "Convert emphasized text to capitals",
         "HTML: bold and italic text in capital letters", false, Setting::HtmlEmphasisAsCapitals},
        {Id(O::EmphasisMarks), "EmphasisMarks", "Convert *bold* /italic/ _underlined_",
         "HTML: emphasis marked with *, / and _", false, Setting::HtmlBoldItalicUnderlined},
        {Id(O::DocBlankLine), "DocBlankLine", "Insert blank line between paragraphs",
         "Word documents: an empty line after each paragraph", false, Setting::DocBlankLine},
    };
    return options;
}

} // namespace qw
