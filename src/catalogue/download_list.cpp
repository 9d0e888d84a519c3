#include "catalogue/download_list.h"

#include "catalogue/ascii.h"

#include <algorithm>

namespace qw {

namespace {
void MarkSaved(DownloadEntry& e, const SavedFile& saved) {
    if (saved(e.fileName))
        e.status = download_status::kDownloaded;
    else if (e.status == download_status::kDownloaded)
        e.status.clear();
}
} // namespace

void DownloadList::add(const CatalogueEntry& entry, int type, const ServerBases& bases,
                       const SavedFile& saved) {
    DownloadEntry e = MakeDownloadEntry(entry, type, bases);
    if (saved(e.fileName))
        e.status = download_status::kDownloaded;
    entries_.push_back(std::move(e));
}

void DownloadList::remove(size_t first, size_t last) {
    if (first >= entries_.size() || last < first)
        return;
    last = std::min(last, entries_.size() - 1);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(first),
                   entries_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

void DownloadList::removeDownloaded() {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [](const DownloadEntry& e) {
                                      return e.status == download_status::kDownloaded;
                                  }),
                   entries_.end());
}

void DownloadList::changeType(const std::vector<size_t>& rows, int type, const SavedFile& saved) {
    for (size_t row : rows) {
        if (row >= entries_.size())
            continue;
        DownloadEntry& e = entries_[row];
        ChangeFileType(e, type);
        e.status = saved(e.fileName) ? download_status::kDownloaded : "";
    }
}

void DownloadList::refreshSaved(const SavedFile& saved) {
    for (DownloadEntry& e : entries_)
        MarkSaved(e, saved);
}

namespace {
std::string NumberKey(std::string_view number) {
    std::string key;
    for (char c : number)
        if (c != ' ' && c != '\t')
            key += c;
    if (key.size() > 1 && (key.back() == 'C' || key.back() == 'c'))
        key.pop_back();
    return key;
}
} // namespace

std::optional<CatalogueEntry> FindByNumber(const std::vector<CatalogueEntry>& entries,
                                           std::string_view number) {
    const std::string key = NumberKey(number);
    if (key.empty())
        return std::nullopt;
    for (const CatalogueEntry& e : entries)
        if (NumberKey(e.number) == key)
            return e;
    if (!AllDigits(key) || key.size() > 9)
        return std::nullopt;
    CatalogueEntry today;
    today.number = key;
    return today;
}

std::string ItemCountText(size_t count) {
    return count == 1 ? "1 item" : std::to_string(count) + " items";
}

} // namespace qw
