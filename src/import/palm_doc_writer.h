#pragma once
// Writing whole files the way Save as does: into a temporary file beside the
// target, flushed to disk and renamed over it, so that a failed save never
// destroys the file that was there.

#include <string>
#include <string_view>

namespace qw {

extern const char* const kSaveFailed; // "Error saving this file - (disk full?)"

struct WriteOutcome {
    bool ok = false;
    std::string detail; // the system's reason on failure, for logs and the CLI
};

// Creates or replaces the file with the bytes. On failure the old file, if
// any, is untouched and no temporary file is left behind.
WriteOutcome ReplaceFileContents(const std::string& path, std::string_view bytes);

// Writes the text as a Palm DOC database with the given title (Windows-1252,
// at most 31 bytes are kept).
WriteOutcome WritePalmDoc(const std::string& path, std::string_view text, std::string_view title);

} // namespace qw
