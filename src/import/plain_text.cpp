#include "import/plain_text.h"

#include "import/utf8.h"

#include <cstdint>
#include <cstring>

namespace qw {

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';

// Eight bytes at a time: most words of a text hold no byte the passes
// below have to look at.
constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighs = 0x8080808080808080ull;

std::uint64_t Load8(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    return word;
}

// Nonzero when a byte of the word is below 32 (the lowest such byte always
// shows; a borrow can only mark bytes above it).
std::uint64_t HasControl(std::uint64_t word) {
    return (word - kOnes * 32) & ~word & kHighs;
}

std::uint64_t HasByte(std::uint64_t word, char byte) {
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(byte));
    return (x - kOnes) & ~x & kHighs;
}

// Steps over the UTF-8 sequence at in[i] (a byte of 0x80 or above); false
// when it is not valid.
inline bool StepUtf8(std::string_view in, size_t& i) {
    const auto c = static_cast<unsigned char>(in[i]);
    if (c >= 0xC2 && c <= 0xDF && i + 1 < in.size() &&
        (static_cast<unsigned char>(in[i + 1]) & 0xC0) == 0x80) {
        i += 2; // the two-byte letters of Cyrillic and Greek, inline
        return true;
    }
    const size_t length = Utf8SequenceLength(in, i);
    i += length;
    return length != 0;
}

// Text that is not UTF-8: the caller decodes it next, so the room goes.
bool Refuse(std::string& out) {
    std::string().swap(out);
    return false;
}

// The clean-up pass; with CheckUtf8 it also checks the text is valid UTF-8
// and returns false at the first byte that starts no valid sequence.
template <bool CheckUtf8> bool Clean(std::string_view in, std::string& out) {
    out.clear();
    out.reserve(in.size() + in.size() / 32 + 16);
    const size_t n = in.size();
    const char* p = in.data();
    size_t runStart = 0;
    size_t i = 0;
    while (i < n) {
        if (i + 8 <= n) {
            const std::uint64_t word = Load8(p + i);
            if (!HasControl(word)) {
                if (CheckUtf8 && (word & kHighs)) {
                    // Check the sequences that start in these eight bytes;
                    // the last may end beyond them, in continuation bytes.
                    const size_t end = i + 8;
                    while (i < end) {
                        if (static_cast<unsigned char>(p[i]) < 0x80)
                            ++i;
                        else if (!StepUtf8(in, i))
                            return Refuse(out);
                    }
                } else {
                    i += 8;
                }
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(p[i]);
        if (c >= 32) {
            if (!CheckUtf8 || c < 0x80)
                ++i;
            else if (!StepUtf8(in, i))
                return Refuse(out);
            continue;
        }
        // Copy the ordinary characters before this control character at once.
        out.append(p + runStart, i - runStart);
        runStart = i + 1;
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
        } else if (c != 0) {
            out.push_back('\x7f');
        }
        ++i;
    }
    out.append(p + runStart, n - runStart);
    return true;
}

} // namespace

std::string CleanPlainText(std::string_view in) {
    std::string out;
    Clean<false>(in, out);
    return out;
}

bool CleanPlainUtf8(std::string_view in, std::string& out) {
    return Clean<true>(in, out);
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
        // A word without line breaks is other characters only.
        while (i + 8 <= n) {
            const std::uint64_t word = Load8(text.data() + i);
            if (HasByte(word, CR) | HasByte(word, LF))
                break;
            if (blankLines) {
                if (breaks == 1)
                    return true;
                breaks = 0;
            }
            i += 8;
        }
        if (i >= n)
            break;
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
