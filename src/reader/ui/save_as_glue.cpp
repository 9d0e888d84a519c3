#include "reader/ui/save_as_glue.h"

#include <QString>
#include <QWidget>

namespace qw {

WindowSaveHost::WindowSaveHost(QWidget& window, bool& removeLineBreaks,
                               std::function<void()> updateCaption)
    : window_(window), removeLineBreaks_(removeLineBreaks),
      updateCaption_(std::move(updateCaption)) {}

void WindowSaveHost::closePanels() {
    if (closeMenuPanels)
        closeMenuPanels();
}

std::string WindowSaveHost::bookTitle() {
    return titleField ? titleField() : std::string();
}

void WindowSaveHost::showProgress(const std::string& caption) {
    window_.setWindowTitle(QString::fromStdString(caption));
}

void WindowSaveHost::addRecentFile(const FileRef& file) {
    if (addRecent)
        addRecent(file);
}

void WindowSaveHost::bookSaved(const Book& book) {
    updateCaption();
    if (writeBookRecord)
        writeBookRecord(book);
}

void WindowSaveHost::updateCaption() {
    if (updateCaption_)
        updateCaption_();
}

} // namespace qw
