#include "import/xml_to_text.h"

#include "import/cp1252.h"
#include "import/html_entities.h"
#include "import/text_decoding.h"
#include "import/text_scan.h"
#include "import/unicode_text.h"
#include "import/utf8.h"

#include <cstdlib>

namespace qw {

namespace {

bool IsLineOrTab(char c) {
    return c == '\r' || c == '\n' || c == '\t';
}

bool IsReferenceEnd(char c) {
    return c == ';' || c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '&';
}

bool ContainsUpper(std::string_view text, std::string_view upperNeedle) {
    if (upperNeedle.empty() || text.size() < upperNeedle.size())
        return false;
    const size_t last = text.size() - upperNeedle.size();
    for (size_t i = 0; i <= last; ++i) {
        if (text[i] != upperNeedle[0])
            continue;
        size_t k = 1;
        while (k < upperNeedle.size() && UpperAsciiByte(text[i + k]) == upperNeedle[k])
            ++k;
        if (k == upperNeedle.size())
            return true;
    }
    return false;
}

// The document as UTF-8. UTF-8 is read when the declaration names it or
// names no encoding (XML's default), bytes that are not valid UTF-8 taken as
// Windows-1252 characters; another declared encoding goes through iconv.
std::string DocumentBytes(std::string_view xml) {
    const std::string encoding = DeclaredXmlEncoding(xml);
    if (encoding.empty() || encoding == "UTF-16")
        return DecodeToUtf8(xml);
    if (encoding == "UTF-8" || encoding == "UTF8") {
        if (xml.substr(0, 3) == "\xEF\xBB\xBF")
            xml.remove_prefix(3);
        return RepairUtf8(xml);
    }
    return DecodeToUtf8(xml, TextEncoding::Other, encoding);
}

class XmlConverter {
  public:
    explicit XmlConverter(std::string_view in)
        : in_(in), noBody_(!ContainsUpper(in, "<OFFICE:BODY")),
          spaceBudget_(2 * in.size() + 2 * kMaxSpaceRun) {
        out_.reserve(in.size() + 1000);
    }

    std::string run() {
        const size_t n = in_.size();
        for (size_t i = 0; i < n; ++i) {
            const char c = in_[i];
            if (inCdata_) {
                // Character data as it stands, "<" and "&" included, up to "]]>".
                if (c == ']' && in_.compare(i, 3, "]]>") == 0) {
                    inCdata_ = false;
                    i += 2;
                } else {
                    textByte(c);
                }
            } else if (inReference_) {
                if (IsReferenceEnd(c))
                    endReference(c);
                else
                    reference_.push_back(c);
            } else if (inTag_) {
                tagByte(c);
            } else if (c == '<') {
                inTag_ = true;
                inQuotes_ = false;
                tag_.clear();
            } else if (c == '&') {
                inReference_ = true;
                reference_.clear();
            } else {
                textByte(c);
            }
        }
        // A reference cut off by the end of the file is not lost.
        if (inReference_ && (inBody_ || noBody_))
            writeReference(referenceText());
        return std::move(out_);
    }

  private:
    void textByte(char c) {
        if (!inBody_ && !noBody_)
            return;
        const char b = IsLineOrTab(c) ? ' ' : c;
        if (b == ' ' && lastWasSpace_)
            return;
        lastWasSpace_ = b == ' ';
        out_.push_back(b);
    }

    void endReference(char terminator) {
        if (terminator != '&')
            inReference_ = false;
        if (inBody_ || noBody_) {
            const char end = IsLineOrTab(terminator) ? ' ' : terminator;
            lastWasSpace_ = end == ' ';
            const std::optional<std::string> replacement = referenceText();
            writeReference(replacement);
            if (!replacement && terminator != '&')
                out_.push_back(end);
        }
        reference_.clear();
    }

    std::optional<std::string> referenceText() const {
        if (reference_ == "apos")
            return std::string("'"); // one of XML's own five
        return LookupCharacterReference(reference_);
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
        if (c == '>' && !inQuotes_) {
            if (!inComment_) {
                endTag();
                return;
            }
            const size_t size = tag_.size();
            if (size >= 2 && tag_[size - 1] == '-' && tag_[size - 2] == '-') {
                inComment_ = false;
                inTag_ = false;
                return;
            }
        }
        tag_.push_back(UpperAsciiByte(c));
        if (!inComment_) {
            if (tag_.size() == 3 && tag_ == "!--") {
                inComment_ = true;
            } else if (tag_.size() == 8 && tag_ == "![CDATA[") {
                inTag_ = false;
                inCdata_ = true;
            } else if (c == '"') {
                inQuotes_ = !inQuotes_;
            }
        }
    }

    void writeSpaces(long count) {
        if (count <= 0)
            return;
        if (count > kMaxSpaceRun)
            count = kMaxSpaceRun;
        const auto n = static_cast<size_t>(count);
        if (n > spaceBudget_)
            return;
        spaceBudget_ -= n;
        out_.append(n, ' ');
    }

    void endTag() {
        inTag_ = false;
        // An empty element (<text:s/>) acts as its start tag.
        const std::string_view name = TagName(tag_);

        if (!inBody_ && !noBody_) {
            if (name == "OFFICE:BODY")
                inBody_ = true;
            return;
        }
        if (name == "TEXT:P" || name == "TEXT:H" || name == "TEXT:LINE-BREAK") {
            out_ += "\r\n";
        } else if (name == "TEXT:S") {
            // Without a count the element stands for one space.
            if (tag_.find("TEXT:C") == std::string::npos)
                writeSpaces(1);
            else if (const std::optional<long> count = GetIntegerAttribute(tag_, "TEXT:C"))
                writeSpaces(*count);
        } else if (name == "TEXT:TAB" || name == "TEXT:TAB-STOP") {
            out_.push_back('\t');
        } else if (name.substr(0, 5) == "DRAW:") {
            if (std::optional<std::string> drawName = GetQuotedAttribute(tag_, "DRAW:NAME"))
                out_ += "{" + UpperUtf8(*drawName) + "}";
        } else if (name == "/OFFICE:BODY") {
            inBody_ = false;
        }
    }

    std::string_view in_;
    std::string out_;
    const bool noBody_;
    size_t spaceBudget_;

    bool lastWasSpace_ = true;
    bool inTag_ = false;
    bool inQuotes_ = false;
    bool inComment_ = false;
    bool inReference_ = false;
    bool inCdata_ = false;
    bool inBody_ = false;
    std::string tag_;
    std::string reference_;
};

} // namespace

std::string DeclaredXmlEncoding(std::string_view xml) {
    if (xml.substr(0, 3) == "\xEF\xBB\xBF")
        xml.remove_prefix(3);
    if (xml.substr(0, 5) != "<?xml")
        return {};
    const size_t end = xml.find("?>");
    const std::string_view declaration = xml.substr(0, end == std::string_view::npos ? 0 : end);
    const size_t key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return {};
    size_t p = key + 8;
    while (p < declaration.size() && (declaration[p] == ' ' || IsLineOrTab(declaration[p])))
        ++p;
    if (p >= declaration.size() || declaration[p] != '=')
        return {};
    ++p;
    while (p < declaration.size() && (declaration[p] == ' ' || IsLineOrTab(declaration[p])))
        ++p;
    if (p >= declaration.size() || (declaration[p] != '"' && declaration[p] != '\''))
        return {};
    const size_t close = declaration.find(declaration[p], p + 1);
    if (close == std::string_view::npos)
        return {};
    std::string value(declaration.substr(p + 1, close - p - 1));
    for (char& c : value)
        c = UpperAsciiByte(c);
    return value;
}

std::optional<std::string> GetQuotedAttribute(std::string_view tagText, std::string_view key) {
    const size_t at = tagText.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    const size_t open = tagText.find('"', at + key.size());
    if (open == std::string_view::npos)
        return std::nullopt;
    const size_t close = tagText.find('"', open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    return std::string(tagText.substr(open + 1, close - open - 1));
}

std::optional<long> GetIntegerAttribute(std::string_view tagText, std::string_view key) {
    const std::optional<std::string> value = GetQuotedAttribute(tagText, key);
    if (!value || value->empty())
        return std::nullopt;
    size_t digits = (*value)[0] == '-' || (*value)[0] == '+' ? 1 : 0;
    if (digits == value->size() || value->size() - digits > 10)
        return std::nullopt;
    for (size_t k = digits; k < value->size(); ++k)
        if ((*value)[k] < '0' || (*value)[k] > '9')
            return std::nullopt;
    const long long number = std::strtoll(value->c_str(), nullptr, 10);
    if (number > 2147483647LL || number < -2147483648LL)
        return std::nullopt;
    return static_cast<long>(number);
}

std::string XmlToText(std::string_view xml) {
    return XmlConverter(DocumentBytes(xml)).run();
}

} // namespace qw
