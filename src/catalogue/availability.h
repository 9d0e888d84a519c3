#pragma once
// Finding out which file of a title the server holds, under which exact
// name, with its size and date: the listing pages are read and each
// candidate is asked for with HEAD. The network is behind ServerPages.

#include "catalogue/download_entry.h"

#include <string>
#include <vector>

namespace qw {

class ServerPages {
  public:
    virtual ~ServerPages() = default;
    // The body of a page (cached by the implementation); empty on any failure.
    virtual std::string page(const std::string& address) = 0;
    // The header lines of a HEAD answer; empty on any failure.
    virtual std::vector<std::string> head(const std::string& address) = 0;
    // A status line for the user ("Finding files"); empty clears it.
    virtual void status(const std::string&) {}
};

struct LookupResult {
    std::string name;  // the file found, or empty
    std::string error; // a HEAD answer that could not be read
};

// Looks the entry up: the first time its server's listing is read and the
// names found are kept in the entry with sizes and dates; later lookups (after
// a change of type) ask nothing. Sets fileName and status "Found" or
// "Not found" unless an error stopped the lookup.
LookupResult LookUpTitle(DownloadEntry& entry, ServerPages& server, const ServerBases& bases);

} // namespace qw
