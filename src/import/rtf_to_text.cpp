#include "import/rtf_to_text.h"

#include "import/cp1252.h"
#include "import/rtf_codepages.h"
#include "import/text_scan.h"
#include "import/utf8.h"

#include <cstring>
#include <unordered_map>
#include <vector>

namespace qw {

std::string RemoveRtfNoiseGroups(std::string_view rtf) {
    std::string out;
    out.reserve(rtf.size());
    const size_t n = rtf.size();
    const char* p = rtf.data();
    size_t i = 0;
    while (i < n) {
        const void* hit = std::memchr(p + i, '{', n - i);
        const size_t brace =
            hit == nullptr ? n : static_cast<size_t>(static_cast<const char*>(hit) - p);
        out.append(p + i, brace - i);
        if (brace == n)
            break;
        const bool control = n - brace > 2 && p[brace + 1] == '\\';
        const bool starred = control && p[brace + 2] == '*';
        const bool picture = control && n - brace > 5 && rtf.compare(brace + 1, 5, "\\pict") == 0;
        if (!starred && !picture) {
            out.push_back('{');
            i = brace + 1;
            continue;
        }
        // Leave out everything up to the brace that closes this group.
        long depth = 0;
        i = brace + 1;
        for (; i < n; ++i) {
            if (p[i] == '{') {
                ++depth;
            } else if (p[i] == '}' && --depth < 0) {
                ++i;
                break;
            }
        }
    }
    return out;
}

namespace {

enum class Destination : unsigned char { Text, Skip, FontTable };

struct GroupState {
    Destination destination = Destination::Text;
    bool hidden = false;
    int unicodeSkip = 1; // \ucN: fallback characters after \uN
    int codePage = 0;    // of the current font; 0: the document's
};

// Destinations whose content is not part of the text a reader sees.
bool IsSkippedDestination(std::string_view word) {
    static const char* const kSkipped[] = {"colortbl",
                                           "stylesheet",
                                           "info",
                                           "pict",
                                           "header",
                                           "headerl",
                                           "headerr",
                                           "headerf",
                                           "footer",
                                           "footerl",
                                           "footerr",
                                           "footerf",
                                           "footnote",
                                           "annotation",
                                           "xe",
                                           "tc",
                                           "txe",
                                           "fldinst",
                                           "listtable",
                                           "listoverridetable",
                                           "revtbl",
                                           "rsidtbl",
                                           "filetbl",
                                           "pntext",
                                           "pntxta",
                                           "pntxtb",
                                           "listtext",
                                           "themedata",
                                           "colorschememapping",
                                           "datastore",
                                           "latentstyles",
                                           "xmlnstbl",
                                           "generator",
                                           "nonshppict",
                                           "sp",
                                           "sn",
                                           "sv",
                                           "objdata",
                                           "objclass",
                                           "objname",
                                           "docvar",
                                           "template",
                                           "userprops",
                                           "ftnsep",
                                           "ftnsepc",
                                           "aftnsep",
                                           "aftnsepc",
                                           "pgdsctbl",
                                           "fchars",
                                           "lchars",
                                           "defchp",
                                           "defpap",
                                           "bkmkstart",
                                           "bkmkend",
                                           "atnid",
                                           "atnauthor",
                                           "atndate",
                                           "atnref",
                                           "shpinst",
                                           "picprop",
                                           "blipuid",
                                           "mmathPr",
                                           "panose",
                                           "falt",
                                           "fontemb",
                                           "fontfile",
                                           "wgrffmtfilter",
                                           "xmlopen",
                                           "xmlclose",
                                           "passwordhash",
                                           "protusertbl",
                                           "listpicture",
                                           "tcn",
                                           "formfield",
                                           "datafield"};
    for (const char* name : kSkipped)
        if (word == name)
            return true;
    return false;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Real documents nest a few dozen groups deep; deeper groups share the state
// of the group at the limit, so memory does not grow with the braces.
constexpr size_t kMaxGroupDepth = 1000;

class RtfReader {
  public:
    explicit RtfReader(std::string_view rtf) : in_(rtf) {}

    std::string run() {
        size_t i = 0;
        const size_t n = in_.size();
        if (in_.substr(0, 5) == "{\\rtf") {
            // The document's own group is the outermost one.
        } else {
            // Read as the body of "{\rtf1 ...}".
            stack_.push_back(GroupState{});
        }
        const char* p = in_.data();
        while (i < n) {
            const char c = p[i];
            if (c == '{') {
                ++i;
                pendingSkip_ = 0;
                if (stack_.size() >= kMaxGroupDepth) {
                    // Too deep: the group is read as part of the one around it.
                    ++flatGroups_;
                    groupStart_ = false;
                    continue;
                }
                GroupState next = stack_.empty() ? GroupState{} : stack_.back();
                stack_.push_back(next);
                groupStart_ = true;
                continue;
            }
            if (c == '}') {
                ++i;
                groupStart_ = false;
                pendingSkip_ = 0;
                if (flatGroups_ > 0)
                    --flatGroups_;
                else if (!stack_.empty())
                    stack_.pop_back();
                if (stack_.empty())
                    break; // the document's group is closed: the rest is not read
                continue;
            }
            if (stack_.empty()) {
                // Bytes before the document's first brace.
                ++i;
                continue;
            }
            if (c == '\\') {
                i = controlWord(i + 1);
                groupStart_ = false;
                continue;
            }
            // Line breaks of the source do not end the start of a group.
            if (c == '\r' || c == '\n' || c == '\0') {
                ++i;
                continue;
            }
            groupStart_ = false;
            if (pendingSkip_ > 0) {
                --pendingSkip_;
                ++i;
                continue;
            }
            if (!emitting()) {
                ++i;
                continue;
            }
            // A run of ordinary characters goes out at once.
            const size_t start = i;
            while (i < n && IsPlainByte(p[i]))
                ++i;
            if (i > start) {
                if (leadByte_ != 0) {
                    character(static_cast<unsigned char>(p[start]));
                    appendBytes(start + 1, i);
                } else {
                    appendBytes(start, i);
                }
                continue;
            }
            character(static_cast<unsigned char>(c));
            ++i;
        }
        return std::move(out_);
    }

  private:
    static bool IsPlainByte(char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 0x20 && u < 0x80 && c != '\\' && c != '{' && c != '}';
    }

    bool emitting() const {
        const GroupState& g = stack_.back();
        return g.destination == Destination::Text && !g.hidden;
    }

    int codePage() const {
        const int cp = stack_.back().codePage;
        return cp != 0 ? cp : documentCodePage_;
    }

    void appendBytes(size_t from, size_t to) {
        if (IsDoubleByteCodePage(codePage())) {
            for (size_t k = from; k < to; ++k)
                character(static_cast<unsigned char>(in_[k]));
        } else {
            out_.append(in_.data() + from, to - from);
        }
    }

    // A character of the current code page (a literal byte or \'hh).
    void character(unsigned char byte) {
        if (byte == '\t') {
            out_.push_back('\t');
            return;
        }
        if (byte < 0x20)
            return;
        const int cp = codePage();
        if (IsDoubleByteCodePage(cp)) {
            if (leadByte_ != 0) {
                AppendUtf8(out_, DoubleByteToUnicode(cp, leadByte_, byte));
                leadByte_ = 0;
                return;
            }
            if (byte >= 0x81 && byte <= 0xFE) {
                leadByte_ = byte;
                return;
            }
        }
        AppendUtf8(out_, CodePageByteToUnicode(cp, byte));
    }

    void unicode(long value) {
        if (value < 0)
            value += 65536;
        if (value >= 0xD800 && value <= 0xDBFF) {
            highSurrogate_ = static_cast<char32_t>(value);
            return;
        }
        if (value >= 0xDC00 && value <= 0xDFFF) {
            if (highSurrogate_ != 0)
                AppendUtf8(out_, 0x10000 + ((highSurrogate_ - 0xD800) << 10) +
                                     (static_cast<char32_t>(value) - 0xDC00));
            highSurrogate_ = 0;
            return;
        }
        highSurrogate_ = 0;
        if (value == 0x09) {
            out_.push_back('\t');
            return;
        }
        if (value < 0x20)
            return;
        if (value > 0x10FFFF)
            out_.push_back('?'); // no character
        else
            AppendUtf8(out_, static_cast<char32_t>(value));
    }

    void lineBreak() { out_ += "\r\n"; }

    // Reads the control word or symbol after a backslash at i; returns the
    // position after it.
    size_t controlWord(size_t i) {
        const size_t n = in_.size();
        const char* p = in_.data();
        if (i >= n)
            return n;
        const bool atGroupStart = groupStart_;
        const char c = p[i];
        if (!IsLetter(c)) {
            return controlSymbol(i, atGroupStart);
        }
        size_t end = i;
        while (end < n && IsLetter(p[end]))
            ++end;
        const std::string_view word = in_.substr(i, end - i);
        bool hasParam = false;
        long param = 0;
        bool negative = false;
        if (end < n && p[end] == '-' && end + 1 < n && IsDigit(p[end + 1])) {
            negative = true;
            ++end;
        }
        int digits = 0;
        while (end < n && IsDigit(p[end])) {
            hasParam = true;
            if (digits < 10)
                param = param * 10 + (p[end] - '0');
            ++digits;
            ++end;
        }
        if (param > 2147483647L)
            param = 2147483647L;
        if (negative)
            param = -param;
        if (end < n && p[end] == ' ')
            ++end;
        if (word == "bin") {
            // Binary data: skipped unread, and counts as one character.
            const size_t count = hasParam && param > 0 ? static_cast<size_t>(param) : 0;
            end += count < n - end ? count : n - end;
            if (pendingSkip_ > 0)
                --pendingSkip_;
            return end;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return end;
        }
        apply(word, hasParam, param, atGroupStart);
        return end;
    }

    size_t controlSymbol(size_t i, bool atGroupStart) {
        const size_t n = in_.size();
        const char c = in_[i];
        if (c == '\'') {
            size_t end = i + 1;
            int value = -1;
            if (end + 2 <= n) {
                const int hi = HexDigitValue(in_[end]);
                const int lo = HexDigitValue(in_[end + 1]);
                if (hi >= 0 && lo >= 0) {
                    value = hi * 16 + lo;
                    end += 2;
                }
            }
            if (pendingSkip_ > 0) {
                --pendingSkip_;
                return end;
            }
            if (value >= 0 && emitting())
                character(static_cast<unsigned char>(value));
            return end;
        }
        if (c == '*') {
            // An ignorable destination that survived the group removal.
            if (atGroupStart)
                stack_.back().destination = Destination::Skip;
            return i + 1;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return i + 1;
        }
        if (!emitting())
            return i + 1;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            out_.push_back(c);
            break;
        case '~':
            out_ += "\xC2\xA0"; // no-break space
            break;
        case '_':
            out_.push_back('-');
            break;
        case '\r':
        case '\n':
            lineBreak();
            break;
        case '\t':
            out_.push_back('\t');
            break;
        default: // \- optional hyphen, \| \: and unknown symbols
            break;
        }
        return i + 1;
    }

    void apply(std::string_view word, bool hasParam, long param, bool atGroupStart) {
        GroupState& g = stack_.back();
        if (atGroupStart) {
            if (word == "fonttbl") {
                g.destination = Destination::FontTable;
                return;
            }
            if (IsSkippedDestination(word)) {
                g.destination = Destination::Skip;
                return;
            }
        }
        if (g.destination == Destination::FontTable) {
            if (word == "f" && hasParam)
                fontBeingDefined_ = param;
            else if (word == "fcharset" && hasParam)
                fontCodePages_[fontBeingDefined_] = RtfCharsetCodePage(static_cast<int>(param));
            else if (word == "cpg" && hasParam && param > 0)
                fontCodePages_[fontBeingDefined_] = static_cast<int>(param);
            return;
        }
        // Character and document properties apply even where nothing is shown.
        if (word == "uc") {
            g.unicodeSkip = hasParam && param >= 0 && param < 1000 ? static_cast<int>(param) : 1;
            return;
        }
        if (word == "f" && hasParam) {
            g.codePage = fontCodePage(param);
            return;
        }
        if (word == "plain") {
            g.hidden = false;
            g.codePage = fontCodePage(defaultFont_);
            return;
        }
        if (word == "v") {
            g.hidden = !hasParam || param != 0;
            return;
        }
        if (word == "deff" && hasParam) {
            defaultFont_ = param;
            return;
        }
        if (word == "ansicpg" && hasParam) {
            documentCodePage_ = param > 0 && param < 100000 ? static_cast<int>(param) : 1252;
            return;
        }
        if (word == "ansi") {
            documentCodePage_ = 1252;
            return;
        }
        if (word == "mac") {
            documentCodePage_ = 10000;
            return;
        }
        if (word == "pc") {
            documentCodePage_ = 437;
            return;
        }
        if (word == "pca") {
            documentCodePage_ = 850;
            return;
        }
        if (word == "u" && hasParam) {
            if (emitting())
                unicode(param);
            pendingSkip_ = g.unicodeSkip;
            return;
        }
        if (!emitting())
            return;
        textWord(word);
    }

    int fontCodePage(long font) const {
        const auto it = fontCodePages_.find(font);
        return it == fontCodePages_.end() ? 0 : it->second;
    }

    void textWord(std::string_view word) {
        struct Symbol {
            const char* word;
            const char* text;
        };
        static const Symbol kSymbols[] = {
            {"par", "\r\n"},         {"line", "\r\n"},     {"sect", "\r\n"},
            {"page", "\r\n"},        {"row", "\r\n"},      {"nestrow", "\r\n"},
            {"tab", "\t"},           {"cell", "\t"},       {"nestcell", "\t"},
            {"emdash", "\u2014"},    {"endash", "\u2013"}, {"bullet", "\u2022"},
            {"lquote", "\u2018"},    {"rquote", "\u2019"}, {"ldblquote", "\u201C"},
            {"rdblquote", "\u201D"}, {"emspace", " "},     {"enspace", " "},
            {"qmspace", " "}};
        for (const Symbol& s : kSymbols) {
            if (word == s.word) {
                out_ += s.text;
                return;
            }
        }
    }

    std::string_view in_;
    std::string out_;
    std::vector<GroupState> stack_;
    size_t flatGroups_ = 0; // open groups beyond the depth limit
    std::unordered_map<long, int> fontCodePages_;
    long fontBeingDefined_ = 0;
    long defaultFont_ = 0;
    int documentCodePage_ = 1252;
    int pendingSkip_ = 0; // fallback characters still to skip after \uN
    bool groupStart_ = false;
    unsigned char leadByte_ = 0; // the lead byte of a double-byte character
    char32_t highSurrogate_ = 0; // a \uN high surrogate waiting for its pair
};

} // namespace

std::string RtfPlainText(std::string_view rtf) {
    return RtfReader(rtf).run();
}

std::string RtfToText(std::string_view rtf) {
    return RtfPlainText(RemoveRtfNoiseGroups(rtf));
}

} // namespace qw
