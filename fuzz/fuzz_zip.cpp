// Arbitrary bytes as a ZIP archive: listed, sorted and every entry extracted
// with a small size limit. Input that does not start like an archive is also
// read as a list of names, one per line, for the name order and the ignored
// files.
#include "import/ignored_files.h"
#include "import/natural_sort.h"
#include "import/zip_archive.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

const std::string& ArchivePath() {
    static const std::string path =
        (access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm") : std::string("/tmp")) +
        "/quirewell-fuzz-zip-" + std::to_string(getpid()) + ".zip";
    return path;
}

void Names(std::string_view bytes) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= bytes.size() && names.size() < 5000) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        names.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    const std::vector<std::string> sorted = qw::NaturalSort(names);
    const std::vector<std::string> listing = qw::SortArchiveListing(names);
    if (sorted.size() != names.size() || listing.size() != names.size())
        __builtin_trap();
    const std::vector<std::string> patterns(names.begin(),
                                            names.begin() + std::min<size_t>(names.size(), 8));
    for (const std::string& name : names)
        (void)qw::IsIgnoredFile(name, true, patterns);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.substr(0, 2) != "PK") {
        Names(bytes);
        return 0;
    }
    const std::string& path = ArchivePath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    const qw::ArchiveListing listing = qw::ListArchive(path, (size & 1) != 0, {"*.lit"});
    const std::vector<std::string> sorted = qw::SortArchiveListing(listing.entries);
    size_t extracted = 0;
    for (const std::string& entry : sorted) {
        if (++extracted > 32)
            break;
        const qw::ArchiveEntryBytes member = qw::ExtractArchiveEntry(path, entry, 1 << 20);
        if (member.bytes.size() > (1u << 20) || (!member.ok() && !member.bytes.empty()))
            __builtin_trap();
    }
    std::remove(path.c_str());
    return 0;
}
