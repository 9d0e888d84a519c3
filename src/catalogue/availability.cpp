#include "catalogue/availability.h"

#include "catalogue/server_links.h"

namespace qw {

namespace {

constexpr const char* kFinding = "Finding files";
constexpr const char* kObtaining = "Obtaining date and size information";

void Append(std::vector<std::string>& to, std::vector<std::string> more) {
    to.insert(to.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
}

// Sizes and dates of the names, by HEAD requests; false with the error text
// when an answer could not be read.
bool FileInfo(DownloadEntry& entry, ServerPages& server, std::vector<std::string> names,
              std::string& error) {
    server.status(kObtaining);
    std::vector<std::string> sizes, dates;
    for (const std::string& name : names) {
        const HeadInfo info = ParseHeadInfo(server.head(entry.directory + name));
        if (!info.error.empty()) {
            error = info.error;
            server.status("");
            return false;
        }
        sizes.push_back(FormatSize(info.length));
        dates.push_back(info.date);
    }
    server.status("");
    entry.foundNames = std::move(names);
    entry.foundSizes = std::move(sizes);
    entry.foundDates = std::move(dates);
    return true;
}

std::vector<std::string> Links(const DownloadEntry& entry, ServerPages& server,
                               const ServerBases& bases) {
    server.status(kFinding);
    std::vector<std::string> names;
    if (entry.australian()) {
        const std::string page = server.page(bases.australian + "/plusfifty.html");
        names = AustralianLinks(page, entry.fileName.substr(0, 6));
    } else if (!entry.year.empty()) {
        const std::string p = entry.fileName.substr(0, 5);
        const std::string page = server.page(entry.directory);
        if (!p.empty() && p[0] == '?') {
            for (const char* variant : {"7", "8", "5"})
                Append(names, OldStyleLinks(page, variant + p.substr(1)));
        } else {
            names = OldStyleLinks(page, p);
        }
    } else {
        names = NewStyleLinks(server.page(entry.directory));
    }
    return names;
}

} // namespace

LookupResult LookUpTitle(DownloadEntry& entry, ServerPages& server, const ServerBases& bases) {
    LookupResult result;
    if (entry.foundNames.empty() &&
        !FileInfo(entry, server, Links(entry, server, bases), result.error))
        return result;
    if (entry.australian())
        result.name = PickAustralian(entry.foundNames, entry.fileName);
    else if (!entry.year.empty())
        result.name = PickOldStyle(entry.foundNames, entry.fileName);
    else
        result.name = PickNewStyle(entry.foundNames, entry.fileName);
    if (result.name.empty()) {
        entry.status = download_status::kNotFound;
    } else {
        entry.fileName = result.name;
        entry.status = download_status::kFound;
    }
    return result;
}

} // namespace qw
