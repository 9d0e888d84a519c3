#pragma once
// The two small dialogs of the download list, built when needed:
// "List available files" (the names a lookup found, with sizes and dates)
// and "Download the latest index file(s)" (which index files to fetch).

#include "catalogue/download_entry.h"

#include <optional>
#include <string>

class QWidget;

namespace qw {

// The name the user chose among entry's found files (a click on a row, or
// OK / Enter); nothing for Cancel / Esc.
std::optional<std::string> ChooseAvailableFile(const DownloadEntry& entry, QWidget* parent);

struct IndexChoice {
    bool usa = true;
    bool australian = false;
};
// Which index files to fetch; nothing for Cancel or when neither is checked.
std::optional<IndexChoice> ChooseIndexFiles(QWidget* parent);

} // namespace qw
