#pragma once
// The last read file, the ten recent files and the ten favourites (files, or
// folders ending in "/"), and the base folder that shortens their shown
// names. The lists are read from the configuration every time, never kept:
// another running copy's entries come in when the file is merged on a write.
//
//   RecentFiles recent(config.file);
//   recent.registerLastRead(FileRef{path, member}, rules, programDir);
//   for (const std::string& path : recent.list(PathList::Recent)) ...

#include "import/file_ref.h"
#include "settings/book_record.h"
#include "settings/config_file.h"

#include <string>
#include <vector>

namespace qw {

enum class PathList { Recent, Favorite };

// What a list box shows of a full path: the shown name and the hidden prefix
// in front of it (full path = prefix + name).
struct DisplayName {
    std::string name;
    std::string prefix;
    bool operator==(const DisplayName& o) const { return name == o.name && prefix == o.prefix; }
};

// With hideFilePaths a file shows its bare name; otherwise (and for folders,
// which end in "/") a path under the base folder shows relative to it.
DisplayName SplitDisplayName(const std::string& fullPath, bool hideFilePaths,
                             const std::string& baseDirectory);

// The list with entry on top: moved there if present (exactly equal), else
// inserted, the last one dropping out beyond limit.
std::vector<std::string> MoveToTop(std::vector<std::string> list, const std::string& entry,
                                   size_t limit);

// The folder part of a path, with its trailing "/"; empty without one.
std::string FolderOf(const std::string& path);

class RecentFiles {
  public:
    explicit RecentFiles(ConfigFile& config) : config_(config) {}

    // The entries as the configuration holds them now, newest first.
    std::vector<std::string> list(PathList which) const;
    FileRef lastReadFile() const;
    std::string baseDirectory() const; // ends in "/" or empty

    // After a single file was opened (or saved): it becomes the last read
    // file and goes to the top of the recent list; the base folder is set
    // when there is none. Books that get no record are not registered
    // (false).
    bool registerLastRead(const FileRef& file, const RecordRules& rules,
                          const std::string& programDir);
    // The book was closed: no last read file any more.
    void forgetLastRead();
    // What the right click on "Recent" opens: the last read file (an archive
    // without its member, so the member can be chosen), else the newest
    // recent entry; empty when there is none.
    std::string latestToOpen() const;

    void addFavorite(const std::string& path);
    // Removes the entry with this full path; false when the list lacks it.
    bool removeEntry(PathList which, const std::string& path);
    // Sets the base folder (a "/" is added) and stores it.
    void setBaseDirectory(std::string dir);

    // The hint of the "Recent" button.
    std::string recentButtonHint() const;
    static const char* startupHint();

  private:
    void writeList(PathList which, const std::vector<std::string>& entries);

    ConfigFile& config_;
};

} // namespace qw
