#include "settings/book_settings.h"

#include "settings/font_lists.h"
#include "settings/ini_case.h"

#include <algorithm>
#include <array>

namespace qw {

namespace {

constexpr std::array<const char*, static_cast<size_t>(BookKey::Count)> kKeyNames = {
    "Fontname",
    "Fontsize",
    "Tab width",
    "Remove line breaks",
    "Check punctuation marks",
    "Check indentation",
    "Automatically create TOC",
    "Section header contains",
    "Preceding blank lines",
    "Section header size",
    "Count blank lines",
    "TOC on left side",
    "Section on new page",
    "Section on right page",
    "Title",
    "Subtitle",
    "Author",
    "Rating",
    "Categories",
    "Source",
    "Synopsis",
    "Additional information",
    "Remarks",
    "Finished",
    "Page",
    "Total lines",
    "Lines",
    "Last opened",
    "Bookmark 1",
    "Bookmark 2",
    "Bookmark 3",
};

const char* Yes(bool b) {
    return b ? "Yes" : "No";
}

// Writes the keys, rewrites the file and tells about a new record.
template <typename Fill> void WriteGroup(ConfigFile& config, const std::string& record, Fill fill) {
    const bool existed = config.SectionExists(record);
    fill();
    config.UpdateFile();
    if (!existed)
        config.NotifyNewSection(record);
}

} // namespace

const char* BookKeyName(BookKey key) {
    return kKeyNames.at(static_cast<size_t>(key));
}

bool BookSettings::operator==(const BookSettings& o) const {
    return fontName == o.fontName && fontSize == o.fontSize && tabWidth == o.tabWidth &&
           removeLineBreaks == o.removeLineBreaks &&
           checkPunctuationMarks == o.checkPunctuationMarks &&
           checkIndentation == o.checkIndentation && automaticToc == o.automaticToc &&
           sectionHeaderContains == o.sectionHeaderContains &&
           precedingBlankLines == o.precedingBlankLines &&
           sectionHeaderSize == o.sectionHeaderSize && countBlankLines == o.countBlankLines &&
           tocOnLeftSide == o.tocOnLeftSide && sectionOnNewPage == o.sectionOnNewPage &&
           sectionOnRightPage == o.sectionOnRightPage;
}

void SaveFontLineSettings(ConfigFile& config, const std::string& record, const BookSettings& s) {
    WriteGroup(config, record, [&] {
        config.WriteString(record, BookKeyName(BookKey::Fontname), s.fontName);
        config.WriteInteger(record, BookKeyName(BookKey::Fontsize), s.fontSize);
        config.WriteInteger(record, BookKeyName(BookKey::TabWidth), s.tabWidth);
        config.WriteString(record, BookKeyName(BookKey::RemoveLineBreaks), Yes(s.removeLineBreaks));
        config.WriteString(record, BookKeyName(BookKey::CheckPunctuationMarks),
                           Yes(s.checkPunctuationMarks));
        config.WriteString(record, BookKeyName(BookKey::CheckIndentation), Yes(s.checkIndentation));
    });
}

void SaveTocSettings(ConfigFile& config, const std::string& record, const BookSettings& s,
                     bool tocPanelVisible) {
    WriteGroup(config, record, [&] {
        config.WriteString(record, BookKeyName(BookKey::AutomaticallyCreateToc),
                           Yes(s.automaticToc));
        config.WriteString(record, BookKeyName(BookKey::SectionHeaderContains),
                           s.sectionHeaderContains);
        config.WriteInteger(record, BookKeyName(BookKey::PrecedingBlankLines),
                            s.precedingBlankLines);
        config.WriteInteger(record, BookKeyName(BookKey::SectionHeaderSize), s.sectionHeaderSize);
        config.WriteString(record, BookKeyName(BookKey::CountBlankLines), Yes(s.countBlankLines));
        config.WriteString(record, BookKeyName(BookKey::TocOnLeftSide),
                           Yes(s.tocOnLeftSide && tocPanelVisible));
        config.WriteString(record, BookKeyName(BookKey::SectionOnNewPage), Yes(s.sectionOnNewPage));
        config.WriteString(record, BookKeyName(BookKey::SectionOnRightPage),
                           Yes(s.sectionOnRightPage));
    });
}

BookSettings LoadBookSettings(ConfigFile& config, const std::string& record,
                              const BookSettings& current, const FontChoice& fonts, bool correct) {
    BookSettings s = current;
    auto key = [](BookKey k) { return BookKeyName(k); };
    auto readBool = [&](BookKey k, bool def) { return config.ReadBool(record, key(k), def); };

    // Font: an uninstalled font gives way to the default font.
    std::string font = config.ReadString(record, key(BookKey::Fontname), fonts.defaultFontName);
    auto listed = std::find_if(fonts.fontList.begin(), fonts.fontList.end(),
                               [&](const std::string& f) { return EqualsNoCase(f, font); });
    if (listed == fonts.fontList.end()) {
        font = fonts.defaultFontName;
        if (correct) {
            config.WriteString(record, key(BookKey::Fontname), font);
            config.UpdateFile();
        }
    } else {
        font = *listed;
    }
    s.fontName = font;

    // Size: a size outside the list becomes the next larger listed size.
    const std::string sizeText =
        config.ReadString(record, key(BookKey::Fontsize), std::to_string(fonts.defaultFontSize));
    int size = fonts.defaultFontSize;
    const bool isNumber = ParseIniInteger(sizeText, size);
    if (!isNumber || !IsListedFontSize(size) || sizeText != std::to_string(size)) {
        size = SelectFontSize(isNumber ? size : fonts.defaultFontSize);
        if (correct) {
            config.WriteInteger(record, key(BookKey::Fontsize), size);
            config.UpdateFile();
        }
    }
    s.fontSize = size;

    s.tabWidth = config.ReadInteger(record, key(BookKey::TabWidth), 32);

    // The three line-break options are read first and applied together.
    const bool remove = readBool(BookKey::RemoveLineBreaks, current.removeLineBreaks);
    const bool punctuation =
        readBool(BookKey::CheckPunctuationMarks, current.checkPunctuationMarks);
    const bool indentation = readBool(BookKey::CheckIndentation, current.checkIndentation);
    s.removeLineBreaks = remove;
    s.checkPunctuationMarks = punctuation;
    s.checkIndentation = indentation;

    s.automaticToc = readBool(BookKey::AutomaticallyCreateToc, current.automaticToc);
    s.sectionOnNewPage = readBool(BookKey::SectionOnNewPage, current.sectionOnNewPage);
    s.sectionOnRightPage = readBool(BookKey::SectionOnRightPage, current.sectionOnRightPage);
    s.sectionHeaderContains = config.ReadString(record, key(BookKey::SectionHeaderContains), "");
    // The edits hold 1 to 9.
    auto clamp19 = [](int v) { return std::clamp(v, 1, 9); };
    s.precedingBlankLines = clamp19(
        config.ReadInteger(record, key(BookKey::PrecedingBlankLines), current.precedingBlankLines));
    s.sectionHeaderSize = clamp19(
        config.ReadInteger(record, key(BookKey::SectionHeaderSize), current.sectionHeaderSize));
    s.countBlankLines = readBool(BookKey::CountBlankLines, current.countBlankLines);
    s.tocOnLeftSide = readBool(BookKey::TocOnLeftSide, current.tocOnLeftSide);
    return s;
}

} // namespace qw
