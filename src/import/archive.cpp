#include "import/archive.h"

#include "import/zip_archive.h"

#include <sys/stat.h>

namespace qw {

namespace {

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool FileReferenceExists(std::string_view reference) {
    const FileRef ref = FileRef::parse(reference);
    if (!IsRegularFile(ref.path))
        return false;
    return ref.entry.empty() || ArchiveHasEntry(ref.path, ref.entry);
}

bool IsZippedXmlDocument(std::string_view upperExtension) {
    return upperExtension == ".SXW" || upperExtension == ".ODT";
}

} // namespace qw
