#include "import/html_to_text.h"

#include "import/html_entities.h"
#include "import/text_scan.h"
#include "import/unicode_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>

namespace qw {

namespace {

bool IsReferenceEnd(char c) {
    return c == ';' || c == ' ' || c == '"' || c == '\r' || c == '\n' || c == '\t' || c == '&';
}

bool IsLineOrTab(char c) {
    return c == '\r' || c == '\n' || c == '\t';
}

// Bytes that need the slow path of ordinary text: everything else is copied.
const std::array<bool, 256> kSpecialText = [] {
    std::array<bool, 256> table{};
    for (char c : {'<', '&', ' ', '\r', '\n', '\t'})
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

class HtmlConverter {
  public:
    // With noBody the whole input counts as body; without it only what
    // follows a BODY start tag.
    HtmlConverter(std::string_view in, const ImportOptions& options, bool noBody)
        : in_(in), capitalsOption_(options.htmlEmphasisAsCapitals),
          marksOption_(options.htmlEmphasisMarks), noBody_(noBody) {
        out_.reserve(in.size());
    }

    // True once a BODY start tag was met (not in a comment, a script, a
    // style sheet or a longer name such as BODYTEXT).
    bool sawBody() const { return sawBody_; }

    std::string run() {
        const size_t n = in_.size();
        for (size_t i = 0; i < n; ++i) {
            const char c = in_[i];
            if (inReference_) {
                if (IsReferenceEnd(c))
                    endReference(c);
                else
                    reference_.push_back(c);
            } else if (inTag_) {
                tagByte(c);
            } else if ((script_ || style_) && !(c == '<' && endsRawText(i))) {
                // Scripts and style sheets are raw text ("if (a < b)"): only
                // their own end tag ends them.
                continue;
            } else if (c == '<') {
                inTag_ = true;
                inQuoted_ = false;
                afterEquals_ = false;
                tag_.clear();
            } else if (c == '&') {
                startReference();
            } else if (writing()) {
                if (pre_) {
                    preByte(c, i);
                } else if (!kSpecialText[static_cast<unsigned char>(c)]) {
                    // A run of ordinary text is copied at once.
                    size_t end = i + 1;
                    while (end < n && !kSpecialText[static_cast<unsigned char>(in_[end])])
                        ++end;
                    out_.append(in_.data() + i, end - i);
                    lastWasSpace_ = false;
                    i = end - 1;
                } else {
                    textByte(c);
                }
            }
        }
        // A reference cut off by the end of the file is not lost.
        if (inReference_ && !inTag_ && writing())
            writeReference(LookupCharacterReference(reference_));
        if (capitals_)
            capitalize();
        return std::move(out_);
    }

  private:
    bool writing() const { return (inBody_ || noBody_) && !script_ && !del_ && !style_; }
    char lastByte() const { return out_.empty() ? '\0' : out_.back(); }
    void lineBreak() { out_ += "\r\n"; }
    void lineBreakUnlessAtLineStart() {
        if (lastByte() != '\n')
            lineBreak();
    }

    bool endsRawText(size_t lt) const {
        const std::string_view end = script_ ? "/SCRIPT" : "/STYLE";
        if (in_.size() - lt - 1 < end.size())
            return false;
        for (size_t k = 0; k < end.size(); ++k)
            if (UpperAsciiByte(in_[lt + 1 + k]) != end[k])
                return false;
        return true;
    }

    void startReference() {
        inReference_ = true;
        reference_.clear();
    }

    void textByte(char c) {
        if (IsLineOrTab(c))
            c = ' ';
        if (c == ' ' && lastWasSpace_)
            return;
        lastWasSpace_ = c == ' ';
        out_.push_back(c);
    }

    // Preformatted text keeps its bytes; line breaks become CR LF.
    void preByte(char c, size_t i) {
        if (c == '\n' && i > 0 && in_[i - 1] != '\r')
            out_.push_back('\r');
        out_.push_back(c);
        if (c == '\r' && i + 1 < in_.size() && in_[i + 1] != '\n')
            out_.push_back('\n');
    }

    void endReference(char terminator) {
        const auto replacement = LookupCharacterReference(reference_);
        if (terminator != '&')
            inReference_ = false;
        if (inTag_) {
            // Decoded into the tag text; an unknown reference keeps its bytes
            // and its terminator is read as a byte of the tag, so a quote
            // that ends it still closes the attribute value.
            if (replacement) {
                for (char r : *replacement)
                    tag_.push_back(UpperAsciiByte(r));
            } else {
                tag_.push_back('&');
                for (char r : reference_)
                    tag_.push_back(UpperAsciiByte(r));
                if (terminator != '&')
                    tagByte(terminator);
            }
            reference_.clear();
            return;
        }
        if (writing()) {
            const char end = IsLineOrTab(terminator) ? ' ' : terminator;
            lastWasSpace_ = end == ' ';
            writeReference(replacement);
            if (!replacement && terminator != '&')
                out_.push_back(end);
        }
        reference_.clear();
    }

    void writeReference(std::optional<std::string> replacement) {
        if (replacement) {
            out_ += *replacement;
        } else {
            out_.push_back('&');
            out_ += reference_;
        }
    }

    void tagByte(char c) {
        if (c == '&' && !inComment_) {
            startReference();
            return;
        }
        if (c == '>') {
            if (inComment_) {
                const size_t size = tag_.size();
                if (size >= 2 && tag_[size - 1] == '-' && tag_[size - 2] == '-') {
                    inComment_ = false;
                    inTag_ = false;
                } else {
                    tag_.push_back('>');
                }
                return;
            }
            if (!inQuoted_) {
                endTag();
                return;
            }
        }
        tag_.push_back(IsLineOrTab(c) ? ' ' : UpperAsciiByte(c));
        if (!inComment_ && tag_.size() == 3 && tag_ == "!--")
            inComment_ = true;
        if (c == '"') {
            if (inQuoted_)
                inQuoted_ = false;
            else if (afterEquals_)
                inQuoted_ = true;
        }
        if (c == '=' && !inQuoted_)
            afterEquals_ = true;
        else if (afterEquals_ && c != '=' && c != ' ' && !IsLineOrTab(c))
            afterEquals_ = false;
    }

    void setElementFlags(std::string_view name) {
        const bool closing = !name.empty() && name[0] == '/';
        const std::string_view element = closing ? name.substr(1) : name;
        const bool open = !closing;
        if (element == "PRE") {
            pre_ = open;
        } else if (element == "SCRIPT") {
            script_ = open;
        } else if (element == "STYLE") {
            style_ = open;
        } else if (element == "DEL") {
            del_ = open;
        } else if (element == "EM") {
            em_ = open;
        } else if (element == "DFN") {
            dfn_ = open;
        } else if (element == "VAR") {
            var_ = open;
        } else if (element == "CITE") {
            cite_ = open;
        } else if (element == "B") {
            bold_ = open;
            if (marksOption_)
                out_.push_back('*');
        } else if (element == "STRONG") {
            strong_ = open;
            if (marksOption_)
                out_.push_back('*');
        } else if (element == "I") {
            italicOrUnderline_ = open;
            if (marksOption_)
                out_.push_back('/');
        } else if (element == "U") {
            italicOrUnderline_ = open;
            if (marksOption_)
                out_.push_back('_');
        }
    }

    // Makes the output end in a blank line, counting the line breaks already there.
    void endInBlankLine() {
        for (int lineFeeds = trailingLineFeeds(); lineFeeds < 2; ++lineFeeds)
            lineBreak();
    }

    // The line feeds among the blanks (spaces, TABs, CRs, LFs) that end the
    // output, counted up to two. The output only grows, so each byte is
    // looked at once however many paragraph tags follow a long run of blanks.
    int trailingLineFeeds() {
        for (; blanksScannedTo_ < out_.size(); ++blanksScannedTo_) {
            const char b = out_[blanksScannedTo_];
            if (b == '\n')
                trailingLineFeeds_ = std::min(trailingLineFeeds_ + 1, 2);
            else if (b != ' ' && b != '\t' && b != '\r')
                trailingLineFeeds_ = 0;
        }
        return trailingLineFeeds_;
    }

    static bool IsHeading(std::string_view name) {
        return name.size() == 2 && name[0] == 'H' && name[1] >= '1' && name[1] <= '6';
    }

    void layoutTag(std::string_view name) {
        bool spaced = false;
        if (name == "MENU") {
            if (lastByte() != '\n' && lastByte() != '\t')
                lineBreak();
            if (lastByte() != '\t')
                out_.push_back('\t');
            spaced = true;
        } else if (name == "/MENU") {
            lineBreakUnlessAtLineStart();
            spaced = true;
        } else if (name == "HR") {
            out_ += "\r\n____\r\n";
            spaced = true;
        } else if (name == "BR" || name == "TR") {
            lineBreak();
            spaced = true;
        } else if (IsHeading(name)) {
            if (lastByte() != '\n')
                lineBreak();
            lineBreak();
            spaced = true;
        } else if (name.size() == 3 && name[0] == '/' && IsHeading(name.substr(1))) {
            out_ += "\r\n\r\n";
            spaced = true;
        } else if (name == "BLOCKQUOTE" || name == "/BLOCKQUOTE") {
            out_ += "\r\n\r\n";
            spaced = true;
        } else if (name == "P" || name == "/P" || name == "DIV" || name == "TABLE") {
            endInBlankLine();
            spaced = true;
        } else if (name == "TD") {
            if (lastByte() != '\n') {
                out_.push_back('\t');
                spaced = true;
            }
        } else if (name == "/OL") {
            inOrderedList_ = false;
        } else if (name == "UL" || name == "OL") {
            if (name == "OL") {
                inOrderedList_ = true;
                itemCounter_ = 0;
            }
            lineBreakUnlessAtLineStart();
            out_.push_back('\t');
            spaced = true;
        } else if (name == "LI") {
            lineBreakUnlessAtLineStart();
            out_.push_back('\t');
            if (inOrderedList_) {
                out_ += std::to_string(++itemCounter_);
                out_.push_back('.');
            } else {
                out_.push_back('-');
            }
            out_.push_back(' ');
            spaced = true;
        } else if (name == "/BODY") {
            inBody_ = false;
        }
        if (spaced)
            lastWasSpace_ = true;
    }

    // The emphasised text since capitalsFrom_ in capitals, whole characters
    // at once as the text is UTF-8.
    void capitalize() {
        const size_t from = std::min(capitalsFrom_, out_.size());
        const std::string upper = UpperUtf8(std::string_view(out_).substr(from));
        out_.replace(from, std::string::npos, upper);
    }

    void endTag() {
        inTag_ = false;
        // A self-closing tag (<br/>) acts as the tag itself.
        const std::string_view name = TagName(tag_);

        setElementFlags(name);
        if ((!inBody_ && !noBody_) || script_ || del_ || style_) {
            if (name == "BODY")
                inBody_ = sawBody_ = true;
        } else {
            layoutTag(name);
        }
        // Emphasised text outside preformatted text goes in capitals.
        const bool capitals =
            capitalsOption_ && !pre_ &&
            (italicOrUnderline_ || em_ || dfn_ || var_ || cite_ || bold_ || strong_);
        if (capitals && !capitals_)
            capitalsFrom_ = out_.size();
        else if (!capitals && capitals_)
            capitalize();
        capitals_ = capitals;
    }

    std::string_view in_;
    std::string out_;
    const bool capitalsOption_;
    const bool marksOption_;
    const bool noBody_;

    bool lastWasSpace_ = true;
    bool inTag_ = false;
    bool afterEquals_ = false;
    bool inQuoted_ = false;
    bool inComment_ = false;
    bool inReference_ = false;
    bool inBody_ = false;
    bool sawBody_ = false;
    std::string tag_;
    std::string reference_;
    size_t blanksScannedTo_ = 0;
    int trailingLineFeeds_ = 0;

    bool pre_ = false, script_ = false, style_ = false, del_ = false, em_ = false, dfn_ = false,
         var_ = false, cite_ = false, bold_ = false, italicOrUnderline_ = false, strong_ = false;
    bool capitals_ = false;
    size_t capitalsFrom_ = 0; // where the emphasised text began in out_
    bool inOrderedList_ = false;
    std::uint64_t itemCounter_ = 0;
};

} // namespace

bool HasHtmlBodyTag(std::string_view html) {
    const char* p = html.data();
    const char* end = p + html.size();
    while (end - p >= 5) {
        const void* lt = std::memchr(p, '<', static_cast<size_t>(end - p - 4));
        if (lt == nullptr)
            return false;
        p = static_cast<const char*>(lt);
        if ((p[1] | 0x20) == 'b' && (p[2] | 0x20) == 'o' && (p[3] | 0x20) == 'd' &&
            (p[4] | 0x20) == 'y')
            return true;
        ++p;
    }
    return false;
}

std::string HtmlToText(std::string_view html, const ImportOptions& options) {
    // "<body" may stand in a comment, a script or a longer tag name: only a
    // pass that meets a real BODY tag keeps what it found; otherwise the
    // whole file counts as body. At most two passes.
    if (HasHtmlBodyTag(html)) {
        HtmlConverter fromBody(html, options, false);
        std::string text = fromBody.run();
        if (fromBody.sawBody())
            return text;
    }
    return HtmlConverter(html, options, true).run();
}

} // namespace qw
