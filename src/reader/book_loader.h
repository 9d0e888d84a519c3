#pragma once
// The loading flow: opening one or several files (also archive members),
// appending, reloading and closing. The window supplies what the flow needs
// from the screen and from the later stages through LoadHost.

#include "controls/dialogs.h"
#include "import/convert.h"
#include "import/read_file.h"
#include "reader/book.h"

#include <optional>
#include <string>
#include <vector>

namespace qw {

extern const char* const kNoTextFound;
extern const char* const kOpenFileFilters;
constexpr int kOpenFileFilterAll = 10;

class LoadHost {
  public:
    virtual ~LoadHost() = default;

    // Progress text for the window caption ("Opening file ...").
    virtual void showProgress(const std::string& caption) = 0;
    virtual void setBusy(bool busy) = 0;

    // The members of a ZIP archive to load, in order, after the listing and
    // the archive contents dialog; empty when nothing is to be opened.
    virtual std::vector<std::string> archiveMembersToOpen(const std::string& archivePath) = 0;
    // The bytes of one member; nothing when extraction failed (the host has
    // already told the user).
    virtual std::optional<std::string> extractArchiveMember(const std::string& archivePath,
                                                            const std::string& entry) = 0;
    // The file ordering dialog for a batch of several files; it may reorder
    // or drop entries.
    virtual std::vector<FileRef> orderFiles(std::vector<FileRef> files) { return files; }

    virtual ImportOptions importOptions() = 0;
    // The book record's "Encoding" for a file or archive member.
    virtual std::string bookEncoding(const std::string& path, const std::string& entry) {
        (void)path;
        (void)entry;
        return "Auto";
    }
    // "Remove single line breaks" switched off for HTML, RTF, Word and SXW.
    virtual void switchOffLineBreakRemoval() = 0;

    // The first file of a batch is in: clear pages, enable navigation and,
    // unless appending, read the book's record and reset the page history.
    virtual void firstFileLoaded(Book& book, bool appending) = 0;
    // The last file of the batch is in: lay the book out (fitting, pages).
    virtual void layOutBook(Book& book) = 0;
    // The last file of the batch is in and laid out: record "Last opened",
    // file facts, menu buttons.
    virtual void bookLoaded(Book& book) = 0;
    virtual void registerLastRead(const FileRef& file) = 0;
    // The book was closed: forget the last read file, load the "Default"
    // settings, show the empty pages.
    virtual void bookClosed(Book& book) = 0;
    virtual void updateCaption() = 0;
    // The folder and name the open dialog starts with next time.
    virtual void rememberOpenFolder(const std::string& path) { (void)path; }
};

class BookLoader {
  public:
    BookLoader(Book& book, LoadHost& host, Dialogs& dialogs);

    // Open (appending = false) or Append: asks for files and loads them.
    void openCommand(bool appending, const std::string& initialFolder = {});
    // Opens a batch in order; false when the batch was abandoned.
    bool loadFiles(const std::vector<std::string>& paths);
    // Loads one file or archive member as file `index` (1-based) of `count`.
    bool loadFile(const std::string& path, const std::string& entry, int count, int index);
    // Recent list, favourites, start-up and F5.
    bool openKnownFile(const std::string& path, const std::string& entry);
    // The file named on the command line, made absolute and canonical.
    bool openStartupFile(const std::string& argument);
    // False when the user kept the edited book open.
    bool closeBook();

  private:
    bool loadBatch(std::vector<FileRef> files);
    void cleanupAfterFailure(int count, int index);
    void reportUnreadableArchive(const std::string& path);

    Book& book_;
    LoadHost& host_;
    Dialogs& dialogs_;
};

// The start-up argument as an absolute, canonical path (relative to the
// working directory); empty when no such file exists.
std::string ResolveStartupPath(const std::string& argument);

bool FileExists(const std::string& path);

} // namespace qw
