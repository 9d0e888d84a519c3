#pragma once
// A reader for OLE compound files (the container of Word 97 documents):
// header, FAT with its DIFAT, MiniFAT, directory and streams. Only 512-byte
// sectors with 64-byte mini sectors are read. Every read stays inside the
// file, and chains that loop or point past the end simply end.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

extern const char* const kCompoundFatError;     // "Error in FAT"
extern const char* const kCompoundMiniFatError; // "Error reading MiniFAT pointers"

struct CompoundStream {
    std::uint32_t start = 0;
    std::uint32_t size = 0;
};

enum class CompoundLookup { Found, NotFound, Broken };

class CompoundFile {
  public:
    // True when the bytes begin with the full compound-file signature.
    static bool HasSignature(std::string_view file);

    // Reads the header, the FAT sector list and the MiniFAT. Nothing when the
    // file is not a compound file we can read (too short, other sector
    // sizes). Warnings ("Error in FAT", "Error reading MiniFAT pointers") are
    // added to `warnings`; the file is still read as far as it goes.
    static std::optional<CompoundFile> Open(std::string_view file,
                                            std::vector<std::string>& warnings);

    // Looks a stream up by its name in the directory. Broken: the directory
    // chain holds a free-sector marker.
    CompoundLookup find(std::string_view asciiName, CompoundStream& stream) const;

    // The bytes of a stream, at most `limit` of them: from mini sectors when
    // the size is below the cutoff, else from sectors; shorter when the chain
    // ends early.
    std::string read(const CompoundStream& stream, std::uint32_t limit = 0xFFFFFFFFu) const;

  private:
    explicit CompoundFile(std::string_view file) : file_(file) {}

    std::uint32_t u32(size_t at) const;
    bool sectorInFile(std::uint32_t sector) const;
    std::uint32_t nextSector(std::uint32_t sector) const;
    std::uint32_t nextMiniSector(std::uint32_t sector) const;
    // Follows a FAT chain for at most `count` sectors; `complete` tells
    // whether it ended exactly there.
    std::vector<std::uint32_t> chain(std::uint32_t start, std::uint32_t count,
                                     bool& complete) const;

    std::string_view file_;
    size_t sectorCount_ = 0;
    std::vector<std::uint32_t> fatSectors_;
    std::vector<std::uint32_t> miniFatSectors_;
    std::vector<std::uint32_t> miniContainer_;
    std::uint32_t firstDirectorySector_ = 0;
    std::uint32_t miniCutoff_ = 4096;
};

} // namespace qw
