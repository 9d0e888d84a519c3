#pragma once
// Find in files: the files of a folder (and its subfolders), the members of
// the ZIP archives among them, each converted to text as the reader loads
// it and tested with the text match. Files and folders that cannot be read,
// folders reached again through a symbolic link, archives that cannot be
// listed and members that cannot be extracted are passed over.

#include "import/convert.h"
#include "import/file_ref.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qw {

// The files of `folder` (ending in "/") as pairs relative to it: a ZIP
// archive gives one pair per member (ignored members left out), an
// OpenOffice or OpenDocument text is one document, files the ignored-files
// rules name are left out. With `subfolders`, each folder's subfolders
// follow its own files, depth first. Only regular files are listed (a pipe
// would never end). keepGoing (may be empty) is asked per folder.
std::vector<FileRef> ListSearchFiles(const std::string& folder, bool subfolders,
                                     const ImportOptions& options,
                                     const std::function<bool()>& keepGoing = {});

// The text of a file or archive member as the reader loads it: read whole
// (or extracted), converted by the extension of the file (or member), line
// breaks made CR LF. Nothing when it cannot be read or converted.
// `encoding` is the book's "Encoding" for plain texts.
std::optional<std::string> TextAsLoaded(const FileRef& file, ImportOptions options,
                                        const std::string& encoding = "Auto");

struct FileSearchRequest {
    std::string folder; // ends in "/"
    std::string phrase;
    bool caseSensitive = false;
    bool subfolders = false;
    ImportOptions options;
    // The book's "Encoding" of a file or member (absolute path); empty: "Auto".
    std::function<std::string(const std::string& path, const std::string& entry)> encodingOf;
};

// What a search tells as it goes; called on the thread that searches.
class FileSearchObserver {
  public:
    virtual ~FileSearchObserver() = default;
    // False ends the search; asked between files, between the steps of one
    // file and between slices of a large text.
    virtual bool keepGoing() = 0;
    // The listing is done: `count` pairs will be searched.
    virtual void listed(int count) { (void)count; }
    // File `index` (1-based) of `count` is being searched (relative pair).
    virtual void searching(int index, int count, const FileRef& file) {
        (void)index;
        (void)count;
        (void)file;
    }
    // The file holds the text (relative pair).
    virtual void found(const FileRef& file) = 0;
};

enum class FileSearchEnd { Done, NoFiles, Stopped };

FileSearchEnd SearchFiles(const FileSearchRequest& request, FileSearchObserver& observer);

} // namespace qw
