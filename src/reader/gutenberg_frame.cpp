#include "reader/gutenberg_frame.h"

#include <algorithm>
#include <cctype>

namespace qw {

namespace {

struct Line {
    std::size_t begin = 0; // first character
    std::size_t end = 0;   // after the last character, before CR LF or LF
    std::size_t next = 0;  // first character of the following line
};

Line LineAt(std::string_view text, std::size_t begin) {
    Line line;
    line.begin = begin;
    const std::size_t lf = text.find('\n', begin);
    line.next = lf == std::string_view::npos ? text.size() : lf + 1;
    line.end = lf == std::string_view::npos ? text.size() : lf;
    if (line.end > begin && text[line.end - 1] == '\r')
        --line.end;
    return line;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// Whether `s` starts with `prefix`, ASCII letters compared without case and
// any run of blanks in `prefix` matching any run (also none) in `s`.
bool StartsLoosely(std::string_view s, std::string_view prefix) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (j < prefix.size()) {
        if (prefix[j] == ' ') {
            while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
                ++i;
            ++j;
            continue;
        }
        if (i >= s.size() || std::tolower(static_cast<unsigned char>(s[i])) !=
                                 std::tolower(static_cast<unsigned char>(prefix[j])))
            return false;
        ++i;
        ++j;
    }
    return true;
}

bool IsStartLine(std::string_view line) {
    return StartsLoosely(line, "*** start of the project gutenberg ebook") ||
           StartsLoosely(line, "*** start of this project gutenberg ebook") ||
           StartsLoosely(line, "*end*the small print!");
}

bool IsEndLine(std::string_view line) {
    return StartsLoosely(line, "*** end of the project gutenberg ebook") ||
           StartsLoosely(line, "*** end of this project gutenberg ebook");
}

// The line before the END line in older texts ("End of the Project
// Gutenberg EBook of ...", "End of Project Gutenberg's ...").
bool IsEndNote(std::string_view line) {
    return StartsLoosely(line, "end of the project gutenberg") ||
           StartsLoosely(line, "end of project gutenberg");
}

// "Release date: May 1, 1998 [eBook #1342]" without the number.
std::string WithoutEbookNumber(std::string value) {
    const std::size_t bracket = value.find('[');
    if (bracket != std::string::npos && bracket > 0)
        value = std::string(Trimmed(std::string_view(value).substr(0, bracket)));
    return value;
}

void ReadHeaderLines(std::string_view text, std::size_t headerEnd, GutenbergHeader& header) {
    struct Field {
        const char* label;
        std::string* value;
    };
    const Field fields[] = {{"title:", &header.title},
                            {"author:", &header.author},
                            {"translator:", &header.translator},
                            {"translated by:", &header.translator},
                            {"release date:", &header.releaseDate},
                            {"language:", &header.language}};
    std::string* continuing = nullptr;
    for (std::size_t pos = 0; pos < headerEnd;) {
        const Line line = LineAt(text, pos);
        pos = line.next;
        const std::string_view raw = text.substr(line.begin, line.end - line.begin);
        const std::string_view body = Trimmed(raw);
        // A long title goes on in indented lines below its label.
        if (continuing != nullptr && !body.empty() && (raw[0] == ' ' || raw[0] == '\t')) {
            *continuing += ' ';
            continuing->append(body);
            continue;
        }
        continuing = nullptr;
        for (const Field& f : fields) {
            const std::string_view label(f.label);
            if (f.value->empty() && StartsLoosely(body, label) && body.size() >= label.size()) {
                *f.value = std::string(Trimmed(body.substr(label.size())));
                continuing = f.value;
                break;
            }
        }
    }
    header.releaseDate = WithoutEbookNumber(header.releaseDate);
}

} // namespace

GutenbergFrame FindGutenbergFrame(std::string_view text) {
    GutenbergFrame frame;
    // The last START line of the first lines: old texts have the small print
    // first and sometimes a START line after it.
    std::size_t startLine = std::string_view::npos;
    std::size_t bodyBegin = 0;
    std::size_t pos = 0;
    for (std::size_t n = 0; n < kFrameStartLineLimit && pos < text.size(); ++n) {
        const Line line = LineAt(text, pos);
        if (IsStartLine(Trimmed(text.substr(line.begin, line.end - line.begin)))) {
            startLine = line.begin;
            bodyBegin = line.next;
        }
        pos = line.next;
    }
    if (startLine == std::string_view::npos)
        return frame;
    frame.found = true;
    // The blank lines after the START line are not the book's: its first
    // line is the first of the pages and of the contents.
    for (Line line = LineAt(text, bodyBegin);
         bodyBegin < text.size() && Trimmed(text.substr(line.begin, line.end - line.begin)).empty();
         line = LineAt(text, bodyBegin))
        bodyBegin = line.next;
    frame.bodyBegin = bodyBegin;
    frame.bodyEnd = text.size();

    // The END line nearest the body, searched line by line from the body on.
    std::size_t previousNote = std::string_view::npos;
    int linesSinceNote = 0;
    for (pos = bodyBegin; pos < text.size();) {
        const Line line = LineAt(text, pos);
        const std::string_view body = Trimmed(text.substr(line.begin, line.end - line.begin));
        if (!body.empty() && (body[0] == '*' || body[0] == 'E' || body[0] == 'e')) {
            if (IsEndLine(body)) {
                frame.bodyEnd = previousNote != std::string_view::npos && linesSinceNote <= 20
                                    ? previousNote
                                    : line.begin;
                break;
            }
            if (IsEndNote(body)) {
                previousNote = line.begin;
                linesSinceNote = 0;
            }
        }
        ++linesSinceNote;
        pos = line.next;
    }
    ReadHeaderLines(text, startLine, frame.header);
    return frame;
}

std::vector<std::string> HeaderNotes(const GutenbergHeader& header) {
    std::vector<std::string> notes;
    if (!header.translator.empty())
        notes.push_back("Translated by " + header.translator);
    std::string released;
    if (!header.releaseDate.empty())
        released = "Released " + header.releaseDate;
    if (!header.language.empty())
        released += (released.empty() ? "" : ", ") + std::string("Language: ") + header.language;
    if (!released.empty())
        notes.push_back(released);
    return notes;
}

} // namespace qw
