#include "reader/para_wrap.h"

#include "import/cp1252.h"
#include "import/unicode_text.h"

#include <cmath>

namespace qw {

namespace {

std::int64_t toUnits(double pixels) {
    return std::llround(pixels * 64.0);
}

// Tab stop distance the layout uses when none is set: 80 pixels.
constexpr std::int64_t kDefaultTabStop = 80 * 64;

using Kind = ParaWrap::Kind;

Kind asciiKind(unsigned char c) {
    if ((c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z'))
        return Kind::Alnum;
    if (c == '(' || c == '[' || c == '{')
        return Kind::Opening;
    return Kind::Other;
}

struct AsciiKinds {
    std::array<Kind, 128> kinds{};
    AsciiKinds() {
        for (unsigned char c = 0; c < 128; ++c)
            kinds[c] = asciiKind(c);
    }
};
const AsciiKinds kAscii;

bool isIdeograph(char32_t c) {
    return (c >= 0x3040 && c <= 0x30FF) || // kana
           (c >= 0x3400 && c <= 0x4DBF) || // ideographs, extension A
           (c >= 0x4E00 && c <= 0x9FFF) || // unified ideographs
           (c >= 0xAC00 && c <= 0xD7A3) || // Hangul syllables
           (c >= 0xF900 && c <= 0xFAFF) || // compatibility ideographs
           (c >= 0x20000 && c <= 0x3FFFF); // supplementary ideographs
}

bool isCjkOpening(char32_t c) {
    switch (c) {
    case 0x3008:
    case 0x300A:
    case 0x300C:
    case 0x300E:
    case 0x3010:
    case 0x3014:
    case 0x3016:
    case 0x3018:
    case 0x301A:
    case 0x301D:
    case 0xFF08:
    case 0xFF3B:
    case 0xFF5B:
        return true;
    default:
        return false;
    }
}

Kind kindOf(char32_t c) {
    if (c < 0x80)
        return asciiKind(static_cast<unsigned char>(c));
    if (IsCombining(c))
        return Kind::Combining;
    if (isIdeograph(c))
        return Kind::Ideograph;
    if (isCjkOpening(c))
        return Kind::CjkOpening;
    return Kind::Other;
}

// Whether a line may end between two characters of a word.
bool breaksBetween(Kind a, Kind b) {
    if (a == Kind::Opening || a == Kind::CjkOpening)
        return false;
    return b == Kind::Ideograph || b == Kind::CjkOpening ||
           (a == Kind::Ideograph && b == Kind::Alnum);
}

} // namespace

ParaWrap::ParaWrap() {
    FixedWidthMeasurer plain(1.0);
    setFont(plain);
}

void ParaWrap::setBounds(double width, double height) {
    width_ = toUnits(width);
    height_ = height;
}

void ParaWrap::setFont(const TextMeasurer& measurer) {
    for (char32_t c = 0; c < 128; ++c) {
        advance_[c] = toUnits(measurer.advance(c));
        const std::int64_t bearing = toUnits(measurer.rightBearing(c));
        overhang_[c] = bearing < 0 ? -bearing : 0;
    }
    averageWidth_ = toUnits(measurer.averageCharWidth());
    measurer_ = measurer.clone();
    cache_ = std::make_shared<MetricsCache>();
    cache_->pages.resize(0x110000 / 256);
    setTabStops(tabWidth_);
}

ParaWrap::Char ParaWrap::charAt(std::string_view text, std::size_t i) const {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char b = p[i];
    if (b < 0x80)
        return {1, advance_[b], overhang_[b], kAscii.kinds[b]};
    char32_t c;
    std::size_t length = 2;
    // Two-byte sequences (Latin, Greek, Cyrillic) are decoded here, the rest
    // by the full decoder.
    if (b >= 0xC2 && b <= 0xDF && i + 1 < text.size() && (p[i + 1] & 0xC0) == 0x80) {
        c = static_cast<char32_t>((b & 0x1F) << 6 | (p[i + 1] & 0x3F));
    } else if (!DecodeUtf8(text, i, c, length)) {
        c = 0xFFFD; // a byte that is not UTF-8 is one character
        length = 1;
    }
    const Metrics& m = metricsOf(c);
    return {length, m.advance, m.overhang, m.kind};
}

const ParaWrap::Metrics& ParaWrap::metricsOf(char32_t c) const {
    std::unique_ptr<MetricsPage>& page = cache_->pages[(c >> 8) & 0x1FFF];
    if (!page)
        page = std::make_unique<MetricsPage>();
    Metrics& m = (*page)[c & 0xFF];
    if (!m.known) {
        m.kind = kindOf(c);
        // A combining mark takes no room of its own: it is drawn on its base.
        if (m.kind != Kind::Combining) {
            m.advance = static_cast<std::int32_t>(toUnits(measurer_->advance(c)));
            const std::int64_t bearing = toUnits(measurer_->rightBearing(c));
            m.overhang = static_cast<std::int32_t>(bearing < 0 ? -bearing : 0);
        }
        m.known = true;
    }
    return m;
}

void ParaWrap::setTabStops(int tabWidth) {
    tabWidth_ = tabWidth;
    // Rounded to 1/64 pixel from the distance in pixels, as the layout does.
    tabStop_ =
        toUnits(static_cast<double>(tabWidth) * static_cast<double>(averageWidth_) / 64.0 / 4.0);
    if (tabStop_ <= 0)
        tabStop_ = kDefaultTabStop;
}

std::size_t ParaWrap::nextLineStart(std::string_view text, std::size_t start) const {
    const std::size_t n = text.size();
    if (start >= n)
        return n;
    bool overflow = false;
    const std::size_t end = layOutLine(text, start, false, overflow);
    // The line's first word does not fit on it: lay the line out again
    // character by character, breaking at the last character that fits.
    return overflow ? layOutLine(text, start, true, overflow) : end;
}

// Lays out one wrapped line from `start` and returns where it ends. With
// `anywhere` every character may end the line; otherwise only the place
// after blanks or a tab, and `overflow` reports a first word that reaches
// past the edge.
std::size_t ParaWrap::layOutLine(std::string_view text, std::size_t start, bool anywhere,
                                 bool& overflow) const {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::int64_t lineWidth = 0; // accepted content with the blanks inside it
    std::int64_t pending = 0;   // the run of blanks after the accepted content
    bool hasContent = false;    // leading blanks alone are no content
    std::size_t i = start;
    overflow = false;
    while (i < n) {
        const unsigned char c = p[i];
        if (c == ' ') {
            do {
                pending += advance_[' '];
                ++i;
            } while (i < n && p[i] == ' ');
            // A run of blanks wider than the whole line ends it.
            if (pending > width_)
                return i;
            continue;
        }
        if (c == '\t') {
            // Blanks in front of a tab become part of the line, unless they
            // already reach past the edge: then the line ends with them.
            if (hasContent && lineWidth + pending > width_)
                return i;
            if (i > start)
                hasContent = true;
            lineWidth += pending;
            pending = 0;
            // The next stop after x; x is divided by the stop distance in
            // 1/64 steps, rounding to the nearest step, as the layout does.
            const std::int64_t steps = ((lineWidth << 6) + (tabStop_ >> 1)) / tabStop_;
            const std::int64_t stop = ((steps >> 6) + 1) * tabStop_;
            ++i;
            if (hasContent && stop > width_)
                return i; // the tab ends the line and hangs past the edge
            lineWidth = stop;
            hasContent = true;
            continue;
        }
        const Char first = charAt(text, i);
        std::size_t end = i + first.length;
        std::int64_t word = first.advance;
        std::int64_t overhang = first.overhang;
        const std::int64_t room = width_ - lineWidth - pending;
        if (anywhere) {
            // One character with the combining marks that follow it.
            while (end < n && p[end] >= 0x80) {
                const Char mark = charAt(text, end);
                if (mark.kind != Kind::Combining)
                    break;
                end += mark.length;
            }
        } else {
            // Measure the word, but stop as soon as it is known not to fit.
            Kind previous = first.kind;
            while (end < n && p[end] != ' ' && p[end] != '\t' && word <= room) {
                const unsigned char b = p[end];
                if (b < 0x80) {
                    // ASCII: a table look-up, and a break only after an ideograph.
                    const Kind kind = kAscii.kinds[b];
                    if (previous == Kind::Ideograph && kind == Kind::Alnum)
                        break;
                    word += advance_[b];
                    overhang = overhang_[b];
                    previous = kind;
                    ++end;
                    continue;
                }
                const Char next = charAt(text, end);
                if (next.kind == Kind::Combining) {
                    end += next.length; // drawn on its letter, never broken from it
                    continue;
                }
                if (breaksBetween(previous, next.kind))
                    break;
                word += next.advance;
                overhang = next.overhang;
                previous = next.kind;
                end += next.length;
            }
        }
        if (word + overhang > room) {
            if (hasContent)
                return i; // the word starts the next line; the blanks before it hang
            overflow = true;
        }
        lineWidth += pending + word;
        pending = 0;
        hasContent = true;
        i = end;
        if (overflow && !anywhere)
            return i;
    }
    return n;
}

int ParaWrap::countLines(std::string_view text) const {
    int count = 0;
    for (std::size_t start = 0; start < text.size(); start = nextLineStart(text, start))
        ++count;
    return count;
}

std::string_view ParaWrap::wrappedLine(std::string_view text, int k) const {
    if (k < 0)
        return {};
    std::size_t start = 0;
    for (int line = 0; start < text.size(); ++line) {
        const std::size_t end = nextLineStart(text, start);
        if (line == k)
            return text.substr(start, end - start);
        start = end;
    }
    return {};
}

} // namespace qw
