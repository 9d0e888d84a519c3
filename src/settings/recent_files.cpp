#include "settings/recent_files.h"

#include "settings/config_load.h"
#include "settings/settings_model.h"

#include <algorithm>

namespace qw {

namespace {

const char* SectionOf(PathList which) {
    return which == PathList::Recent ? sections::kRecent : sections::kFavorite;
}

std::string KeyOf(PathList which, size_t index) {
    return std::string(SectionOf(which)) + " " + std::to_string(index);
}

std::string HintOpening(const std::string& path) {
    return "Left click: Show recent files and favorites\r\nRight click: Open " + path;
}

} // namespace

DisplayName SplitDisplayName(const std::string& fullPath, bool hideFilePaths,
                             const std::string& baseDirectory) {
    if (fullPath.empty())
        return {};
    const bool folder = fullPath.back() == '/';
    if (hideFilePaths && !folder) {
        const size_t slash = fullPath.find_last_of('/');
        if (slash == std::string::npos)
            return {fullPath, {}};
        return {fullPath.substr(slash + 1), fullPath.substr(0, slash + 1)};
    }
    // Case-sensitive, as the file system is.
    if (!baseDirectory.empty() && baseDirectory.size() < fullPath.size() &&
        fullPath.compare(0, baseDirectory.size(), baseDirectory) == 0)
        return {fullPath.substr(baseDirectory.size()), baseDirectory};
    return {fullPath, {}};
}

std::vector<std::string> MoveToTop(std::vector<std::string> list, const std::string& entry,
                                   size_t limit) {
    const auto found = std::find(list.begin(), list.end(), entry);
    if (found != list.end())
        list.erase(found);
    list.insert(list.begin(), entry);
    if (list.size() > limit)
        list.resize(limit);
    return list;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::vector<std::string> RecentFiles::list(PathList which) const {
    std::vector<std::string> entries;
    for (size_t i = 0; i < kPathListSize; ++i) {
        std::string value = config_.ReadString(SectionOf(which), KeyOf(which, i), "");
        // A hand-edited duplicate counts once.
        if (!value.empty() && std::find(entries.begin(), entries.end(), value) == entries.end())
            entries.push_back(std::move(value));
    }
    return entries;
}

FileRef RecentFiles::lastReadFile() const {
    return FileRef::parse(Settings(config_).Text(Setting::LastReadFile));
}

std::string RecentFiles::baseDirectory() const {
    return Settings(config_).BaseDirectory();
}

void RecentFiles::writeList(PathList which, const std::vector<std::string>& entries) {
    for (size_t i = 0; i < kPathListSize; ++i) {
        const std::string key = KeyOf(which, i);
        if (i < entries.size())
            config_.WriteString(SectionOf(which), key, entries[i]);
        else if (config_.ValueExists(SectionOf(which), key))
            config_.DeleteKey(SectionOf(which), key);
    }
}

bool RecentFiles::registerLastRead(const FileRef& file, const RecordRules& rules,
                                   const std::string& programDir) {
    if (file.path.empty() || IsUnrecorded(EncodeSectionName(file.path), rules))
        return false;
    const SettingInfo& base = Settings::Info(Setting::InitialDir);
    if (!config_.SectionExists(base.section) || baseDirectory().empty()) {
        std::string dir = FolderOf(file.path);
        setBaseDirectory(dir.empty() ? programDir : dir);
    }
    writeList(PathList::Recent, MoveToTop(list(PathList::Recent), file.path, kPathListSize));
    const SettingInfo& last = Settings::Info(Setting::LastReadFile);
    config_.WriteString(last.section, last.key, file.format());
    config_.UpdateFile();
    return true;
}

void RecentFiles::forgetLastRead() {
    Settings(config_).SetText(Setting::LastReadFile, "");
}

std::string RecentFiles::latestToOpen() const {
    const FileRef last = lastReadFile();
    if (!last.path.empty())
        return last.path;
    const std::vector<std::string> recent = list(PathList::Recent);
    return recent.empty() ? std::string() : recent.front();
}

void RecentFiles::addFavorite(const std::string& path) {
    if (path.empty())
        return;
    writeList(PathList::Favorite, MoveToTop(list(PathList::Favorite), path, kPathListSize));
    config_.UpdateFile();
}

bool RecentFiles::removeEntry(PathList which, const std::string& path) {
    std::vector<std::string> entries = list(which);
    const auto found = std::find(entries.begin(), entries.end(), path);
    if (found == entries.end())
        return false;
    entries.erase(found);
    writeList(which, entries);
    config_.UpdateFile();
    return true;
}

void RecentFiles::setBaseDirectory(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    Settings(config_).SetText(Setting::InitialDir, dir);
}

std::string RecentFiles::recentButtonHint() const {
    const std::string last = Settings(config_).Text(Setting::LastReadFile);
    if (!last.empty())
        return HintOpening(last);
    const std::vector<std::string> recent = list(PathList::Recent);
    return recent.empty() ? startupHint() : HintOpening(recent.front());
}

const char* RecentFiles::startupHint() {
    return "Left click: Show recent files and favorites - Right click: Open latest";
}

} // namespace qw
