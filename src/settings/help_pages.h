#pragma once
// The help panel's tree and the texts of its pages: the program and its
// version, the features, the keys, the mouse and some tips, in short. The
// whole guide is Help.txt, which the first page opens as a book.

#include <string>
#include <vector>

namespace qw {

struct HelpPage {
    const char* node; // the tree's caption, with its leading blank
    std::string text; // empty for page 0, which has its own controls
};

const std::vector<HelpPage>& HelpPages();
// "Quirewell" and the version of this build.
std::string ProgramNameAndVersion();

} // namespace qw
