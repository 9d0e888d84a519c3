#include "catalogue/download_entry.h"

namespace qw {

CatalogueEntry DownloadEntry::catalogueEntry() const {
    CatalogueEntry e;
    e.number = number;
    e.title = title;
    e.year = oldFormat || australian() ? year : std::string();
    e.fileName = oldFormat || australian() ? baseName : std::string();
    return e;
}

DownloadEntry MakeDownloadEntry(const CatalogueEntry& entry, int type, const ServerBases& bases) {
    DownloadEntry d;
    d.number = entry.number;
    d.title = entry.title;
    d.type = type;
    d.fileName = DownloadFileName(entry, type);
    d.directory = DirectoryAddress(entry, bases);
    d.baseName = entry.australian() || entry.oldFormat() ? entry.fileName : entry.number;
    d.year = entry.year;
    d.oldFormat = entry.oldFormat();
    return d;
}

void ChangeFileType(DownloadEntry& entry, int type) {
    entry.type = type;
    entry.fileName = DownloadFileName(entry.catalogueEntry(), type);
}

} // namespace qw

namespace qw {
std::string ProgressText(std::int64_t received, std::int64_t announced) {
    if (announced < 0)
        return std::to_string(received) + " Bytes received";
    const std::int64_t percent = announced > 0 ? received * 100 / announced : 100;
    return std::to_string(received) + " of " + std::to_string(announced) + " Bytes received (" +
           std::to_string(percent) + "%)";
}
} // namespace qw
