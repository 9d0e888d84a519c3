#include "reader/para_wrap.h"

#include <cmath>

namespace qw {

namespace {

std::int64_t toUnits(double pixels) {
    return std::llround(pixels * 64.0);
}

// Tab stop distance the layout uses when none is set: 80 pixels.
constexpr std::int64_t kDefaultTabStop = 80 * 64;

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
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        advance_[c] = toUnits(measurer.advance(byte));
        const std::int64_t bearing = toUnits(measurer.rightBearing(byte));
        overhang_[c] = bearing < 0 ? -bearing : 0;
    }
    averageWidth_ = toUnits(measurer.averageCharWidth());
    setTabStops(tabWidth_);
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
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    bool overflow = false;
    const std::size_t end = layOutLine(p, start, n, false, overflow);
    // The line's first word does not fit on it: lay the line out again
    // character by character, breaking at the last character that fits.
    return overflow ? layOutLine(p, start, n, true, overflow) : end;
}

// Lays out one wrapped line from `start` and returns where it ends. With
// `anywhere` every character may end the line; otherwise only the place
// after blanks or a tab, and `overflow` reports a first word that reaches
// past the edge.
std::size_t ParaWrap::layOutLine(const unsigned char* p, std::size_t start, std::size_t n,
                                 bool anywhere, bool& overflow) const {
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
        std::size_t end = i + 1;
        std::int64_t word = advance_[c];
        const std::int64_t room = width_ - lineWidth - pending;
        if (!anywhere) {
            // Measure the word, but stop as soon as it is known not to fit.
            while (end < n && p[end] != ' ' && p[end] != '\t' && word <= room) {
                word += advance_[p[end]];
                ++end;
            }
        }
        if (word + overhang_[p[end - 1]] > room) {
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
