#pragma once
// Replaces a file as a whole: the new content goes to a temporary file in the
// same folder, is flushed to the disk and then renamed over the old file, so
// that a crash or a full disk leaves either the old or the new file, never a
// truncated one.

#include <functional>
#include <string>
#include <string_view>

namespace qw {

// Points at which a test can make the write fail or stop, as a full disk or a
// killed process would.
struct WriteFaults {
    long failAfterBytes = -1;           // report "no space" once this many bytes are written
    std::function<void()> beforeRename; // runs after the flush, before the rename
    bool failRename = false;            // the rename reports an error
};

// The file a write of path replaces: the target of a link, else path itself.
std::string WriteTarget(const std::string& path);

// Empty on success, otherwise a message that names the file and the reason.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const WriteFaults* faults = nullptr);

} // namespace qw
