#pragma once
// Reading the catalogue index files GUTINDEX.ALL and GUTINDEX.AUS into
// entries, in file order. Three shapes of GUTINDEX.ALL are read:
//   - yearly sections ("GUTINDEX.1999" ... "Mon Year Title ... [filename] No.")
//     with entries at fixed columns;
//   - one listing after "<==Start GUTINDEX.ALL listings==>", numbers in
//     columns 74 to 78;
//   - today's UTF-8 index after "<==LISTINGS==>" or "<===LISTINGS===>":
//     each entry a line whose number (up to six digits, maybe with "C" for a
//     copyrighted work) ends the line, then indented lines ("[Language: ...]"),
//     monthly "~ ~ ~ Posting Dates ..." dividers between months.
// Every entry ends at the first blank line. Text is turned into UTF-8 (lines
// that are not valid UTF-8 are read as Windows-1252).

#include "catalogue/catalogue_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace qw {

constexpr const char* kNoIndexMessage =
    "No GUTINDEX file found - connect to the internet and\r\nclick on 'Update index now' to "
    "download the latest version";

// Reads both files of one catalogue; the blank-line state carries over from
// the first to the second.
class GutindexReader {
  public:
    void readAll(std::string_view bytes);
    void readAus(std::string_view bytes);

    std::vector<CatalogueEntry>& entries() { return entries_; }

  private:
    void newFormatLine(std::string_view line);
    void todaysLine(std::string_view line);
    void oldFormatLine(std::string_view line);
    void infoLine(std::string_view line);

    std::vector<CatalogueEntry> entries_;
    bool blankSeen_ = false;
};

// Reads folder/GUTINDEX.ALL, then folder/GUTINDEX.AUS, those that exist.
// folder ends in "/" or is empty (the working folder).
std::vector<CatalogueEntry> LoadCatalogue(const std::string& folder);

} // namespace qw
