#pragma once
// The one interface through which the program asks and tells the user things:
// message boxes, confirmations, the single-line input and the file choosers.
// The application installs the Qt implementation; tests use ScriptedDialogs.
// Texts are UTF-8; a "\r" or CR LF inside a message is a line break.

#include <optional>
#include <string>
#include <vector>

namespace qw {

struct OpenFilesRequest {
    std::string title;   // "Open" or "Append"
    std::string filters; // "Text files|*.txt|All files|*" pairs
    int filterIndex = 1; // 1-based filter preselected
    std::string initialFolder;
    std::string defaultName;
    bool multiple = true;
};

struct SaveFileRequest {
    std::string title;
    std::string filters;
    int filterIndex = 1;
    std::string initialFolder;
    std::string defaultName;
};

// A single-line input: the prompt, the title and the prefilled value.
struct InputLineRequest {
    std::string prompt;
    std::string title;
    std::string value;
    int maxLength = 0; // 0: unlimited
    // The value is shown with the caret after it, not selected, so typing
    // extends it (a digit typed into the page jump); otherwise it is selected
    // and typing replaces it.
    bool caretAfterValue = false;
};

struct SaveFileChoice {
    std::string path;
    int filterIndex = 1; // the filter the user left selected
};

// The buttons of a confirmation with more than two answers.
enum class Choice { Yes, No, Abort, All, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual void information(const std::string& text) = 0;
    virtual void warning(const std::string& text) = 0;
    virtual void error(const std::string& text) = 0;
    // True for Yes / OK.
    virtual bool askYesNo(const std::string& text) = 0;
    virtual bool askOkCancel(const std::string& text) = 0;
    // A confirmation with the given buttons, in order; closing it answers
    // Cancel when Cancel is offered, else No.
    virtual Choice askChoice(const std::string& text, const std::vector<Choice>& buttons) = 0;
    // The entered text, or nothing when cancelled.
    virtual std::optional<std::string> inputLine(const InputLineRequest& request) = 0;
    // The chosen paths; empty when cancelled.
    virtual std::vector<std::string> chooseOpenFiles(const OpenFilesRequest& request) = 0;
    virtual std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request) = 0;
    // The chosen folder, or empty when cancelled.
    virtual std::string chooseFolder(const std::string& title, const std::string& initial) = 0;
};

} // namespace qw
