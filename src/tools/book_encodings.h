#pragma once
// The books' "Encoding" keys taken from Quirewell.ini at one moment, so that
// a search on another thread reads them without touching the live store.

#include "settings/config_file.h"

#include <string>
#include <unordered_map>

namespace qw {

class BookEncodings {
  public:
    static BookEncodings From(const ConfigFile& config);

    // The book's encoding, "Auto" when its record has none.
    std::string of(const std::string& path, const std::string& entry) const;

  private:
    std::unordered_map<std::string, std::string> bySection_; // folded section name
};

} // namespace qw
