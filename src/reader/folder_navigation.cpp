#include "reader/folder_navigation.h"

#include "import/archive.h"
#include "import/convert.h"
#include "import/folder_files.h"
#include "import/ignored_files.h"

namespace qw {

namespace {

const char* const kNoMoreFiles = "No more files in this directory";

bool Backward(FileDirection direction) {
    return direction == FileDirection::First || direction == FileDirection::Previous;
}

// An OpenOffice or OpenDocument text is listed with its "content.xml" but
// open as the file alone.
bool IsOpenBook(const FileRef& file, const FileRef& current) {
    if (file.path != current.path)
        return false;
    return file.entry == current.entry || IsZippedXmlDocument(UpperExtension(file.path));
}

bool IsValid(const FileRef& file, const std::vector<std::string>& patterns) {
    if (IsZippedXmlDocument(UpperExtension(file.path)))
        return true;
    if (file.isMember())
        return !IsIgnoredFile(file.entry, true, patterns);
    const size_t slash = file.path.find_last_of('/');
    const std::string name = slash == std::string::npos ? file.path : file.path.substr(slash + 1);
    return !IsIgnoredFile(name, false, patterns);
}

FileStep Message(std::string text) {
    return FileStep{{}, std::move(text)};
}

} // namespace

std::string FolderOfPath(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

FileStep ChooseFolderFile(const std::vector<FileRef>& files, const FileRef& current,
                          FileDirection direction,
                          const std::vector<std::string>& ignoredPatterns) {
    const bool bookOpen = !current.path.empty();
    if (!bookOpen)
        direction = FileDirection::First;
    if (files.size() < 2)
        return Message(kNoMoreFiles);
    if (bookOpen && Backward(direction) && IsOpenBook(files.front(), current))
        return Message("This is the first file in the current directory");
    if (bookOpen && !Backward(direction) && IsOpenBook(files.back(), current))
        return Message("This is the last file in the current directory");

    bool currentFound = false;
    const FileRef* target = nullptr;
    const FileRef* lastValid = nullptr;
    for (const FileRef& file : files) {
        if (bookOpen && IsOpenBook(file, current)) {
            currentFound = true;
            if (Backward(direction))
                break;
            continue;
        }
        if (!IsValid(file, ignoredPatterns))
            continue;
        lastValid = &file;
        if (direction == FileDirection::First) {
            target = &file;
            break;
        }
        if (direction == FileDirection::Previous) {
            target = &file;
        } else if (currentFound) {
            target = &file;
            if (direction == FileDirection::Next)
                break;
        }
    }
    if (!currentFound && (direction == FileDirection::Previous || direction == FileDirection::Next))
        return Message("Current file " + current.path + " not found");
    // A book that is not in the folder (a joined book, "Unnamed.txt") has
    // nothing after it: "Last" is then simply the last file, as "First" is
    // the first.
    if (!currentFound && direction == FileDirection::Last)
        target = lastValid;
    if (target == nullptr)
        return Message(Backward(direction)
                           ? "This is the first valid file in the current directory"
                           : "This is the last valid file in the current directory");
    FileStep step{*target, {}};
    if (IsZippedXmlDocument(UpperExtension(step.target.path)))
        step.target.entry.clear();
    return step;
}

FileStep StepThroughFolder(const std::string& folder, const FileRef& current,
                           FileDirection direction,
                           const std::vector<std::string>& ignoredPatterns) {
    FolderListOptions options;
    options.ignoredPatterns = ignoredPatterns;
    FolderListing listing = ListFolderFiles(folder, options);
    if (!listing.ok())
        return Message(listing.error);
    SortFileList(listing.files, folder);
    return ChooseFolderFile(listing.files, current, direction, ignoredPatterns);
}

} // namespace qw
