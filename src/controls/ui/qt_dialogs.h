#pragma once
// The Dialogs interface on Qt's message boxes, input dialog and file dialogs.

#include "controls/dialogs.h"

#include <QStringList>

class QWidget;

namespace qw {

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void information(const std::string& text) override;
    void warning(const std::string& text) override;
    void error(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    bool askOkCancel(const std::string& text) override;
    Choice askChoice(const std::string& text, const std::vector<Choice>& buttons) override;
    std::optional<std::string> inputLine(const InputLineRequest& request) override;
    std::vector<std::string> chooseOpenFiles(const OpenFilesRequest& request) override;
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) override;
    std::string chooseFolder(const std::string& title, const std::string& initial) override;

  private:
    QWidget* parent_;
};

// "Text files|*.txt|All files|*" as Qt name filters ("Text files (*.txt)").
QStringList ToQtNameFilters(const std::string& filters);
// A message text for display: "\r" and CR LF become line breaks.
QString MessageText(const std::string& text);

} // namespace qw
