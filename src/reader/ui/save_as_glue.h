#pragma once
// What Save as needs from the reader window, for the window to hand over.

#include "reader/save_as.h"

#include <functional>
#include <string>

class QWidget;

namespace qw {

class WindowSaveHost : public SaveHost {
  public:
    // removeLineBreaks: the window's "Remove single line breaks" state.
    WindowSaveHost(QWidget& window, bool& removeLineBreaks, std::function<void()> updateCaption);

    // Filled in by the window where it keeps these things; unset they do
    // nothing (no title, no recent list, no book record).
    std::function<std::string()> titleField;
    std::function<void(const FileRef&)> addRecent;
    std::function<void(const Book&)> writeBookRecord;
    std::function<void()> closeMenuPanels;

    void closePanels() override;
    bool removeLineBreaksChecked() override { return removeLineBreaks_; }
    void uncheckLineBreakRemoval() override { removeLineBreaks_ = false; }
    std::string bookTitle() override;
    void showProgress(const std::string& caption) override;
    void addRecentFile(const FileRef& file) override;
    void bookSaved(const Book& book) override;
    void updateCaption() override;

  private:
    QWidget& window_;
    bool& removeLineBreaks_;
    std::function<void()> updateCaption_;
};

} // namespace qw
