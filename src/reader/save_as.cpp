#include "reader/save_as.h"

#include "import/convert.h"
#include "import/cp1252.h"
#include "import/palm_doc.h"
#include "import/palm_doc_writer.h"

#include <sys/stat.h>

namespace qw {

const char* const kSaveDialogTitle = "Save as ...";
const char* const kSaveFileFilters =
    "Quirewell files|*.qwl|Text files|*.txt|Palm Doc files|*.pdb|All files|*|"
    "Text, Windows-1252|*.txt";
const char* const kSaveWithoutBreaksQuestion =
    "The 'Remove line breaks' option is currently active.\rWould you like to save the text "
    "without single line breaks?";
const char* const kSavedWithoutBreaksInfo =
    "The text has been saved without single line breaks, and the\r'Remove single line breaks' "
    "option has been deactivated.";
const char* const kPalmTitleCaption = "Palm Doc title";
const char* const kPalmTitlePrompt = "Title of the Palm Doc file (max. 31 characters)";

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// The name after the last "/", without its extension.
std::string BareName(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos)
        name = name.substr(0, dot);
    return std::string(name);
}

bool HasExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
}

bool PathExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string FirstCharacters(std::string_view utf8, size_t count) {
    size_t at = 0;
    for (size_t n = 0; n < count && at < utf8.size(); ++n) {
        char32_t ignored = 0;
        size_t length = 1;
        if (!DecodeUtf8(utf8, at, ignored, length))
            length = 1;
        at += length;
    }
    return std::string(utf8.substr(0, at));
}

bool WriteTextFile(const std::string& path, std::string_view bytes, Dialogs& dialogs) {
    if (ReplaceFileContents(path, bytes).ok)
        return true;
    dialogs.error(kSaveFailed);
    return false;
}

SaveOutcome SaveAs(Book& book, SaveHost& host, Dialogs& dialogs) {
    if (!book.isOpen())
        return SaveOutcome::NothingToSave;
    host.closePanels();

    SaveFileRequest request;
    request.title = kSaveDialogTitle;
    request.filters = kSaveFileFilters;
    request.filterIndex = kSaveFilterText;
    request.initialFolder = FolderOf(book.FileName);
    request.defaultName = BareName(book.ArchiveEntry.empty() ? book.FileName : book.ArchiveEntry);
    const std::optional<SaveFileChoice> choice = dialogs.chooseSaveFile(request);
    if (!choice || choice->path.empty())
        return SaveOutcome::Cancelled;
    std::string path = choice->path;
    if (!HasExtension(path))
        path += ".txt";

    if (PathExists(path) && !dialogs.askOkCancel("File " + path + " already exists! Overwrite?"))
        return SaveOutcome::Cancelled;

    const bool withoutBreaks =
        host.removeLineBreaksChecked() && dialogs.askYesNo(kSaveWithoutBreaksQuestion);

    const bool palmDoc = UpperExtension(path) == ".PDB";
    std::string title;
    if (palmDoc) {
        std::string proposal = host.bookTitle();
        if (proposal.empty())
            proposal = BareName(path);
        const std::optional<std::string> typed = dialogs.inputLine(
            {kPalmTitlePrompt, kPalmTitleCaption, FirstCharacters(proposal, kPalmDocMaxTitle),
             static_cast<int>(kPalmDocMaxTitle)});
        if (!typed)
            return SaveOutcome::Cancelled;
        title = Utf8ToCp1252(FirstCharacters(*typed, kPalmDocMaxTitle));
    }

    book.FileName = path;
    book.ArchiveEntry.clear();
    book.Fingerprint.clear(); // the saved file is another one
    host.showProgress("Saving file " + book.FileName + " ...");
    if (withoutBreaks) {
        // The Project Gutenberg header and licence stay in the saved text.
        if (book.FrameSkipped)
            book.RawText = book.RawText.substr(0, book.Frame.bodyBegin) + book.WorkText +
                           book.RawText.substr(book.Frame.bodyEnd);
        else
            book.RawText = book.WorkText;
        if (book.Frame.found)
            book.Frame = FindGutenbergFrame(book.RawText);
    }

    // Text is written as UTF-8; Palm DOC and the "Text, Windows-1252" choice
    // for old devices in Windows-1252, saying how many characters it lacks.
    const bool cp1252 = palmDoc || choice->filterIndex == kSaveFilterTextCp1252;
    size_t lost = 0;
    const std::string cp1252Text = cp1252 ? Utf8ToCp1252(book.RawText, lost) : std::string();
    if (lost > 0)
        dialogs.warning(std::to_string(lost) +
                        " characters of the text are not in Windows-1252 and are saved as \"?\".");
    bool written = false;
    if (palmDoc) {
        written = WritePalmDoc(path, cp1252Text, title).ok;
        if (!written)
            dialogs.error(kSaveFailed);
    } else {
        written = WriteTextFile(path, cp1252 ? cp1252Text : book.RawText, dialogs);
    }
    if (!written) {
        // The text is on no disk under this name: closing must still ask.
        book.TextEdited = true;
        host.updateCaption();
        return SaveOutcome::WriteFailed;
    }

    host.addRecentFile({book.FileName, {}});
    if (withoutBreaks) {
        host.uncheckLineBreakRemoval();
        dialogs.information(kSavedWithoutBreaksInfo);
    }
    book.TextEdited = false;
    host.bookSaved(book);
    return SaveOutcome::Saved;
}

} // namespace qw
