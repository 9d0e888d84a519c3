#pragma once
// One entry of the Project Gutenberg catalogue index, as its six fields.

#include <string>

namespace qw {

struct CatalogueEntry {
    // The number as the index shows it: the five columns of the older indexes
    // untrimmed (" 1234"), "A" in front for the Australian index, or the
    // number of today's index ("70245", "100123", "71234C" for copyrighted).
    std::string number;
    std::string title;    // title and author, trimmed (UTF-8)
    std::string info;     // the lines that follow the entry, untrimmed, CR LF between
    std::string year;     // two characters for entries of the yearly format, else empty
    std::string fileName; // the file name of the yearly format, else empty

    // Entries of the yearly format with their bracketed file names.
    bool oldFormat() const { return !year.empty(); }
    bool australian() const { return !number.empty() && number[0] == 'A'; }
};

} // namespace qw
