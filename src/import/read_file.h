#pragma once
// Reading a file whole into memory.

#include <cstdint>
#include <string>

namespace qw {

// Files larger than this are refused: the book is held several times over in
// memory (raw, worked and fitted), and no e-text comes near it.
constexpr std::uint64_t kMaxBookFileBytes = 256ull * 1024 * 1024;

struct FileBytes {
    std::string bytes;
    std::string error; // the message to show; empty on success
    bool ok() const { return error.empty(); }
};

// The whole content of a file. On failure the bytes are empty and error holds
// "Cannot open file <name>!" (or a message naming the size limit).
FileBytes ReadWholeFile(const std::string& path, std::uint64_t limit = kMaxBookFileBytes);

} // namespace qw
