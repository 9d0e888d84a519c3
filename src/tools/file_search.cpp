#include "tools/file_search.h"

#include "import/archive.h"
#include "import/folder_files.h"
#include "import/ignored_files.h"
#include "import/plain_text.h"
#include "import/read_file.h"
#include "import/zip_archive.h"
#include "tools/text_match.h"

#include <algorithm>
#include <dirent.h>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace qw {

namespace {

class FolderWalk {
  public:
    FolderWalk(const ImportOptions& options, bool subfolders,
               const std::function<bool()>& keepGoing)
        : options_(options), subfolders_(subfolders), keepGoing_(keepGoing) {}

    void list(const std::string& absolute, const std::string& relative) {
        if (keepGoing_ && !keepGoing_())
            return;
        struct stat info {};
        if (::stat(absolute.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            return;
        // A folder met again (a link back up the tree) is not listed twice.
        if (!visited_.insert({info.st_dev, info.st_ino}).second)
            return;
        DIR* dir = ::opendir(absolute.c_str());
        if (dir == nullptr)
            return; // not readable
        std::vector<std::string> folders;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            struct stat item {};
            if (::fstatat(::dirfd(dir), entry->d_name, &item, 0) != 0)
                continue; // a dangling link, or gone meanwhile
            if (S_ISDIR(item.st_mode)) {
                folders.push_back(name);
            } else if (S_ISREG(item.st_mode)) {
                addFile(absolute + name, relative + name, name);
            }
        }
        ::closedir(dir);
        if (!subfolders_)
            return;
        for (const std::string& name : folders)
            list(absolute + name + "/", relative + name + "/");
    }

    std::vector<FileRef> files;

  private:
    void addFile(const std::string& absolute, const std::string& relative,
                 const std::string& name) {
        const std::string extension = UpperExtension(name);
        if (extension == ".ZIP") {
            // An archive that cannot be read lists nothing.
            for (std::string& member : ListArchive(absolute, true, options_.ignoredFiles).entries)
                files.push_back({relative, std::move(member)});
            return;
        }
        // OpenOffice and OpenDocument texts open as documents of their own.
        if (!IsZippedXmlDocument(extension) && IsIgnoredFile(name, false, options_.ignoredFiles))
            return;
        files.push_back({relative, {}});
    }

    const ImportOptions& options_;
    bool subfolders_;
    const std::function<bool()>& keepGoing_;
    std::set<std::pair<dev_t, ino_t>> visited_;
};

} // namespace

std::vector<FileRef> ListSearchFiles(const std::string& folder, bool subfolders,
                                     const ImportOptions& options,
                                     const std::function<bool()>& keepGoing) {
    std::string root = folder;
    if (root.empty() || root.back() != '/')
        root += '/';
    FolderWalk walk(options, subfolders, keepGoing);
    walk.list(root, {});
    return std::move(walk.files);
}

std::optional<std::string> TextAsLoaded(const FileRef& file, ImportOptions options,
                                        const std::string& encoding) {
    // The steps of the reader's loading flow, without its messages.
    const std::string extension = UpperExtension(file.path);
    std::string entry = file.entry;
    if (IsZippedXmlDocument(extension))
        entry = "content.xml";
    std::string bytes;
    std::string conversionExtension = extension;
    if (entry.empty()) {
        FileBytes read = ReadWholeFile(file.path);
        if (!read.ok())
            return std::nullopt;
        bytes = std::move(read.bytes);
    } else {
        ArchiveEntryBytes member = ExtractArchiveEntry(file.path, entry);
        if (!member.ok())
            return std::nullopt;
        bytes = std::move(member.bytes);
        conversionExtension = UpperExtension(entry);
    }
    options.encoding = encoding.empty() ? "Auto" : encoding;
    ConvertResult converted = ConvertToText(bytes, conversionExtension, options);
    std::string().swap(bytes);
    if (converted.failed && IsBlankText(converted.text))
        return std::nullopt;
    NormalizeLineBreaksInPlace(converted.text, false);
    return std::move(converted.text);
}

FileSearchEnd SearchFiles(const FileSearchRequest& request, FileSearchObserver& observer) {
    const std::optional<TextMatch> match = TextMatch::Make(request.phrase, request.caseSensitive);
    const std::function<bool()> keepGoing = [&observer] { return observer.keepGoing(); };
    std::vector<FileRef> files =
        ListSearchFiles(request.folder, request.subfolders, request.options, keepGoing);
    if (!observer.keepGoing())
        return FileSearchEnd::Stopped;
    if (files.empty())
        return FileSearchEnd::NoFiles;
    SortFileList(files);
    const int count = static_cast<int>(files.size());
    observer.listed(count);
    std::string root = request.folder;
    if (root.empty() || root.back() != '/')
        root += '/';
    for (int i = 0; i < count && match; ++i) {
        if (!observer.keepGoing())
            return FileSearchEnd::Stopped;
        const FileRef& file = files[static_cast<std::size_t>(i)];
        if (file.isMember() && IsIgnoredFile(file.entry, true, request.options.ignoredFiles))
            continue;
        observer.searching(i + 1, count, file);
        const FileRef absolute{root + file.path, file.entry};
        const std::string entry =
            IsZippedXmlDocument(UpperExtension(file.path)) ? "content.xml" : file.entry;
        const std::string encoding =
            request.encodingOf ? request.encodingOf(absolute.path, entry) : "Auto";
        const std::optional<std::string> text = TextAsLoaded(absolute, request.options, encoding);
        if (!observer.keepGoing())
            return FileSearchEnd::Stopped;
        if (!text)
            continue; // not readable or not convertible: no match
        const MatchEnd end = match->findIn(*text, keepGoing);
        if (end == MatchEnd::Stopped)
            return FileSearchEnd::Stopped;
        if (end == MatchEnd::Found)
            observer.found(file);
    }
    return FileSearchEnd::Done;
}

} // namespace qw
