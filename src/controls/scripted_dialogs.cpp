#include "controls/scripted_dialogs.h"

namespace qw {

namespace {
template <typename T> T takeFront(std::deque<T>& queue, T fallback) {
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
} // namespace

void ScriptedDialogs::information(const std::string& text) {
    shown.push_back({Kind::Information, text});
}
void ScriptedDialogs::warning(const std::string& text) {
    shown.push_back({Kind::Warning, text});
}
void ScriptedDialogs::error(const std::string& text) {
    shown.push_back({Kind::Error, text});
}

bool ScriptedDialogs::askYesNo(const std::string& text) {
    shown.push_back({Kind::YesNo, text});
    return takeFront(answers, false);
}

bool ScriptedDialogs::askOkCancel(const std::string& text) {
    shown.push_back({Kind::OkCancel, text});
    return takeFront(answers, false);
}

Choice ScriptedDialogs::askChoice(const std::string& text, const std::vector<Choice>&) {
    shown.push_back({Kind::Choice, text});
    return takeFront(choices, Choice::No);
}

std::optional<std::string> ScriptedDialogs::inputLine(const InputLineRequest& request) {
    shown.push_back({Kind::Input, request.prompt});
    inputRequests.push_back(request);
    auto answer = takeFront<std::optional<std::string>>(inputs, std::nullopt);
    if (answer && request.maxLength > 0 && static_cast<int>(answer->size()) > request.maxLength)
        answer->resize(static_cast<size_t>(request.maxLength)); // the edit field takes no more
    return answer;
}

std::vector<std::string> ScriptedDialogs::chooseOpenFiles(const OpenFilesRequest& request) {
    shown.push_back({Kind::OpenFiles, request.title});
    openRequests.push_back(request);
    return takeFront<std::vector<std::string>>(openChoices, {});
}

std::optional<SaveFileChoice> ScriptedDialogs::chooseSaveFile(const SaveFileRequest& request) {
    shown.push_back({Kind::SaveFile, request.title});
    saveRequests.push_back(request);
    return takeFront<std::optional<SaveFileChoice>>(saveChoices, std::nullopt);
}

std::string ScriptedDialogs::chooseFolder(const std::string& title, const std::string&) {
    shown.push_back({Kind::Folder, title});
    return takeFront<std::string>(folderChoices, {});
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> texts;
    for (const auto& s : shown)
        if (s.kind == Kind::Information || s.kind == Kind::Warning || s.kind == Kind::Error ||
            s.kind == Kind::YesNo || s.kind == Kind::OkCancel || s.kind == Kind::Choice)
            texts.push_back(s.text);
    return texts;
}

void ScriptedDialogs::clear() {
    shown.clear();
    openRequests.clear();
    saveRequests.clear();
    inputRequests.clear();
}

} // namespace qw
