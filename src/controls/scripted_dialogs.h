#pragma once
// A Dialogs implementation that records every text it is shown and answers
// from queues filled beforehand: tests drive the program's questions with it.
// An empty answer queue gives the cautious answer (No, Cancel, nothing chosen).

#include "controls/dialogs.h"

#include <deque>

namespace qw {

class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind {
        Information,
        Warning,
        Error,
        YesNo,
        OkCancel,
        Choice,
        Input,
        OpenFiles,
        SaveFile,
        Folder
    };
    struct Shown {
        Kind kind;
        std::string text; // message, prompt or title
    };

    std::vector<Shown> shown;
    std::deque<bool> answers;                              // Yes/No and OK/Cancel
    std::deque<Choice> choices;                            // answers to askChoice; No when empty
    std::deque<std::optional<std::string>> inputs;         // input lines
    std::deque<std::vector<std::string>> openChoices;      // open-file dialogs
    std::deque<std::optional<SaveFileChoice>> saveChoices; // save-file dialogs
    std::deque<std::string> folderChoices;
    std::vector<OpenFilesRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;
    std::vector<InputLineRequest> inputRequests;

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

    // Texts of every message box shown (information, warning, error, questions).
    std::vector<std::string> messages() const;
    void clear();
};

} // namespace qw
