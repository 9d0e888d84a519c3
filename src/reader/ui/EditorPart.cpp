#include "reader/ui/EditorPart.h"

#include "reader/book.h"
#include "reader/editor_session.h"
#include "reader/find_pages.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TEditorForm.h"
#include "settings/configuration.h"

#include <QDir>

namespace qw {

EditorPart::EditorPart(ReaderContext& context) : QObject(&context.window), context_(context) {}

void EditorPart::openEditor() {
    if (closePanels)
        closePanels();
    if (editor_ == nullptr) {
        editor_ =
            new TEditorForm(context_.config, context_.dialogs, context_.book, &context_.window);
        editor_->applyText = [this](std::string text) { applyText(std::move(text)); };
        editor_->bookFont = [this] { return context_.pages.pageFont(); };
    }
    editor_->openAt(startLine());
}

void EditorPart::markStale() {
    if (editor_ != nullptr)
        editor_->setReloadNeeded();
}

int EditorPart::startLine() const {
    const Book& book = context_.book;
    if (!book.isOpen())
        return 0;
    const PageArea& pages = context_.pages;
    const bool right = pages.activePage() == pages.rightPage();
    const PageText& shown = right ? pages.rightText() : pages.leftText();
    const PageView* side = right ? pages.rightPage() : pages.leftPage();
    return EditorStartLine(book, book.Pages.LeftPage + (right ? 1 : 0), shown,
                           ControlPlace(shown.text, side->selectionStart()));
}

void EditorPart::applyText(std::string text) {
    // Nothing typed without a book: no empty "Unnamed.txt" is made.
    if (!context_.book.isOpen() && text.empty())
        return;
    Configuration& config = context_.config;
    std::string base = config.settings.BaseDirectory();
    if (base.empty())
        base = QDir::homePath().toStdString();
    const bool newBook = ApplyEditedText(context_.book, std::move(text), base);
    // Breaks the removal took out stay out; the book is not joined again.
    // The refit writes the book's record with the option off.
    config.state.book.removeLineBreaks = false;
    if (refit)
        refit(newBook);
}

} // namespace qw
