#include "import/folder_files.h"

#include "import/archive.h"
#include "import/convert.h"
#include "import/ignored_files.h"
#include "import/natural_sort.h"
#include "import/zip_archive.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace qw {

namespace {

std::string Joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A folder's identity, so that a folder reached again through a link is not
// listed twice (and a link loop ends).
using FolderId = std::pair<dev_t, ino_t>;

struct FolderEntries {
    std::vector<std::string> files;
    std::vector<std::string> folders;
    std::string error;
};

FolderEntries ReadFolder(const std::string& folder) {
    FolderEntries result;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        result.error = "Cannot read the folder " + folder + ": " + std::strerror(errno);
        return result;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.') // ".", ".." and hidden names
            continue;
        std::string path = Joined(folder, name);
        // The folder entry's type saves a stat for plain files and folders;
        // links (and file systems that do not tell) are followed by stat.
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info {};
            if (::stat(path.c_str(), &info) != 0) // vanished, dangling or looping link
                continue;
            type = S_ISREG(info.st_mode) ? DT_REG : S_ISDIR(info.st_mode) ? DT_DIR : DT_UNKNOWN;
        }
        if (type == DT_REG)
            result.files.push_back(std::move(path));
        else if (type == DT_DIR)
            result.folders.push_back(std::move(path));
    }
    ::closedir(dir);
    return result;
}

void AddFile(const std::string& path, const FolderListOptions& options,
             std::vector<FileRef>& files) {
    const std::string extension = UpperExtension(path);
    if (extension == ".ZIP") {
        ArchiveListing listing = ListArchive(path, options.filter, options.ignoredPatterns);
        for (std::string& entry : listing.entries)
            files.push_back({path, std::move(entry)});
    } else if (IsZippedXmlDocument(extension)) {
        files.push_back({path, "content.xml"});
    } else if (!options.filter ||
               !IsIgnoredFile(FileNameOf(path), false, options.ignoredPatterns)) {
        files.push_back({path, {}});
    }
}

struct KeyParts {
    std::string folder;
    std::string name;
    std::string entryFolder;
    std::string entryName;
};

KeyParts SplitPair(const FileRef& file, const std::string& base) {
    KeyParts parts;
    std::string path = file.path;
    if (!base.empty()) {
        const std::string prefix = base.back() == '/' ? base : base + "/";
        if (path.compare(0, prefix.size(), prefix) == 0)
            path.erase(0, prefix.size());
    }
    const size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) {
        parts.folder = path.substr(0, slash + 1);
        parts.name = path.substr(slash + 1);
    } else {
        parts.name = path;
    }
    const size_t separator = file.entry.find_last_of("/\\");
    if (separator != std::string::npos) {
        parts.entryFolder = file.entry.substr(0, separator + 1);
        parts.entryName = file.entry.substr(separator + 1);
    } else {
        parts.entryName = file.entry;
    }
    return parts;
}

constexpr size_t kKeyBudget = 64u * 1024 * 1024;

void AppendPadded(std::string& key, const std::string& field, size_t width) {
    key += field;
    key.append(width - field.size(), ' ');
}

} // namespace

FolderListing ListFolderFiles(const std::string& folder, const FolderListOptions& options) {
    FolderListing listing;
    std::set<FolderId> seen;
    // Depth first without recursion, so deep trees cannot exhaust the stack.
    std::vector<std::string> pending{folder};
    bool top = true;
    while (!pending.empty()) {
        const std::string current = std::move(pending.back());
        pending.pop_back();
        struct stat info {};
        const int failure = ::stat(current.c_str(), &info) != 0 ? errno
                            : S_ISDIR(info.st_mode)             ? 0
                                                                : ENOTDIR;
        if (failure != 0) {
            if (top)
                listing.error = "Cannot read the folder " + current + ": " + std::strerror(failure);
            top = false;
            continue;
        }
        if (!seen.insert({info.st_dev, info.st_ino}).second)
            continue;
        FolderEntries entries = ReadFolder(current);
        if (top && !entries.error.empty())
            listing.error = entries.error;
        top = false;
        for (const std::string& path : entries.files)
            AddFile(path, options, listing.files);
        if (options.recursive)
            for (auto it = entries.folders.rbegin(); it != entries.folders.rend(); ++it)
                pending.push_back(std::move(*it));
    }
    return listing;
}

void SortFileList(std::vector<FileRef>& files, const std::string& base) {
    if (files.size() < 2)
        return;
    std::vector<KeyParts> parts;
    parts.reserve(files.size());
    size_t folderWidth = 0, nameWidth = 0, entryFolderWidth = 0;
    for (const FileRef& file : files) {
        parts.push_back(SplitPair(file, base));
        const KeyParts& p = parts.back();
        folderWidth = std::max(folderWidth, p.folder.size());
        nameWidth = std::max(nameWidth, p.name.size());
        entryFolderWidth = std::max(entryFolderWidth, p.entryFolder.size());
    }
    size_t entryBytes = 0;
    for (const KeyParts& p : parts)
        entryBytes += p.entryName.size();
    // One long name among many files would make every padded key that long;
    // past the budget the fields are closed by a control character instead,
    // which also sorts a shorter field first.
    const size_t paddedBytes = files.size() * (folderWidth + nameWidth + entryFolderWidth);
    const bool padded = paddedBytes + entryBytes <= kKeyBudget;
    std::vector<std::string> keys;
    keys.reserve(files.size());
    for (const KeyParts& p : parts) {
        std::string key;
        if (padded) {
            key.reserve(folderWidth + nameWidth + entryFolderWidth + p.entryName.size());
            AppendPadded(key, p.folder, folderWidth);
            AppendPadded(key, p.name, nameWidth);
            AppendPadded(key, p.entryFolder, entryFolderWidth);
        } else {
            key = p.folder + '\x01' + p.name + '\x01' + p.entryFolder + '\x01';
        }
        key += p.entryName;
        keys.push_back(std::move(key));
    }
    const std::vector<size_t> order = NaturalOrder(keys);
    std::vector<FileRef> sorted;
    sorted.reserve(files.size());
    for (size_t index : order)
        sorted.push_back(std::move(files[index]));
    files = std::move(sorted);
}

} // namespace qw
