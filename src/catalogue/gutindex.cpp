#include "catalogue/gutindex.h"

#include "catalogue/ascii.h"
#include "import/cp1252.h"
#include "import/read_file.h"
#include "import/utf8.h"

#include <cstring>
#include <filesystem>

namespace qw {

namespace {

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Characters a to b (1-based) of the line; shorter or empty where it ends.
std::string_view Columns(std::string_view line, size_t a, size_t b) {
    if (IsAscii(line))
        return a <= line.size() ? line.substr(a - 1, b - a + 1) : std::string_view();
    size_t column = 1, pos = 0, begin = line.size();
    while (pos < line.size() && column <= b) {
        if (column == a)
            begin = pos;
        char32_t c = 0;
        size_t length = 1;
        if (static_cast<unsigned char>(line[pos]) >= 0x80 && !DecodeUtf8(line, pos, c, length))
            length = 1;
        pos += length;
        ++column;
    }
    return begin < pos ? line.substr(begin, pos - begin) : std::string_view();
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

enum class OldForm { All, Aus };

// An entry with a bracketed file name at columns 60 to 73.
bool OldLineTest(std::string_view line, OldForm form) {
    static const char* const months[] = {"Jan ", "Feb ", "Mar ", "Apr ", "May ", "Jun ",
                                         "Jul ", "Aug ", "Sep ", "Oct ", "Nov ", "Dec "};
    if (Columns(line, 60, 60) != "[" || Columns(line, 73, 73) != "]")
        return false;
    const std::string_view digits =
        form == OldForm::All ? Columns(line, 4, 9) : Columns(line, 5, 9);
    if (!AllDigits(TrimBlanks(digits)))
        return false;
    const size_t monthLength = form == OldForm::All ? 4 : 3;
    for (const char* month : months)
        if (Columns(line, 1, monthLength) == std::string_view(month, monthLength))
            return true;
    return false;
}

bool NumberInColumns74To78(std::string_view line) {
    return AllDigits(TrimBlanks(Columns(line, 74, 78)));
}

// Today's entry line: a number of up to six digits (maybe with "C") ends it,
// set off by at least two blanks or standing at the right edge.
bool TodaysEntry(std::string_view line, std::string_view& title, std::string_view& number) {
    if (line.empty() || static_cast<unsigned char>(line[0]) <= ' ')
        return false;
    const std::string_view trimmed = TrimBlanks(line);
    const size_t blank = trimmed.find_last_of(" \t");
    if (blank == std::string_view::npos)
        return false;
    std::string_view token = trimmed.substr(blank + 1);
    std::string_view digits = token;
    if (!digits.empty() && digits.back() == 'C')
        digits.remove_suffix(1);
    if (digits.size() > 6 || !AllDigits(digits))
        return false;
    const std::string_view before = trimmed.substr(0, blank + 1);
    const bool gap = before.size() >= 2 && before[before.size() - 2] <= ' ';
    if (!gap && trimmed.size() < 75)
        return false;
    title = TrimBlanks(before);
    number = token;
    return !title.empty();
}

// Calls f(line) for every line, in UTF-8, without its line end.
template <typename F> void ForEachLine(std::string_view bytes, F f) {
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    std::string converted;
    while (!bytes.empty()) {
        const void* lf = std::memchr(bytes.data(), '\n', bytes.size());
        const size_t end = lf ? static_cast<const char*>(lf) - bytes.data() : bytes.size();
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(lf ? end + 1 : end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!IsAscii(line) && !IsValidUtf8Text(line)) {
            converted = Cp1252ToUtf8(line);
            line = converted;
        }
        f(line);
    }
}

} // namespace

void GutindexReader::infoLine(std::string_view line) {
    if (blankSeen_ || entries_.empty())
        return;
    std::string& info = entries_.back().info;
    if (!info.empty())
        info += "\r\n";
    info += line;
}

void GutindexReader::newFormatLine(std::string_view line) {
    if (TrimBlanks(line).empty()) {
        blankSeen_ = true;
    } else if (NumberInColumns74To78(line)) {
        blankSeen_ = false;
        CatalogueEntry& e = entries_.emplace_back();
        e.number = std::string(Columns(line, 74, 78));
        e.title = std::string(TrimBlanks(Columns(line, 1, 73)));
    } else {
        infoLine(line);
    }
}

void GutindexReader::oldFormatLine(std::string_view line) {
    if (TrimBlanks(line).empty()) {
        blankSeen_ = true;
    } else if (NumberInColumns74To78(line)) {
        blankSeen_ = false;
        CatalogueEntry& e = entries_.emplace_back();
        e.number = (Columns(line, 79, 79) == "A" ? "A" : "") + std::string(Columns(line, 74, 78));
        e.title = std::string(TrimBlanks(Columns(line, 10, 59)));
        e.year = std::string(Columns(line, 7, 8));
        e.fileName = std::string(Columns(line, 61, 72));
    } else {
        infoLine(line);
    }
}

void GutindexReader::todaysLine(std::string_view line) {
    const std::string_view trimmed = TrimBlanks(line);
    std::string_view title, number;
    if (trimmed.empty() || trimmed[0] == '~' || StartsWith(line, "TITLE and AUTHOR")) {
        blankSeen_ = true; // blank lines, month dividers and the column header end an entry
    } else if (TodaysEntry(line, title, number)) {
        blankSeen_ = false;
        CatalogueEntry& e = entries_.emplace_back();
        e.number = std::string(number);
        e.title = std::string(title);
    } else {
        infoLine(line);
    }
}

void GutindexReader::readAll(std::string_view bytes) {
    bool listing = false, started = false, sectioned = false, oldParse = true, today = false;
    ForEachLine(bytes, [&](std::string_view line) {
        if (line.size() == 11 && StartsWith(line, "GUTINDEX.")) {
            started = listing = today = false;
            sectioned = true;
        }
        if (line == "<==Start GUTINDEX.ALL listings==>")
            started = true;
        if (line == "<==LISTINGS==>" || line == "<===LISTINGS===>") {
            today = listing = true;
            started = sectioned = false;
            return;
        }
        if (line == "<==End of GUTINDEX.ALL==>" || line == "<===End of GUTINDEX.ALL===>")
            started = listing = sectioned = today = false;
        if (listing) {
            if (today) {
                todaysLine(line);
            } else if (started) {
                newFormatLine(line);
            } else if (sectioned) {
                if (NumberInColumns74To78(line))
                    oldParse = OldLineTest(line, OldForm::All);
                oldParse ? oldFormatLine(line) : newFormatLine(line);
            }
        }
        const std::string_view trimmed = TrimBlanks(line);
        if (started && !trimmed.empty() && trimmed[0] == '~')
            listing = true;
        if (sectioned && StartsWith(line, "Mon "))
            listing = true;
    });
}

void GutindexReader::readAus(std::string_view bytes) {
    bool listing = false, oldParse = true, section = false;
    ForEachLine(bytes, [&](std::string_view line) {
        if (line == "GUTINDEX.AUS") {
            listing = false;
            section = true;
        }
        if (line == "End of GUTINDEX.AUS")
            listing = section = false;
        if (listing && section) {
            if (NumberInColumns74To78(line))
                oldParse = OldLineTest(line, OldForm::Aus);
            oldParse ? oldFormatLine(line) : newFormatLine(line);
        }
        if (section && StartsWith(line, "Mon "))
            listing = true;
    });
}

std::vector<CatalogueEntry> LoadCatalogue(const std::string& folder) {
    constexpr std::uint64_t kMaxIndexBytes = 1024ull * 1024 * 1024;
    GutindexReader reader;
    std::error_code ignored;
    const std::string all = folder + "GUTINDEX.ALL", aus = folder + "GUTINDEX.AUS";
    if (std::filesystem::is_regular_file(all, ignored)) {
        const FileBytes file = ReadWholeFile(all, kMaxIndexBytes);
        reader.readAll(file.bytes);
    }
    if (std::filesystem::is_regular_file(aus, ignored)) {
        const FileBytes file = ReadWholeFile(aus, kMaxIndexBytes);
        reader.readAus(file.bytes);
    }
    reader.entries().shrink_to_fit();
    return std::move(reader.entries());
}

} // namespace qw
