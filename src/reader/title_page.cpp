#include "reader/title_page.h"

#include "reader/page_moves.h"

#include <algorithm>
#include <cmath>

namespace qw {

namespace {

const std::string kMark = "...";

bool isBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

bool endsWithMark(const std::string& s) {
    return s.size() >= kMark.size() && s.compare(s.size() - kMark.size(), kMark.size(), kMark) == 0;
}

std::string afterLastSlash(const std::string& s) {
    const size_t slash = s.find_last_of("/\\");
    return slash == std::string::npos ? s : s.substr(slash + 1);
}

std::string folderOf(const std::string& s) {
    const size_t slash = s.find_last_of('/');
    return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

std::string withoutExtension(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// The length of s without its last character (a whole UTF-8 sequence).
size_t withoutLastCharacter(const std::string& s) {
    size_t n = s.size();
    while (n > 0 && (static_cast<unsigned char>(s[n - 1]) & 0xC0) == 0x80)
        --n;
    return n > 0 ? n - 1 : 0;
}

// Cuts one character before the end of [begin, end): before an existing mark,
// or the last one with a new mark.
std::string cutBefore(const std::string& text, size_t begin, size_t end) {
    const std::string part = text.substr(begin, end - begin);
    std::string shortened;
    if (endsWithMark(part)) {
        if (part.size() <= kMark.size())
            return text;
        const std::string kept = part.substr(0, part.size() - kMark.size());
        shortened = kept.substr(0, withoutLastCharacter(kept)) + kMark;
    } else {
        if (part.empty())
            return text;
        shortened = part.substr(0, withoutLastCharacter(part)) + kMark;
    }
    return text.substr(0, begin) + shortened + text.substr(end);
}

class TitleWriter {
  public:
    TitleWriter(const TitlePageInput& in, const TitleMetrics& m, std::vector<TitleItem>& out)
        : in_(in), m_(m), out_(out) {}

    double s = 1.0; // running scale
    double y = 0.0; // running position
    bool italic = false;

    // Draws one centred line at scale s with spacing factor k.
    void line(std::string text, double k) {
        const int p = std::max(1, in_.fontSize);
        int size = std::max(1, RoundHalfEven(p * s));
        const double limit = RoundHalfEven(0.9 * in_.width);
        while (m_.textWidth(text, size, italic) > limit) {
            if (size > 8) {
                --size;
                continue;
            }
            const std::string shorter = ShortenTitleLine(text);
            if (shorter == text)
                break; // nothing left to cut: drawn as it is, clipped by the page
            text = shorter;
        }
        s = static_cast<double>(size) / p;
        const double g = m_.mgHeight(size);
        y += RoundHalfEven(g * k);
        TitleItem item;
        item.text = std::move(text);
        item.pointSize = size;
        item.italic = italic;
        item.y = static_cast<int>(std::lround(y));
        out_.push_back(std::move(item));
        y += g;
    }

    void rule(double at, double x1, double x2) {
        TitleItem item;
        item.kind = TitleItem::Kind::Rule;
        item.y = static_cast<int>(std::lround(at));
        item.x1 = static_cast<int>(std::lround(x1));
        item.x2 = static_cast<int>(std::lround(x2));
        out_.push_back(item);
    }

  private:
    const TitlePageInput& in_;
    const TitleMetrics& m_;
    std::vector<TitleItem>& out_;
};

} // namespace

std::string ShortenTitleLine(const std::string& text) {
    if (text.find_first_of("/\\") != std::string::npos) {
        // Folder names are the parts between two separators; what stands
        // before the first one is a label such as "Directory: ".
        const size_t lastSeparator = text.find_last_of("/\\");
        size_t begin = text.find_first_of("/\\") + 1;
        while (begin < lastSeparator) {
            size_t end = text.find_first_of("/\\", begin);
            if (end == std::string::npos || end > lastSeparator)
                end = lastSeparator;
            if (end - begin > 6) {
                const std::string shorter = cutBefore(text, begin, end);
                if (shorter != text)
                    return shorter;
            }
            begin = end + 1;
        }
    }
    return cutBefore(text, 0, text.size());
}

void FillFromGutenbergHeader(TitlePageInput& in, const GutenbergHeader& header) {
    if (isBlank(in.title))
        in.title = header.title;
    if (isBlank(in.author))
        in.author = header.author;
    if (isBlank(in.subtitle))
        in.notes = HeaderNotes(header);
}

std::vector<TitleItem> LayoutTitlePage(const TitlePageInput& in, const TitleMetrics& m) {
    std::vector<TitleItem> items;
    if (in.width <= 0 || in.height <= 0)
        return items;
    const int p = std::max(1, in.fontSize);
    const double h = std::max(1.0, m.mgHeight(p));
    const double hp = in.height;
    const double w = in.width;
    TitleWriter writer(in, m, items);

    // Title, subtitle and author.
    writer.s = hp / (14 * h);
    std::string title = in.title;
    if (isBlank(title))
        title = withoutExtension(
            afterLastSlash(in.archiveEntry.empty() ? in.fileName : in.archiveEntry));
    writer.line(title, 2.0);
    writer.s *= 0.6;
    if (!isBlank(in.subtitle))
        writer.line(in.subtitle, 1.5);
    if (!isBlank(in.author)) {
        writer.italic = true;
        writer.s /= 1.3;
        writer.line("by", 1.3);
        writer.s *= 1.3;
        writer.line(in.author, 0.7);
        writer.italic = false;
    }
    if (!in.notes.empty()) {
        const double scale = writer.s;
        writer.s *= 0.6;
        for (const std::string& note : in.notes)
            if (!isBlank(note))
                writer.line(note, 0.5);
        writer.s = scale;
    }

    // The small print at the bottom.
    writer.y += std::trunc(2 * writer.s * h);
    const double smallScale = std::max(hp / (50 * h), 8.0 / p);
    const double zone = hp - std::trunc(5 * smallScale * h);

    std::string block;
    if (!isBlank(in.synopsis) && !isBlank(in.remarks))
        block = in.synopsis + "\r\n\r\n" + in.remarks;
    else if (!isBlank(in.synopsis))
        block = in.synopsis;
    else if (!isBlank(in.remarks))
        block = in.remarks;
    if (writer.y < zone && !block.empty()) {
        int size = std::max(1, RoundHalfEven(p * smallScale));
        std::vector<std::string> lines = m.wrap(block, 0.8 * w, size);
        double lh = m.lineHeight(size);
        while (!lines.empty() && (static_cast<double>(lines.size()) + 1) * lh > zone - writer.y) {
            if (size > 8) {
                --size;
                lines = m.wrap(block, 0.8 * w, size);
                lh = m.lineHeight(size);
            } else {
                lines.pop_back();
            }
        }
        if (!lines.empty()) {
            const double top = zone - (static_cast<double>(lines.size()) + 1) * lh;
            writer.rule(top, 0.1 * w, 0.9 * w);
            double lineY = top + lh / 2;
            for (std::string& text : lines) {
                TitleItem item;
                item.text = std::move(text);
                item.pointSize = size;
                item.y = static_cast<int>(std::lround(lineY));
                items.push_back(std::move(item));
                lineY += lh;
            }
        }
    }

    writer.s = smallScale;
    if (writer.y < zone) {
        writer.y = zone;
        writer.rule(zone, RoundHalfEven(0.1 * w), RoundHalfEven(0.9 * w));
        if (in.archiveEntry.empty()) {
            writer.line("Filename: " + afterLastSlash(in.fileName), writer.s);
        } else {
            writer.line("Filename: " + afterLastSlash(in.archiveEntry), writer.s);
            writer.line("Archive: " + afterLastSlash(in.fileName), 0.25 * writer.s);
        }
        writer.line("Directory: " + folderOf(in.fileName), 0.25 * writer.s);
    }
    return items;
}

} // namespace qw
