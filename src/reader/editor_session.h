#pragma once
// What the editor decides outside its window: which question Done, Apply,
// Reload and closing ask, how the book text becomes the editor's text and
// back, the line the editor opens at, and handing the edited text back to
// the book.

#include "reader/book.h"
#include "reader/find_pages.h"
#include "reader/page_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace qw {

extern const char* const kEditorCaption; // "Editor - Click Done to exit, then 'Save as' ..."

// Done: asked when the edited text differs from RawText (always while line
// breaks are removed, since WorkText then differs from RawText).
std::optional<std::string> EditorDoneQuestion(bool differsFromRawText, bool removeLineBreaks);
// Apply: the same condition, its own wording.
std::optional<std::string> EditorApplyQuestion(bool differsFromRawText, bool removeLineBreaks);
// Reload: asked when the edited text differs from WorkText.
std::optional<std::string> EditorReloadQuestion(bool differsFromWorkText);
// Cancel and closing the window: asked when no reload is pending and the
// text was modified and differs from WorkText.
std::optional<std::string> EditorCloseQuestion(bool reloadPending, bool modified,
                                               bool differsFromWorkText);

// The book text (CR LF) as the editor shows it: one '\n' between lines (a
// lone CR too, as the text control would read it).
std::string EditorTextFromBook(std::string_view bookText);
// The editor's text (one '\n', or a paragraph separator, between lines) as book text with CR LF.
std::string BookTextFromEditor(std::string_view editorText);

// The logical line (0-based) at which the editor opens: the line of the
// selection start `selectionStart` on the found side, page `page` (0 is
// the title page, which gives 0) showing `shown`.
int EditorStartLine(const Book& book, int page, const PageText& shown, PagePlace selectionStart);

// Hands the edited text (CR LF) to the book: with no book open it becomes
// "Unnamed.txt" in `baseDirectory`; the text is marked edited and becomes
// both the raw and the worked text. True when a new book was named.
bool ApplyEditedText(Book& book, std::string text, const std::string& baseDirectory);

} // namespace qw
