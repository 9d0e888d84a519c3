#include "reader/caption.h"

namespace qw {

const char* const kProgramVersionTitle = "Quirewell Version 1.9.0 Release Candidate - January 2010";

namespace {

std::string trimmed(const std::string& s) {
    const size_t begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return {};
    const size_t end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

std::string afterLastSlash(const std::string& s) {
    const size_t slash = s.find_last_of('/');
    return slash == std::string::npos ? s : s.substr(slash + 1);
}

} // namespace

std::string CaptionNamePart(const CaptionInput& in) {
    if (!trimmed(in.title).empty()) {
        std::string name = in.title;
        if (!in.subtitle.empty())
            name += ", " + in.subtitle;
        if (!in.author.empty())
            name += " - by " + in.author;
        return name;
    }
    const bool member = !in.archiveEntry.empty();
    if (!in.hideFilePaths) {
        if (!member)
            return in.fileName;
        if (in.hideArchiveNames)
            return "[" + in.archiveEntry + "]";
        return "[" + in.archiveEntry + "] from archive " + in.fileName;
    }
    if (!member)
        return afterLastSlash(in.fileName);
    const std::string entry = afterLastSlash(in.archiveEntry);
    if (in.hideArchiveNames)
        return "[" + entry + "]";
    return "[" + entry + "] from archive " + afterLastSlash(in.fileName);
}

std::string ComposeCaption(const CaptionInput& in) {
    if (!in.bookOpen)
        return std::string(kProgramVersionTitle) + " (Default font: " + in.defaultFontName + ", " +
               std::to_string(in.defaultFontSize) + " pt)";
    std::string caption = CaptionNamePart(in) + " (" + in.fontName + ", " +
                          std::to_string(in.fontSize) + " pt, " + std::to_string(in.pageCount) +
                          (in.pageCount == 1 ? " page)" : " pages)");
    if (in.autoTurnOn) {
        caption += " - " + std::to_string(in.autoTurnSecondsLeft) + " s";
        if (in.autoTurnPaused)
            caption += " (Paused)";
    }
    return caption;
}

} // namespace qw
