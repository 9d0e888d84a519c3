#include "reader/book_loader.h"

#include "import/archive.h"
#include "import/plain_text.h"
#include "import/zip_archive.h"
#include "settings/book_fingerprint.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace qw {

const char* const kNoTextFound = "[No text found in this file]";
const char* const kOpenFileFilters =
    "Text files|*.txt|Zip files|*.zip|HTML files|*.htm;*.html|Rich Text files|*.rtf|"
    "Palm Doc files|*.pdb|OpenOffice/StarOffice Writer files|*.sxw|XML files|*.xml|"
    "Microsoft Word files|*.doc|Quirewell files|*.qwl|All files|*";

namespace {

const char* const kUnsavedOpen = "Edited text has not been saved!\rOpen file?";
const char* const kUnsavedClose = "Edited text has not been saved!\rClose file?";

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Guards the busy cursor: whatever path leaves a load, the cursor comes back.
class BusyGuard {
  public:
    BusyGuard(LoadHost& host, bool active) : host_(host), active_(active) {
        if (active_)
            host_.setBusy(true);
    }
    ~BusyGuard() {
        if (active_)
            host_.setBusy(false);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    LoadHost& host_;
    bool active_;
};

} // namespace

bool FileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string ResolveStartupPath(const std::string& argument) {
    if (argument.empty())
        return {};
    std::string absolute = argument;
    if (absolute[0] != '/') {
        char cwd[PATH_MAX];
        if (::getcwd(cwd, sizeof cwd) == nullptr)
            return {};
        absolute = std::string(cwd) + "/" + argument;
    }
    if (!FileExists(absolute))
        return {};
    char resolved[PATH_MAX];
    if (::realpath(absolute.c_str(), resolved) != nullptr)
        return resolved;
    return absolute;
}

BookLoader::BookLoader(Book& book, LoadHost& host, Dialogs& dialogs)
    : book_(book), host_(host), dialogs_(dialogs) {}

void BookLoader::openCommand(bool appending, const std::string& initialFolder) {
    book_.AppendMode = appending && book_.isOpen();
    if (book_.TextEdited && !book_.AppendMode && !dialogs_.askOkCancel(kUnsavedOpen)) {
        book_.AppendMode = false;
        return;
    }
    OpenFilesRequest request;
    request.title = book_.AppendMode ? "Append" : "Open";
    request.filters = kOpenFileFilters;
    request.filterIndex = kOpenFileFilterAll;
    request.initialFolder = initialFolder;
    request.multiple = true;
    const std::vector<std::string> chosen = dialogs_.chooseOpenFiles(request);
    if (!chosen.empty())
        loadFiles(chosen);
    book_.AppendMode = false;
}

bool BookLoader::loadFiles(const std::vector<std::string>& paths) {
    std::vector<FileRef> files;
    for (const std::string& path : paths) {
        if (UpperExtension(path) == ".ZIP") {
            std::vector<std::string> members = host_.archiveMembersToOpen(path);
            if (members.empty())
                reportUnreadableArchive(path);
            for (std::string& member : members)
                files.push_back({path, std::move(member)});
        } else {
            files.push_back({path, {}});
        }
    }
    return loadBatch(std::move(files));
}

bool BookLoader::loadBatch(std::vector<FileRef> files) {
    if (files.size() > 1)
        files = host_.orderFiles(std::move(files));
    if (files.empty()) {
        book_.AppendMode = false;
        return false;
    }
    book_.Pages.LeftPage = 0;
    const int count = static_cast<int>(files.size());
    for (int i = 1; i <= count; ++i) {
        const FileRef& file = files[static_cast<size_t>(i - 1)];
        const bool loaded = loadFile(file.path, file.entry, count, i);
        if (!loaded && count > 1) {
            closeBook();
            book_.AppendMode = false;
            return false;
        }
        if (loaded && count == 1)
            host_.registerLastRead(file);
        book_.AppendMode = true;
    }
    book_.AppendMode = false;
    return true;
}

void BookLoader::reportUnreadableArchive(const std::string& path) {
    // Nothing to open is also what a cancelled choice or an empty archive
    // give; only an archive that cannot be read is worth a message.
    const ArchiveListing listing = ListArchive(path, false, {});
    if (!listing.ok())
        dialogs_.error(listing.error);
}

void BookLoader::cleanupAfterFailure(int count, int index) {
    (void)count;
    (void)index;
    // The whole batch ends here or is closed by the caller: the relayout tag
    // and the caption are put back on every path, not only for the last file.
    book_.ChangeReason.clear();
    host_.updateCaption();
}

bool BookLoader::loadFile(const std::string& path, const std::string& entryIn, int count,
                          int index) {
    const std::string extension = UpperExtension(path);
    if (extension == ".ZIP" && entryIn.empty())
        return loadFiles({path});

    BusyGuard busy(host_, index == 1 || index == count);
    if (index == 1)
        book_.ChangeReason = "DateiLaden";

    std::string entry = entryIn;
    std::string conversionExtension = extension;
    // These converters deliver one line per paragraph: removal is switched
    // off for them once the file is in (a failed load changes nothing).
    bool lineBreaksAutoOff = false;
    if (IsZippedXmlDocument(extension)) { // .sxw, .odt
        entry = "content.xml";
        lineBreaksAutoOff = true;
    }

    std::string bytes;
    if (entry.empty()) {
        host_.showProgress("Opening file " + path + " ...");
        FileBytes file = ReadWholeFile(path);
        if (!file.ok()) {
            // The open book stays as it was; a placeholder book would replace it.
            dialogs_.error(file.error);
            cleanupAfterFailure(count, index);
            return false;
        }
        bytes = std::move(file.bytes);
    } else {
        host_.showProgress("Opening file [" + entry + "] from archive " + path + " ...");
        std::optional<std::string> member = host_.extractArchiveMember(path, entry);
        if (!member) {
            cleanupAfterFailure(count, index);
            return false;
        }
        bytes = std::move(*member);
        conversionExtension = UpperExtension(entry);
    }

    ImportOptions options = host_.importOptions();
    options.encoding = host_.bookEncoding(path, entry);
    std::string fingerprint = FileFingerprint(bytes);
    ConvertResult converted = ConvertToText(bytes, conversionExtension, options);
    std::string().swap(bytes);
    book_.PalmDocTitle = converted.palmDocTitle;
    for (const std::string& message : converted.messages)
        dialogs_.warning(message);
    // A failure the converter put into words is shown in place of the book;
    // one without text loads nothing.
    if (converted.failed && IsBlankText(converted.text)) {
        std::string message = entry.empty() ? "Cannot open contents of " + path + "!"
                                            : "Cannot open contents of file [" + entry +
                                                  "] from archive " + path + "!";
        if (!converted.error.empty())
            message += "\r" + converted.error;
        dialogs_.error(message);
        cleanupAfterFailure(count, index);
        return false;
    }

    book_.FileName = path;
    book_.ArchiveEntry = entryIn; // an SXW file is a book of its own, not a member

    std::string text = std::move(converted.text);
    NormalizeLineBreaksInPlace(text, false);
    if (IsBlankText(text))
        text = kNoTextFound;

    if (book_.AppendMode || count >= 2) {
        const std::string heading = entry.empty() || IsZippedXmlDocument(extension)
                                        ? " ~ " + fileNameOf(path)
                                        : " ~ [" + entry + "] from " + fileNameOf(path);
        text = heading + "\r\n\r\n\r\n" + text;
    }

    if (book_.AppendMode && !book_.RawText.empty()) {
        book_.RawText.reserve(book_.RawText.size() + 12 + text.size());
        book_.RawText += "\r\n\r\n\r\n\r\n\r\n\r\n";
        book_.RawText += text;
    } else {
        book_.RawText = std::move(text);
        // The user agreed to leave the old text when the batch began.
        book_.TextEdited = false;
    }

    // The format is the document's own: an archive member's, not the archive's.
    if (index == 1 &&
        ConvertsToParagraphLines(entryIn.empty() ? extension : UpperExtension(entryIn)))
        lineBreaksAutoOff = true;
    if (lineBreaksAutoOff) {
        book_.BreaksAutoOff = true;
        host_.switchOffLineBreakRemoval();
    } else if (index == 1 && !book_.AppendMode) {
        book_.BreaksAutoOff = false; // a new book of another type
    }
    // Only a book of its own has a Project Gutenberg frame; joined books are
    // shown whole.
    book_.Frame =
        count == 1 && !book_.AppendMode ? FindGutenbergFrame(book_.RawText) : GutenbergFrame{};
    book_.FrameSkipped = false;
    book_.Fingerprint = count == 1 && !book_.AppendMode ? std::move(fingerprint) : std::string();
    if (index == 1) {
        book_.RestoreRawText = true;
        host_.rememberOpenFolder(path);
        host_.firstFileLoaded(book_, book_.AppendMode);
    }

    if (index == count) {
        if (book_.AppendMode) {
            book_.TextEdited = true;
            book_.FileName = folderOf(path) + "Unnamed.txt";
            book_.ArchiveEntry.clear();
            host_.updateCaption();
        } else {
            book_.TextEdited = false;
        }
        host_.layOutBook(book_);
        host_.bookLoaded(book_);
        book_.ChangeReason.clear();
        host_.updateCaption();
    }
    return true;
}

bool BookLoader::openKnownFile(const std::string& path, const std::string& entry) {
    if (path.empty())
        return false;
    if (!FileExists(path)) {
        dialogs_.error("File " + path + " not found!");
        return false;
    }
    if (book_.TextEdited && !dialogs_.askOkCancel(kUnsavedOpen))
        return false;
    book_.AppendMode = false;
    if (!loadFile(path, entry, 1, 1))
        return false;
    host_.registerLastRead({path, entry});
    return true;
}

bool BookLoader::openStartupFile(const std::string& argument) {
    const std::string path = ResolveStartupPath(argument);
    if (path.empty()) {
        dialogs_.error("File " + argument + " not found!");
        return false;
    }
    book_.AppendMode = false;
    if (!loadFile(path, {}, 1, 1))
        return false;
    host_.registerLastRead({path, {}});
    return true;
}

bool BookLoader::closeBook() {
    if (book_.TextEdited && !dialogs_.askOkCancel(kUnsavedClose))
        return false;
    book_.FileName.clear();
    book_.ArchiveEntry.clear();
    book_.RawText.clear();
    book_.WorkText.clear();
    book_.Frame = GutenbergFrame{};
    book_.Fingerprint.clear();
    book_.BookLines.clear();
    book_.Pages.PageCount = 0;
    book_.Pages.LeftPage = 0;
    book_.TextEdited = false;
    host_.bookClosed(book_);
    host_.updateCaption();
    return true;
}

} // namespace qw
