#pragma once
// Catalogue index files for tests and benchmarks, in the shapes the program
// reads: today's UTF-8 GUTINDEX.ALL and the older fixed-column one.

#include <cstdio>
#include <string>

namespace qw::test {

// Title i of a generated index; some hold letters outside ASCII and outside
// Windows-1252, so the list must show UTF-8.
inline std::string GeneratedTitle(size_t i) {
    static const char* const words[] = {"Ocean", "Émile", "Tale",  "Дом",    "River",
                                        "Night", "Äpfel", "Λόγος", "Garden", "zebra"};
    return std::string(words[i % 10]) + " " + words[(i / 10) % 10] + " Story " + std::to_string(i) +
           ", by Author " + std::to_string(i % 97);
}

// Today's GUTINDEX.ALL with `entries` entries, newest (highest number) first:
// numbers from 100000 + entries / 2 (or entries + 9000) down, so six-digit,
// five-digit and (for large counts) four-digit numbers occur; every 7th has "C", right-aligned to
// column 78; a month divider
// every 50 entries; entry i has i % 4 info lines. style2025 picks
// "<===LISTINGS===>" over "<==LISTINGS==>".
inline std::string TodaysIndex(size_t entries, bool style2025 = true) {
    std::string out = "\xEF\xBB\xBFGUTINDEX.ALL\r\n\r\nThis index lists the eBooks of Project "
                      "Gutenberg.\r\nIt is a header of prose with a number 12345 in it.\r\n\r\n";
    out += style2025 ? "<===LISTINGS===>\r\n\r\n" : "<==LISTINGS==>\r\n\r\n";
    out += "TITLE and AUTHOR                                                     EBOOK NO.\r\n";
    const long n = static_cast<long>(entries);
    const long first = n + 9000 > 100000 + n / 2 ? n + 9000 : 100000 + n / 2;
    for (size_t i = 0; i < entries; ++i) {
        if (i % 50 == 0)
            out += "\r\n~ ~ ~ ~ Posting Dates for the below eBooks:  1 Mar 2026 to 8 Mar 2026 ~ "
                   "~ ~ ~\r\n\r\n";
        std::string number = std::to_string(first - static_cast<long>(i));
        if (i % 7 == 3)
            number += 'C';
        std::string line = GeneratedTitle(i);
        // The number ends at column 78, counting characters, not bytes.
        size_t chars = 0;
        for (unsigned char c : line)
            chars += (c & 0xC0) != 0x80;
        line.append(chars + number.size() + 2 <= 78 ? 78 - chars - number.size() : 2, ' ');
        out += line + number + "\r\n";
        if (i % 4 >= 1)
            out += " [Subtitle: Part " + std::to_string(i) + " of the tale]\r\n";
        if (i % 4 >= 2)
            out += " [Language: Finnish]\r\n";
        if (i % 4 >= 3)
            out += " [Illustrator: Ilmari Kivi]\r\n";
        out += "\r\n";
    }
    out += "<==End of GUTINDEX.ALL==>\r\n";
    return out;
}

// The older GUTINDEX.ALL: one listing after the start marker and a "~" line,
// numbers right-aligned in columns 74 to 78 (1 to entries), info lines after.
inline std::string ColumnIndex(size_t entries) {
    std::string out = "GUTINDEX.ALL\r\n\r\n<==Start GUTINDEX.ALL listings==>\r\n\r\n"
                      "~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~ ~\r\n\r\n";
    char line[128];
    for (size_t i = 0; i < entries; ++i) {
        std::snprintf(line, sizeof line, "%-73s%5zu\r\n",
                      ("Old Title " + std::to_string(i) + ", by Writer").c_str(), entries - i);
        out += line;
        if (i % 2)
            out += " [Language: German]\r\n";
        out += "\r\n";
    }
    out += "<==End of GUTINDEX.ALL==>\r\n";
    return out;
}

} // namespace qw::test
