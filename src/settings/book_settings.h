#pragma once
// The settings every book record shares with the "Default" record: the font
// and line group and the contents group, with their keys in one table, and
// the writers and reader of those two groups.

#include "settings/config_file.h"

#include <string>
#include <vector>

namespace qw {

enum class BookKey {
    // font and line
    Fontname,
    Fontsize,
    TabWidth,
    RemoveLineBreaks,
    CheckPunctuationMarks,
    CheckIndentation,
    // contents
    AutomaticallyCreateToc,
    SectionHeaderContains,
    PrecedingBlankLines,
    SectionHeaderSize,
    CountBlankLines,
    TocOnLeftSide,
    SectionOnNewPage,
    SectionOnRightPage,
    // information
    Title,
    Subtitle,
    Author,
    Rating,
    Categories,
    Source,
    Synopsis,
    AdditionalInformation,
    Remarks,
    Finished,
    // position and bookmarks
    Page,
    TotalLines,
    Lines,
    LastOpened,
    Bookmark1,
    Bookmark2,
    Bookmark3,
    Count
};

// The key text of a record key ("Fontname", "Tab width", ...).
const char* BookKeyName(BookKey key);

// The record name of the default book settings.
constexpr const char* kDefaultRecord = "Default";

// What the option controls show for the two groups. The initial values are
// the controls' state before any record is read.
struct BookSettings {
    std::string fontName = "Times New Roman";
    int fontSize = 12;
    int tabWidth = 32;
    bool removeLineBreaks = true;
    bool checkPunctuationMarks = false;
    bool checkIndentation = true;
    bool automaticToc = false;
    std::string sectionHeaderContains;
    int precedingBlankLines = 3;
    int sectionHeaderSize = 5;
    bool countBlankLines = true;
    bool tocOnLeftSide = false;
    bool sectionOnNewPage = false;
    bool sectionOnRightPage = false;

    bool operator==(const BookSettings& o) const;
};

// The fonts and the default font and size the reader falls back to.
struct FontChoice {
    std::vector<std::string> fontList;
    std::string defaultFontName;
    int defaultFontSize = 12;
};

// Each writes its keys into the record, rewrites the file and tells the
// store's new-section listener when the record is new. Whether a book gets a
// record at all is the caller's decision.
void SaveFontLineSettings(ConfigFile& config, const std::string& record, const BookSettings& s);
// "TOC on left side" is stored as on only while the contents panel is shown.
void SaveTocSettings(ConfigFile& config, const std::string& record, const BookSettings& s,
                     bool tocPanelVisible);

// Reads the two groups of an existing record; missing keys keep the current
// state. A font that is not in the font list becomes the default font, a size
// that is not in the size list the next larger listed size; with correct set,
// the record is corrected in the file. Numbers that are not numbers keep the
// current state.
BookSettings LoadBookSettings(ConfigFile& config, const std::string& record,
                              const BookSettings& current, const FontChoice& fonts, bool correct);

} // namespace qw
