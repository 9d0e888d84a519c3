#pragma once
// The reader window's caption and task-bar title.

#include <string>

namespace qw {

extern const char* const kProgramVersionTitle;

struct CaptionInput {
    bool bookOpen = false;
    std::string fileName;
    std::string archiveEntry;
    std::string title, subtitle, author; // from the book information
    bool hideFilePaths = false;
    bool hideArchiveNames = false;
    std::string fontName;
    int fontSize = 0;
    std::string defaultFontName;
    int defaultFontSize = 0;
    int pageCount = 0;
    bool autoTurnOn = false;
    bool autoTurnPaused = false;
    int autoTurnSecondsLeft = 0;
};

// The name part: the book's title, or its file reference as the options show it.
std::string CaptionNamePart(const CaptionInput& in);
std::string ComposeCaption(const CaptionInput& in);

} // namespace qw
