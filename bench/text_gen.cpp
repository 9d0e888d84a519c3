#include "text_gen.h"

#include <random>
#include <string>
#include <vector>

namespace qw::bench {

std::string GenerateNovel(std::size_t bytes, bool unixLines, unsigned seed) {
    static const std::vector<std::string> words = {
        "the",     "and",      "of",        "to",           "a",
        "in",      "that",     "was",       "he",           "she",
        "it",      "with",     "his",       "her",          "had",
        "for",     "which",    "upon",      "little",       "great",
        "morning", "window",   "letter",    "Elizabeth",    "Darcy",
        "country", "carriage", "remember",  "nevertheless", "extraordinary",
        "said",    "could",    "would",     "there",        "been",
        "when",    "again",    "caf\u00e9", "na\u00efve"};
    std::mt19937 rng(seed);
    const std::string eol = unixLines ? "\n" : "\r\n";
    std::string text;
    text.reserve(bytes + 200);
    int chapter = 1;
    while (text.size() < bytes) {
        if (rng() % 40 == 0 || chapter == 1) {
            text += eol + eol + "CHAPTER " + std::to_string(chapter++) + eol + eol + eol;
        }
        const int lines = 5 + static_cast<int>(rng() % 11);
        for (int l = 0; l < lines; ++l) {
            std::string line = rng() % 6 == 0 ? "\t" : (l == 0 ? "    " : "");
            while (line.size() < 60) {
                const unsigned pick = rng() % 1000;
                if (pick == 0)
                    line += "Supercalifragilisticexpialidocious-and-then-some-more-letters";
                else
                    line += words[pick % words.size()];
                line += pick % 13 == 0 ? ", " : pick % 29 == 0 ? ". " : " ";
            }
            line.pop_back();
            if (l == lines - 1)
                line += ".";
            text += line + eol;
        }
        text += eol;
    }
    return text;
}

std::string GenerateRussianNovel(std::size_t bytes, unsigned seed) {
    // Each Latin letter becomes a Cyrillic one (two bytes in UTF-8), so the
    // novel's shape stays and the text is about `bytes` long.
    const std::string latin = GenerateNovel(bytes * 11 / 20, false, seed);
    std::string text;
    text.reserve(bytes + 200);
    for (unsigned char c : latin) {
        char32_t cp = c;
        if (c >= 'a' && c <= 'z')
            cp = 0x430 + (c - 'a');
        else if (c >= 'A' && c <= 'Z')
            cp = 0x410 + (c - 'A');
        if (cp < 0x80) {
            text.push_back(static_cast<char>(cp));
        } else {
            text.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            text.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return text;
}

std::string BookRecordName(int i) {
    return "/home/reader/Books/Author " + std::to_string(i % 97) + "/Book number " +
           std::to_string(i) + ".txt";
}

std::string BookRecord(int i) {
    return "[" + BookRecordName(i) +
           "]\n"
           "Fontname=Liberation Serif\nFontsize=12\nTab width=32\nRemove line breaks=Yes\n"
           "Check punctuation marks=No\nCheck indentation=Yes\nAutomatically create TOC=No\n"
           "Section header contains=\nPreceding blank lines=3\nSection header size=5\n"
           "Count blank lines=Yes\nTOC on left side=No\nSection on new page=No\n"
           "Section on right page=No\nTitle=The story of book " +
           std::to_string(i) +
           "\nAuthor=Someone Else\nFinished=No\nPage=" + std::to_string(i % 400) +
           "\nTotal lines=24000\nLines=38\nBookmark 1=\n";
}

} // namespace qw::bench
