#pragma once
// Saving a text as a Palm DOC database, written the way Save as writes
// every file (save_file.h).

#include "import/save_file.h"

#include <string>
#include <string_view>

namespace qw {

// Writes the text as a Palm DOC database with the given title (Windows-1252,
// at most 31 bytes are kept).
WriteOutcome WritePalmDoc(const std::string& path, std::string_view text, std::string_view title);

} // namespace qw
