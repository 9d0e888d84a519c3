#include "text_gen.h"

#include <random>
#include <vector>

namespace qw::bench {

std::string GenerateNovel(std::size_t bytes, bool unixLines, unsigned seed) {
    static const std::vector<std::string> words = {
        "the",     "and",      "of",       "to",           "a",
        "in",      "that",     "was",      "he",           "she",
        "it",      "with",     "his",      "her",          "had",
        "for",     "which",    "upon",     "little",       "great",
        "morning", "window",   "letter",   "Elizabeth",    "Darcy",
        "country", "carriage", "remember", "nevertheless", "extraordinary",
        "said",    "could",    "would",    "there",        "been",
        "when",    "again",    "caf\xe9",  "na\xefve"};
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

} // namespace qw::bench
