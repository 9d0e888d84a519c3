#include "catalogue/index_install.h"

#include "import/zip_archive.h"
#include "settings/atomic_write.h"

#include <cstdio>

namespace qw {

std::string InstallIndexArchive(const std::string& zipPath, const std::string& allPath) {
    const ArchiveEntryBytes index = ExtractArchiveEntry(zipPath, index_files::kAll);
    std::string error;
    if (!index.ok())
        error = index.error;
    else if (index.bytes.empty())
        error = "The downloaded archive holds an empty " + std::string(index_files::kAll);
    else
        error = WriteFileAtomically(allPath, index.bytes);
    if (std::remove(zipPath.c_str()) != 0 && error.empty())
        error = "Could not delete temporary file " + zipPath;
    return error;
}

} // namespace qw
