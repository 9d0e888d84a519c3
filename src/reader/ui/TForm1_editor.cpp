// The reader window's wiring of the editor: the part, its menu entry, and
// what the window does when the edited text comes back.

#include "reader/ui/TForm1.h"

#include "reader/ui/EditorPart.h"
#include "reader/ui/LayoutPart.h"
#include "reader/ui/RecordsPart.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace qw {

void TForm1::setUpEditor() {
    editor_ = new EditorPart(*context_);
    editor_->closePanels = [this] { closePanels(); };
    editor_->refit = [this](bool newBook) {
        if (newBook) {
            Append->setEnabled(true);
            Speichern->setEnabled(true);
            Schliessen->setEnabled(true);
            layout_->recomputeLinesPerPage();
        }
        records_->updateTitlePage();
        layout_->fitLines();
        syncOptionsWindow();
        UpdateCaption();
    };
    connect(layout_, &LayoutPart::workTextReplaced, editor_, &EditorPart::markStale);

    QAction* edit = new QAction(tr("&Editor...") + QStringLiteral("\t") + tr("Ctrl+E"), this);
    edit->setObjectName(QStringLiteral("Bearbeiten"));
    MenuButton->menu()->insertAction(OptionsAction, edit);
    connect(edit, &QAction::triggered, this, [this] { runCommand({Command::Edit}); });
}

} // namespace qw
