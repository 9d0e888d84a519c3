#include "import/ui/browse_for_folder.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace qw {

std::string BrowseForFolder(QWidget* owner, const std::string& title,
                            const std::string& initialFolder) {
    QFileDialog dialog(owner, QString::fromStdString(title), QString::fromStdString(initialFolder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Qt's own dialog, so that it can be placed as wanted.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (const QWidget* over = QApplication::activeWindow()) {
        const QRect frame = over->frameGeometry();
        dialog.move(frame.left() + (frame.width() - dialog.width()) / 2, frame.top() + 50);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

} // namespace qw
