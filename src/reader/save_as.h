#pragma once
// Save as: writes the open book (all joined files, possibly edited) to a new
// file, as plain text or, for a name ending in ".pdb", as a Palm DOC
// database; afterwards the saved file is the open book.

#include "controls/dialogs.h"
#include "reader/book.h"

#include <string>
#include <string_view>

namespace qw {

extern const char* const kSaveDialogTitle; // "Save as ..."
extern const char* const kSaveFileFilters; // "Quirewell files|*.qwl|Text files|*.txt|..."
constexpr int kSaveFilterText = 2;         // "Text files" is preselected
constexpr int kSaveFilterTextCp1252 = 5;   // "Text, Windows-1252" for old devices
extern const char* const kSaveWithoutBreaksQuestion;
extern const char* const kSavedWithoutBreaksInfo;
extern const char* const kPalmTitleCaption; // "Palm Doc title"
extern const char* const kPalmTitlePrompt;  // "Title of the Palm Doc file (max. 31 characters)"

// What Save as needs from the reader window.
class SaveHost {
  public:
    virtual ~SaveHost() = default;
    // Close the menu and help panels.
    virtual void closePanels() {}
    // "Remove single line breaks" is checked.
    virtual bool removeLineBreaksChecked() = 0;
    // Uncheck "Remove single line breaks" without running its own handler.
    virtual void uncheckLineBreakRemoval() = 0;
    // The book title field (UTF-8), empty when the book has none.
    virtual std::string bookTitle() = 0;
    virtual void showProgress(const std::string& caption) = 0;
    virtual void addRecentFile(const FileRef& file) = 0;
    // The book is saved under its new name: caption, file information
    // labels and the book record under that name.
    virtual void bookSaved(const Book& book) = 0;
    // Recompose the caption (after a failed write).
    virtual void updateCaption() = 0;
};

enum class SaveOutcome { NothingToSave, Cancelled, Saved, WriteFailed };

// The command (menu button and Ctrl+S). Every cancel leaves the book
// untouched. When the write fails the user is told, the book keeps its new
// name and stays marked as edited, so that closing still asks.
SaveOutcome SaveAs(Book& book, SaveHost& host, Dialogs& dialogs);

// Creates or replaces the file with the bytes, through a temporary file and
// a rename; on failure shows "Error saving this file - (disk full?)".
bool WriteTextFile(const std::string& path, std::string_view bytes, Dialogs& dialogs);

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(std::string_view utf8, size_t count);

} // namespace qw
