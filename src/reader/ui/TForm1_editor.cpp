// The reader window's wiring of the editor: the part and
// what the window does when the edited text comes back.

#include "reader/ui/TForm1.h"

#include "reader/ui/EditorPart.h"
#include "reader/ui/LayoutPart.h"
#include "reader/ui/RecordsPart.h"

namespace qw {

void TForm1::setUpEditor() {
    editor_ = new EditorPart(*context_);
    editor_->closePanels = [this] { closePanels(); };
    editor_->refit = [this](bool newBook) {
        if (newBook)
            layout_->recomputeLinesPerPage();
        records_->updateTitlePage();
        layout_->fitLines();
        syncMenuPanel();
        UpdateCaption();
    };
    connect(layout_, &LayoutPart::workTextReplaced, editor_, &EditorPart::markStale);
}

} // namespace qw
