#pragma once
// The reader window's editor part: opens the editor window (Ctrl+E, the
// menu) at the line of the selection on the found side, marks the editor's
// copy stale whenever the reader's text changes, and takes the edited text
// back into the book (line-break removal switched off for it, then a refit).

#include "reader/ui/ReaderContext.h"

#include <QObject>

#include <functional>
#include <string>

namespace qw {

class TEditorForm;

class EditorPart : public QObject {
    Q_OBJECT
  public:
    explicit EditorPart(ReaderContext& context);

    // Closes the panels over the book before the editor opens.
    std::function<void()> closePanels;
    // The book's text was replaced (newBook: it had none and is now
    // "Unnamed.txt"): the window re-fits and re-paginates it.
    std::function<void(bool newBook)> refit;

    // Opens the editor modally; returns at once.
    void openEditor();
    // The reader's text changed (loading, closing, line-break removal).
    void markStale();
    // The editor window, made on first use; null before.
    TEditorForm* editor() const { return editor_; }
    // The logical line the editor opens at.
    int startLine() const;

  private:
    void applyText(std::string text);

    ReaderContext& context_;
    TEditorForm* editor_ = nullptr;
};

} // namespace qw
