#pragma once
// What tells one running copy that another has rewritten the configuration
// file since it last read or wrote it: the file's identity, size and
// modification time, and a hash of its content where the time is too coarse
// to tell.

#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0; // an atomic rewrite always brings a new one
    std::int64_t size = 0;
    std::int64_t mtimeSeconds = 0;
    std::int64_t mtimeNanoseconds = 0;

    bool operator==(const FileStamp& o) const {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               mtimeSeconds == o.mtimeSeconds && mtimeNanoseconds == o.mtimeNanoseconds;
    }
    bool operator!=(const FileStamp& o) const { return !(*this == o); }
    // Whole-second times (some file systems keep no more): an edit in place
    // within the same second leaves the stamp as it was.
    bool coarse() const { return exists && mtimeNanoseconds == 0; }
};

// The stamp of the file at path (following a link); exists is false when
// there is no such file.
FileStamp StampOf(const std::string& path);

std::uint64_t ContentHash(std::string_view bytes);

struct StampedContent {
    bool missing = false; // no file: an empty content, no error
    std::string bytes;
    FileStamp stamp;   // of the very file the bytes were read from
    std::string error; // why a file that exists could not be read
};

// Reads a whole regular file of at most maxSize bytes.
StampedContent ReadStampedFile(const std::string& path, std::uintmax_t maxSize);

} // namespace qw
