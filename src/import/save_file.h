#pragma once
// Writing whole files the way Save as does. The new content normally goes
// into a temporary file beside the target, is flushed to disk and renamed
// over it, so that a failed save never destroys the file that was there.
// A symbolic link is written through: the file it points to is replaced and
// the link stays. When the folder cannot take a temporary file but the file
// itself is writable, the file is rewritten in place, carefully (see
// ReplaceFileContents).

#include <string>
#include <string_view>

namespace qw {

extern const char* const kSaveFailed; // "Error saving this file - (disk full?)"

struct WriteOutcome {
    bool ok = false;
    std::string detail; // the system's reason on failure, for logs and the CLI
};

// Points at which a test makes a save fail as a read-only folder or a full
// disk would.
struct SaveFaults {
    int tempFileError = 0;           // creating the temporary file fails with this errno
    long failInPlaceAfterBytes = -1; // the in-place write fails after this many bytes
};

// Creates or replaces the file with the bytes; the file a link points to is
// the one replaced. On failure the old file, if any, is left as it was and no
// temporary file stays behind. In a folder that takes no new file an existing
// writable file is rewritten in place: the room for a longer text is reserved
// first, so that a full disk shows before any old byte is overwritten, and a
// write that fails part-way puts the old content back. Devices and pipes are
// written straight into.
WriteOutcome ReplaceFileContents(const std::string& path, std::string_view bytes,
                                 const SaveFaults* faults = nullptr);

} // namespace qw
