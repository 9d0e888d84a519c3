#include "import/archive.h"

#include "import/zip_archive.h"

#include <sys/stat.h>

namespace qw {

namespace {

bool EndsWithArchiveName(std::string_view text) {
    if (text.size() < 4)
        return false;
    std::string tail(text.substr(text.size() - 4));
    for (char& c : tail)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return tail == ".ZIP" || tail == ".SXW" || tail == ".ODT";
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

ArchiveReference SplitFileReference(std::string_view reference) {
    size_t bar = reference.find('|');
    if (bar == std::string_view::npos)
        return {std::string(reference), {}};
    for (size_t at = bar; at != std::string_view::npos; at = reference.find('|', at + 1)) {
        if (EndsWithArchiveName(reference.substr(0, at))) {
            bar = at;
            break;
        }
    }
    return {std::string(reference.substr(0, bar)), std::string(reference.substr(bar + 1))};
}

std::string JoinFileReference(const std::string& path, const std::string& entry) {
    return entry.empty() ? path : path + "|" + entry;
}

bool FileReferenceExists(std::string_view reference) {
    const ArchiveReference ref = SplitFileReference(reference);
    if (!IsRegularFile(ref.path))
        return false;
    return ref.entry.empty() || ArchiveHasEntry(ref.path, ref.entry);
}

bool IsZippedXmlDocument(std::string_view upperExtension) {
    return upperExtension == ".SXW" || upperExtension == ".ODT";
}

} // namespace qw
