#pragma once
// Builds small OLE compound files and Word documents in memory for tests and
// benchmarks: streams below 4096 bytes go to the mini stream, the FAT gets a
// DIFAT chain when it needs more than 109 sectors.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qw::test {

inline void PutLe32(std::string& s, size_t at, std::uint32_t v) {
    for (int b = 0; b < 4; ++b)
        s[at + b] = static_cast<char>(v >> (8 * b));
}
inline void PutLe16(std::string& s, size_t at, unsigned v) {
    s[at] = static_cast<char>(v);
    s[at + 1] = static_cast<char>(v >> 8);
}

struct NamedStream {
    std::string name;
    std::string bytes;
};

inline std::string BuildCompoundFile(const std::vector<NamedStream>& streams) {
    constexpr std::uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatMark = 0xFFFFFFFD,
                            kDifatMark = 0xFFFFFFFC;
    auto sectorsFor = [](size_t bytes, size_t unit) { return (bytes + unit - 1) / unit; };
    // Mini streams first, packed into the container.
    std::string container;
    std::vector<std::uint32_t> miniFat;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> placement(streams.size()); // start, size
    for (size_t i = 0; i < streams.size(); ++i) {
        const std::string& b = streams[i].bytes;
        if (b.size() >= 4096)
            continue;
        const size_t count = sectorsFor(b.size(), 64);
        const auto first = static_cast<std::uint32_t>(miniFat.size());
        for (size_t k = 0; k < count; ++k)
            miniFat.push_back(k + 1 < count ? first + static_cast<std::uint32_t>(k) + 1 : kEnd);
        container += b;
        container.resize(sectorsFor(container.size(), 64) * 64, '\0');
        placement[i] = {count ? first : kEnd, static_cast<std::uint32_t>(b.size())};
    }
    const size_t dirSectors = sectorsFor(streams.size() + 1, 4);
    const size_t miniFatSectors = sectorsFor(miniFat.size() * 4, 512);
    const size_t containerSectors = sectorsFor(container.size(), 512);
    size_t dataSectors = dirSectors + miniFatSectors + containerSectors;
    for (const NamedStream& s : streams)
        if (s.bytes.size() >= 4096)
            dataSectors += sectorsFor(s.bytes.size(), 512);
    size_t fat = 1, difat = 0;
    while (true) {
        difat = fat > 109 ? sectorsFor(fat - 109, 127) : 0;
        if (fat * 128 >= dataSectors + fat + difat)
            break;
        ++fat;
    }
    const size_t total = fat + difat + dataSectors;
    std::vector<std::uint32_t> table(fat * 128, kFree);
    std::string body(total * 512, '\0');
    size_t next = 0;
    auto allocate = [&](size_t count, std::uint32_t mark) {
        const auto first = static_cast<std::uint32_t>(next);
        for (size_t k = 0; k < count; ++k, ++next)
            table[next] =
                mark ? mark : (k + 1 < count ? static_cast<std::uint32_t>(next + 1) : kEnd);
        return count ? first : kEnd;
    };
    const std::uint32_t fatStart = allocate(fat, kFatMark);
    const std::uint32_t difatStart = allocate(difat, kDifatMark);
    const std::uint32_t dirStart = allocate(dirSectors, 0);
    const std::uint32_t miniFatStart = allocate(miniFatSectors, 0);
    const std::uint32_t containerStart = allocate(containerSectors, 0);
    auto write = [&](std::uint32_t sector, const std::string& bytes) {
        body.replace(size_t{sector} * 512, bytes.size(), bytes);
    };
    for (size_t i = 0; i < streams.size(); ++i) {
        if (streams[i].bytes.size() < 4096)
            continue;
        const std::uint32_t start = allocate(sectorsFor(streams[i].bytes.size(), 512), 0);
        write(start, streams[i].bytes);
        placement[i] = {start, static_cast<std::uint32_t>(streams[i].bytes.size())};
    }
    std::string fatBytes(table.size() * 4, '\0');
    for (size_t k = 0; k < table.size(); ++k)
        PutLe32(fatBytes, 4 * k, table[k]);
    write(fatStart, fatBytes);
    std::string miniFatBytes(miniFatSectors * 512, '\xFF');
    for (size_t k = 0; k < miniFat.size(); ++k)
        PutLe32(miniFatBytes, 4 * k, miniFat[k]);
    if (miniFatSectors)
        write(miniFatStart, miniFatBytes);
    if (containerSectors)
        write(containerStart, container);
    std::string dir(dirSectors * 512, '\0');
    auto entry = [&](size_t index, const std::string& name, int type, std::uint32_t start,
                     std::uint32_t size) {
        const size_t at = index * 128;
        for (size_t c = 0; c < name.size(); ++c)
            dir[at + 2 * c] = name[c];
        PutLe16(dir, at + 64, static_cast<unsigned>(2 * (name.size() + 1)));
        dir[at + 66] = static_cast<char>(type);
        PutLe32(dir, at + 68, kFree);
        PutLe32(dir, at + 72, kFree);
        PutLe32(dir, at + 76, index == 0 && streams.size() ? 1 : kFree);
        PutLe32(dir, at + 116, start);
        PutLe32(dir, at + 120, size);
    };
    entry(0, "Root Entry", 5, containerSectors ? containerStart : kEnd,
          static_cast<std::uint32_t>(container.size()));
    for (size_t i = 0; i < streams.size(); ++i)
        entry(i + 1, streams[i].name, 2, placement[i].first, placement[i].second);
    write(dirStart, dir);

    std::string header(512, '\0');
    header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    PutLe16(header, 24, 0x3E);
    PutLe16(header, 26, 3);
    PutLe16(header, 28, 0xFFFE);
    PutLe16(header, 30, 9);
    PutLe16(header, 32, 6);
    PutLe32(header, 44, static_cast<std::uint32_t>(fat));
    PutLe32(header, 48, dirStart);
    PutLe32(header, 56, 4096);
    PutLe32(header, 60, miniFatSectors ? miniFatStart : kEnd);
    PutLe32(header, 64, static_cast<std::uint32_t>(miniFatSectors));
    PutLe32(header, 68, difat ? difatStart : kEnd);
    PutLe32(header, 72, static_cast<std::uint32_t>(difat));
    for (size_t k = 0; k < 109; ++k)
        PutLe32(header, 76 + 4 * k, k < fat ? fatStart + static_cast<std::uint32_t>(k) : kFree);
    for (size_t d = 0; d < difat; ++d) {
        std::string sector(512, '\xFF');
        for (size_t k = 0; k < 127; ++k) {
            const size_t f = 109 + d * 127 + k;
            if (f < fat)
                PutLe32(sector, 4 * k, fatStart + static_cast<std::uint32_t>(f));
        }
        PutLe32(sector, 508, d + 1 < difat ? difatStart + static_cast<std::uint32_t>(d) + 1 : kEnd);
        write(difatStart + static_cast<std::uint32_t>(d), sector);
    }
    return header + body;
}

struct WordPiece {
    std::string text;  // Windows-1252 bytes, or the low bytes of 16-bit characters
    bool wide = false; // stored as 16-bit characters
    std::u16string wideText{};
};

// A Word 97 document ("1Table" or "0Table") whose main text is made of the
// pieces; counts[k] overrides the FIB character counts (footnotes, headers).
struct WordBuild {
    std::vector<WordPiece> pieces;
    std::vector<std::uint32_t> counts; // main, footnotes, headers, ... (8 values)
    bool oneTable = true;
    bool encrypted = false;
    unsigned ident = 0xA5EC;
    bool pieceTable = true;
    std::string extraTable;        // appended to the table stream
    std::uint32_t footnoteRef = 0; // FIB fields for footnotes
    std::uint32_t footnoteText = 0;
    std::uint32_t footnoteTextSize = 0;
};

inline std::string BuildWordDocument(const WordBuild& build) {
    std::string stream(1024, '\0');
    std::string table;
    std::vector<std::uint32_t> cps{0};
    std::vector<std::uint32_t> fcs;
    for (const WordPiece& piece : build.pieces) {
        if (piece.wide) {
            fcs.push_back(static_cast<std::uint32_t>(stream.size()));
            for (char16_t c : piece.wideText) {
                stream.push_back(static_cast<char>(c & 0xFF));
                stream.push_back(static_cast<char>(c >> 8));
            }
            cps.push_back(cps.back() + static_cast<std::uint32_t>(piece.wideText.size()));
        } else {
            fcs.push_back(static_cast<std::uint32_t>(stream.size() * 2) | 0x40000000u);
            stream += piece.text;
            cps.push_back(cps.back() + static_cast<std::uint32_t>(piece.text.size()));
        }
    }
    std::string fib(512, '\0');
    PutLe16(fib, 0, build.ident);
    fib[11] = static_cast<char>((build.encrypted ? 1 : 0) | (build.oneTable ? 2 : 0));
    PutLe32(fib, 24, 1024);
    PutLe32(fib, 28, static_cast<std::uint32_t>(stream.size()));
    std::vector<std::uint32_t> counts = build.counts;
    if (counts.empty())
        counts.push_back(cps.back());
    counts.resize(8, 0);
    for (size_t k = 0; k < 8; ++k)
        PutLe32(fib, 76 + 4 * k, counts[k]);
    PutLe32(fib, 170, build.footnoteRef);
    PutLe32(fib, 178, build.footnoteText);
    PutLe32(fib, 182, build.footnoteTextSize);
    table += build.extraTable;
    if (build.pieceTable) {
        const size_t clx = table.size();
        const size_t n = build.pieces.size();
        std::string plc(4 * (n + 1) + 8 * n, '\0');
        for (size_t k = 0; k <= n; ++k)
            PutLe32(plc, 4 * k, cps[k]);
        for (size_t k = 0; k < n; ++k)
            PutLe32(plc, 4 * (n + 1) + 8 * k + 2, fcs[k]);
        std::string pcdt(5, '\0');
        pcdt[0] = 2;
        PutLe32(pcdt, 1, static_cast<std::uint32_t>(plc.size()));
        table += pcdt + plc;
        PutLe32(fib, 418, static_cast<std::uint32_t>(clx));
        PutLe32(fib, 422, static_cast<std::uint32_t>(table.size() - clx));
    }
    stream.replace(0, 512, fib);
    return BuildCompoundFile({{"WordDocument", stream},
                              {build.oneTable ? "1Table" : "0Table", table},
                              {build.oneTable ? "0Table" : "1Table", std::string(100, '\x13')}});
}

} // namespace qw::test
