#include "import/palm_doc.h"

#include "import/plain_text.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <iterator>
#include <vector>

namespace qw {

const char* const kPalmDocNotText = "[Only text files in palm doc format are supported]";
const char* const kPalmDocInvalidData = "Invalid data";

namespace {

constexpr size_t kHeaderSize = 78;
constexpr size_t kMaxDistance = 2047;
constexpr size_t kMaxCopy = 10;

std::uint32_t ReadU32(std::string_view s, size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

unsigned ReadU16(std::string_view s, size_t at) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
    return (unsigned{p[0]} << 8) | unsigned{p[1]};
}

void PutU32(std::string& s, size_t at, std::uint32_t v) {
    s[at] = static_cast<char>(v >> 24);
    s[at + 1] = static_cast<char>(v >> 16);
    s[at + 2] = static_cast<char>(v >> 8);
    s[at + 3] = static_cast<char>(v);
}

void PutU16(std::string& s, size_t at, unsigned v) {
    s[at] = static_cast<char>(v >> 8);
    s[at + 1] = static_cast<char>(v);
}

PalmDocText Failure(const std::string& message) {
    PalmDocText result;
    result.error = "Error opening pdb file (" + message + ")";
    result.text = result.error + "\r\n=> The file might be encrypted.";
    result.failed = true;
    return result;
}

PalmDocText TooLarge(size_t maxText) {
    PalmDocText result;
    result.error = "The text of this Palm Doc file is larger than " +
                   std::to_string(maxText / (1024 * 1024)) +
                   " MB, the largest book Quirewell reads.";
    result.failed = true;
    return result;
}

PalmDocText NotText() {
    PalmDocText result;
    result.text = kPalmDocNotText;
    result.error = "Only text files in palm doc format are supported";
    result.failed = true;
    return result;
}

// Collects the compressed bytes of one record: literal escapes (0x01, byte)
// are held back so that a run of them can be joined into escapes of up to
// eight bytes; a space waits to see whether it can share a byte with the
// character after it.
class RecordEncoder {
  public:
    void literal(unsigned char c) {
        if (pendingSpace_) {
            pendingSpace_ = false;
            if (c >= 0x40 && c <= 0x7F) {
                plain(static_cast<char>(c ^ 0x80));
                return;
            }
            plain(' ');
        }
        if (c == ' ') {
            pendingSpace_ = true;
        } else if (c == 0 || (c >= 0x09 && c <= 0x7F)) {
            plain(static_cast<char>(c));
        } else {
            escaped_.push_back(static_cast<char>(c));
        }
    }

    void copy(size_t distance, size_t length) {
        if (pendingSpace_) {
            pendingSpace_ = false;
            plain(' ');
        }
        const unsigned code = static_cast<unsigned>(distance * 8 + (length - 3));
        flushEscapes();
        out_.push_back(static_cast<char>(0x80 + (code >> 8)));
        out_.push_back(static_cast<char>(code & 0xFF));
    }

    std::string finish() {
        if (pendingSpace_) {
            pendingSpace_ = false;
            plain(' ');
        }
        flushEscapes();
        return std::move(out_);
    }

  private:
    void plain(char c) {
        flushEscapes();
        out_.push_back(c);
    }

    void flushEscapes() {
        for (size_t at = 0; at < escaped_.size(); at += 8) {
            const size_t count = std::min<size_t>(8, escaped_.size() - at);
            out_.push_back(static_cast<char>(count));
            out_.append(escaped_, at, count);
        }
        escaped_.clear();
    }

    std::string out_;
    std::string escaped_;
    bool pendingSpace_ = false;
};

// Finds, for each position of a record, the longest earlier occurrence of
// the bytes that start there (within the window, at most 10 bytes) and, of
// those as long, the one furthest back. Earlier positions are kept in lists
// by their first three bytes, oldest first, so that the search can stop at
// the first occurrence as long as the cap (in a run of one repeated byte,
// the very first); it never tries more than 256 of them.
class MatchFinder {
  public:
    explicit MatchFinder(std::string_view text)
        : t_(reinterpret_cast<const unsigned char*>(text.data())), length_(text.size()),
          next_(text.size(), -1) {
        std::fill(std::begin(oldest_), std::end(oldest_), -1);
        std::fill(std::begin(newest_), std::end(newest_), -1);
    }

    // Adds every position before `upTo` to the lists.
    void insertUpTo(size_t upTo) {
        for (; inserted_ < upTo; ++inserted_) {
            if (inserted_ + 3 > length_)
                continue;
            const unsigned h = hash(inserted_);
            const int at = static_cast<int>(inserted_);
            if (oldest_[h] < 0)
                oldest_[h] = at;
            else
                next_[static_cast<size_t>(newest_[h])] = at;
            newest_[h] = at;
        }
    }

    // The copy for position i: its length (0 when under three bytes would
    // match) and its start.
    size_t longest(size_t i, size_t cap, size_t& from) {
        if (cap < 3 || i + 3 > length_)
            return 0;
        const size_t windowStart = i > kMaxDistance ? i - kMaxDistance : 0;
        const unsigned h = hash(i);
        // Positions that fell out of the window leave their list for good.
        while (oldest_[h] >= 0 && static_cast<size_t>(oldest_[h]) < windowStart) {
            const int after = next_[static_cast<size_t>(oldest_[h])];
            if (after < 0)
                newest_[h] = -1;
            oldest_[h] = after;
        }
        size_t best = 0;
        size_t tried = 0;
        for (int p = oldest_[h]; p >= 0 && best < cap && tried < kMaxCandidates;
             p = next_[static_cast<size_t>(p)], ++tried) {
            const auto candidate = static_cast<size_t>(p);
            size_t n = 0;
            while (n < cap && t_[candidate + n] == t_[i + n])
                ++n;
            // Walking forward from the oldest: only a longer match replaces it.
            if (n >= 3 && n > best) {
                best = n;
                from = candidate;
            }
        }
        return best;
    }

  private:
    unsigned hash(size_t at) const {
        return ((unsigned{t_[at]} << 8) ^ (unsigned{t_[at + 1]} << 4) ^ unsigned{t_[at + 2]}) &
               (kHashSize - 1);
    }

    static constexpr unsigned kHashSize = 4096;
    static constexpr size_t kMaxCandidates = 256;
    const unsigned char* t_;
    size_t length_;
    std::vector<int> next_; // the next position in the same list
    int oldest_[kHashSize];
    int newest_[kHashSize];
    size_t inserted_ = 0;
};

} // namespace

bool DecompressPalmDocRecord(std::string_view record, std::string& out, size_t maxOut) {
    const auto* in = reinterpret_cast<const unsigned char*>(record.data());
    const size_t size = record.size();
    const size_t start = out.size();
    // No code yields more than five bytes per input byte, nor more than ten
    // bytes at once: the output stops growing a code after passing maxOut.
    constexpr size_t kLongestCode = 10;
    const size_t room = maxOut >= start && maxOut - start < size * 5 + 8
                            ? maxOut - start + kLongestCode
                            : size * 5 + 8;
    out.resize(start + room);
    char* const base = &out[0];
    size_t w = start;
    size_t pos = 0;
    bool ok = true;
    while (pos < size) {
        if (w > maxOut) {
            ok = false;
            break;
        }
        const unsigned c = in[pos++];
        if (c == 0 || (c >= 0x09 && c <= 0x7F)) {
            base[w++] = static_cast<char>(c);
        } else if (c <= 0x08) {
            if (c > size - pos) {
                ok = false;
                break;
            }
            std::memcpy(base + w, in + pos, c);
            w += c;
            pos += c;
        } else if (c <= 0xBF) {
            if (pos >= size) {
                ok = false;
                break;
            }
            const unsigned code = ((c << 8) | in[pos++]) & 0x3FFF;
            const size_t distance = code >> 3;
            const size_t length = (code & 7) + 3;
            if (distance == 0 || distance > w) {
                ok = false;
                break;
            }
            const char* from = base + w - distance;
            if (distance >= length) {
                std::memcpy(base + w, from, length);
                w += length;
            } else {
                // Overlapping copies repeat the bytes just written.
                for (size_t n = 0; n < length; ++n)
                    base[w + n] = from[n];
                w += length;
            }
        } else {
            base[w++] = ' ';
            base[w++] = static_cast<char>(c ^ 0x80);
        }
    }
    out.resize(w);
    return ok && w <= maxOut;
}

PalmDocText PalmDocToText(std::string_view file, bool blankLines, size_t maxText) {
    const size_t size = file.size();
    if (size >= 64 && file.substr(60, 4) != "TEXt")
        return NotText();
    if (size < kHeaderSize + 8)
        return Failure("File is shorter than its header");

    std::string title(file.substr(0, 32));
    title.resize(std::strlen(title.c_str()));

    const size_t recordCount = ReadU16(file, 76);
    if (recordCount == 0)
        return Failure("No records");
    // The offset in list entry k, or nothing when the entry is outside the file.
    auto entryOffset = [&](size_t k, size_t& offset) {
        const size_t at = kHeaderSize + 8 * k;
        if (at + 4 > size)
            return false;
        offset = ReadU32(file, at);
        return true;
    };
    size_t record0 = 0;
    if (!entryOffset(0, record0) || record0 > size || size - record0 < 10)
        return Failure("Record offset outside the file");
    const bool compressed = (ReadU16(file, record0) & 2) != 0;
    const size_t textLength = ReadU32(file, record0 + 4);
    const size_t textRecords = ReadU16(file, record0 + 8);
    if (textRecords >= recordCount)
        return Failure("More text records than records");

    std::string text;
    text.reserve(std::min({textLength, size * 5, maxText}));
    for (size_t k = 1; k <= textRecords; ++k) {
        size_t begin = 0;
        size_t end = size;
        if (!entryOffset(k, begin) || (k < recordCount - 1 && !entryOffset(k + 1, end)))
            return Failure("Record offset outside the file");
        if (begin > size || end > size)
            return Failure("Record offset outside the file");
        if (end < begin)
            return Failure("Record offsets out of order");
        const std::string_view record = file.substr(begin, end - begin);
        if (!compressed) {
            if (record.size() > maxText - text.size())
                return TooLarge(maxText);
            text.append(record);
        } else if (!DecompressPalmDocRecord(record, text, maxText)) {
            return text.size() > maxText ? TooLarge(maxText) : Failure(kPalmDocInvalidData);
        }
    }
    PalmDocText result;
    result.text = NormalizeLineBreaks(text, blankLines);
    result.title = std::move(title);
    return result;
}

std::string CompressPalmDocRecord(std::string_view text) {
    // Greedy: at each position the longest copy of at most 10 bytes from up to
    // 2047 bytes back (the one furthest back among equals), but never
    // covering the record's last byte; under three bytes a literal.
    const auto* t = reinterpret_cast<const unsigned char*>(text.data());
    const size_t length = text.size();
    RecordEncoder encoder;
    MatchFinder finder(text);
    size_t i = 0;
    while (i < length) {
        finder.insertUpTo(i);
        const size_t cap = std::min(kMaxCopy, length - i - 1);
        size_t from = 0;
        const size_t n = finder.longest(i, cap, from);
        if (n >= 3) {
            encoder.copy(i - from, n);
            i += n;
        } else {
            encoder.literal(t[i]);
            ++i;
        }
    }
    return encoder.finish();
}

std::string PreparePalmDocText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 9)
            continue;
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            out.push_back('\n');
        } else if (c == 12) {
            out.push_back('\n');
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

std::uint32_t PalmDocTimestampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    constexpr std::int64_t kFrom1904To1970 = 2082844800;
    const std::int64_t seconds = static_cast<std::int64_t>(now) + local.tm_gmtoff + kFrom1904To1970;
    return static_cast<std::uint32_t>(seconds);
}

std::string BuildPalmDoc(std::string_view text, std::string_view title, std::uint32_t timestamp) {
    const std::string prepared = PreparePalmDocText(text);
    const size_t records = prepared.size() / kPalmDocRecordSize + 1;
    if (records + 1 > 0xFFFF)
        return {};
    const size_t record0 = kHeaderSize + 8 * (records + 1) + 2;
    std::string out(record0 + 16, '\0');

    const std::string_view name = title.substr(0, std::min(title.size(), kPalmDocMaxTitle));
    out.replace(0, name.size(), name);
    PutU32(out, 36, timestamp);
    PutU32(out, 40, timestamp);
    out.replace(60, 8, "TEXtREAd");
    PutU16(out, 76, static_cast<unsigned>(records + 1));

    PutU32(out, kHeaderSize, static_cast<std::uint32_t>(record0));
    out[kHeaderSize + 4] = 0x40;
    PutU16(out, record0, 2);
    PutU32(out, record0 + 4, static_cast<std::uint32_t>(prepared.size()));
    PutU16(out, record0 + 8, static_cast<unsigned>(records));
    PutU16(out, record0 + 10, kPalmDocRecordSize);

    const std::string_view all(prepared);
    for (size_t k = 1; k <= records; ++k) {
        const size_t entry = kHeaderSize + 8 * k;
        PutU32(out, entry, static_cast<std::uint32_t>(out.size()));
        out[entry + 4] = 0x40;
        const size_t from = (k - 1) * kPalmDocRecordSize;
        out += CompressPalmDocRecord(all.substr(from, kPalmDocRecordSize));
    }
    return out;
}

} // namespace qw
