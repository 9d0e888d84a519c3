#include "settings/ini_case.h"

namespace qw {

namespace {

// Lower-cases one two-byte UTF-8 letter in place when it has a lower-case
// partner that is also two bytes long: Latin-1, Latin Extended-A, Greek and
// Cyrillic capitals.
void FoldTwoByte(unsigned char& lead, unsigned char& trail) {
    unsigned cp = ((lead & 0x1Fu) << 6) | (trail & 0x3Fu);
    if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) || (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) ||
        (cp >= 0x410 && cp <= 0x42F))
        cp += 0x20;
    else if (cp >= 0x400 && cp <= 0x40F)
        cp += 0x50;
    else if (cp >= 0x100 && cp <= 0x17F && cp != 0x130 && cp != 0x131 && cp != 0x138 &&
             cp != 0x149 && cp != 0x178 && cp != 0x17F) {
        // Pairs sit on even/odd code points, except between U+0139 and U+0148
        // and between U+0179 and U+017E, where the capital is the odd one.
        const bool oddCapitals = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
        if (oddCapitals ? (cp % 2 == 1) : (cp % 2 == 0))
            cp += 1;
    } else {
        return;
    }
    lead = static_cast<unsigned char>(0xC0 | (cp >> 6));
    trail = static_cast<unsigned char>(0x80 | (cp & 0x3F));
}

} // namespace

std::string FoldCase(std::string_view text) {
    std::string out(text);
    const size_t n = out.size();
    for (size_t i = 0; i < n; ++i) {
        auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < n &&
                   (static_cast<unsigned char>(out[i + 1]) & 0xC0) == 0x80) {
            auto lead = c;
            auto trail = static_cast<unsigned char>(out[i + 1]);
            FoldTwoByte(lead, trail);
            out[i] = static_cast<char>(lead);
            out[i + 1] = static_cast<char>(trail);
            ++i;
        }
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    // Plain ASCII names (nearly all keys) compare without building copies.
    bool ascii = true;
    for (size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x >= 0x80 || y >= 0x80) {
            ascii = false;
            break;
        }
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x + 32);
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y + 32);
        if (x != y)
            return false;
    }
    return ascii || FoldCase(a) == FoldCase(b);
}

} // namespace qw
