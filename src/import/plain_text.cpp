#include "import/plain_text.h"

namespace qw {

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
} // namespace

std::string CleanPlainText(std::string_view in) {
    std::string out;
    out.reserve(in.size() + in.size() / 32 + 16);
    const size_t n = in.size();
    const char* p = in.data();
    size_t runStart = 0;
    for (size_t i = 0; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c >= 32)
            continue;
        // Copy the ordinary characters before this control character at once.
        out.append(p + runStart, i - runStart);
        runStart = i + 1;
        if (c == 0)
            continue;
        if (c == LF) {
            if (i > 0 && p[i - 1] != CR)
                out.push_back(CR);
            out.push_back(LF);
        } else if (c == CR) {
            out.push_back(CR);
            if (i + 1 < n && p[i + 1] != LF)
                out.push_back(LF);
        } else if (c == '\t') {
            out.push_back('\t');
        } else {
            out.push_back('\x7f');
        }
    }
    out.append(p + runStart, n - runStart);
    return out;
}

std::string TrimConvertedText(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && (text[begin] == CR || text[begin] == LF))
        ++begin;
    size_t end = text.size();
    while (end > begin) {
        const char c = text[end - 1];
        if (c != CR && c != LF && c != '\t' && c != ' ')
            break;
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

void TrimConvertedTextInPlace(std::string& text) {
    size_t end = text.size();
    while (end > 0) {
        const char c = text[end - 1];
        if (c != CR && c != LF && c != '\t' && c != ' ')
            break;
        --end;
    }
    text.resize(end);
    size_t begin = 0;
    while (begin < text.size() && (text[begin] == CR || text[begin] == LF))
        ++begin;
    text.erase(0, begin);
}

namespace {

// True when NormalizeLineBreaks would change the text.
bool needsNormalizing(std::string_view text, bool blankLines) {
    const size_t n = text.size();
    int breaks = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c == LF) {
            if (i > 0 && text[i - 1] != CR)
                return true;
            if (i == 0)
                ++breaks;
        } else if (c == CR) {
            if (i + 1 < n && text[i + 1] != LF)
                return true;
            ++breaks;
        } else if (blankLines) {
            if (breaks == 1)
                return true;
            breaks = 0;
        }
    }
    return false;
}

} // namespace

void NormalizeLineBreaksInPlace(std::string& text, bool blankLines) {
    if (needsNormalizing(text, blankLines))
        text = NormalizeLineBreaks(text, blankLines);
}

std::string NormalizeLineBreaks(std::string_view in, bool blankLines) {
    std::string out;
    out.reserve(in.size() + in.size() / (blankLines ? 8 : 32) + 16);
    const size_t n = in.size();
    const char* p = in.data();
    int breaks = 0; // line breaks since the last other character
    size_t runStart = 0;
    for (size_t i = 0; i < n; ++i) {
        const char c = p[i];
        if (c != CR && c != LF) {
            if (blankLines) {
                if (breaks == 1) {
                    out.append(p + runStart, i - runStart);
                    runStart = i;
                    out += "\r\n";
                }
                breaks = 0;
            }
            continue;
        }
        out.append(p + runStart, i - runStart);
        runStart = i + 1;
        if (c == LF) {
            const bool lone = i > 0 && p[i - 1] != CR;
            if (lone)
                out.push_back(CR);
            out.push_back(LF);
            if (lone || i == 0)
                ++breaks;
        } else {
            out.push_back(CR);
            if (i + 1 < n && p[i + 1] != LF)
                out.push_back(LF);
            ++breaks;
        }
    }
    out.append(p + runStart, n - runStart);
    return out;
}

bool IsBlankText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

} // namespace qw
