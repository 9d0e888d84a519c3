#include "reader/editor_session.h"

#include "reader/fit_lines.h"

#include <algorithm>

namespace qw {

const char* const kEditorCaption =
    "Editor - Click Done to exit, then 'Save as' to save your changes in a file";

namespace {

const char* const kRemovedNote = "(Single line breaks will be permanently removed)";

} // namespace

std::optional<std::string> EditorDoneQuestion(bool differsFromRawText, bool removeLineBreaks) {
    if (!differsFromRawText)
        return std::nullopt;
    std::string text = "Close the editor and apply the text modifications?";
    if (removeLineBreaks)
        text = text + "\r\n" + kRemovedNote;
    return text;
}

std::optional<std::string> EditorApplyQuestion(bool differsFromRawText, bool removeLineBreaks) {
    if (!differsFromRawText)
        return std::nullopt;
    std::string text = "Apply text modifications?";
    if (removeLineBreaks)
        text = text + " " + kRemovedNote;
    return text;
}

std::optional<std::string> EditorReloadQuestion(bool differsFromWorkText) {
    if (!differsFromWorkText)
        return std::nullopt;
    return std::string("Reload text and discard changes?");
}

std::optional<std::string> EditorCloseQuestion(bool reloadPending, bool modified,
                                               bool differsFromWorkText) {
    if (reloadPending || !modified || !differsFromWorkText)
        return std::nullopt;
    return std::string("Close editor and discard changes?");
}

std::string EditorTextFromBook(std::string_view bookText) {
    std::string out;
    out.reserve(bookText.size());
    for (std::size_t i = 0; i < bookText.size(); ++i) {
        const char c = bookText[i];
        if (c == '\r') {
            out.push_back('\n');
            if (i + 1 < bookText.size() && bookText[i + 1] == '\n')
                ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string BookTextFromEditor(std::string_view editorText) {
    static constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9"; // U+2029
    std::string out;
    out.reserve(editorText.size() + editorText.size() / 32);
    for (std::size_t i = 0; i < editorText.size(); ++i) {
        if (editorText[i] == '\n') {
            out += "\r\n";
        } else if (editorText.compare(i, kParagraphSeparator.size(), kParagraphSeparator) == 0) {
            out += "\r\n";
            i += kParagraphSeparator.size() - 1;
        } else {
            out.push_back(editorText[i]);
        }
    }
    return out;
}

int EditorStartLine(const Book& book, int page, const PageText& shown, PagePlace selectionStart) {
    if (page < 1 || book.LineCount < 1)
        return 0;
    const int linesPerPage = std::max(1, book.Pages.LinesPerPage);
    const int line =
        std::min(SearchStartOf(page, linesPerPage, shown, selectionStart).line, book.LineCount);
    const std::optional<DisplayLinePlace> place = FindDisplayLine(book, line);
    return place ? static_cast<int>(place->logicalLine) : 0;
}

bool ApplyEditedText(Book& book, std::string text, const std::string& baseDirectory) {
    const bool newBook = !book.isOpen();
    if (newBook) {
        std::string folder = baseDirectory;
        if (!folder.empty() && folder.back() != '/')
            folder += '/';
        book.FileName = folder + "Unnamed.txt";
        book.ArchiveEntry.clear();
    }
    book.TextEdited = true;
    book.WorkText = std::move(text);
    book.RawText = book.WorkText;
    return newBook;
}

} // namespace qw
