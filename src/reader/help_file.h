#pragma once
// Where the program finds its guide, Help.txt: beside the program (a build
// or an unpacked copy), in the installed share folder next to its bin
// folder, then in the desktop's data folders.

#include <string>
#include <vector>

namespace qw {

struct HelpFileEnvironment {
    std::string programDir; // the folder of the running program
    std::string dataHome;   // $XDG_DATA_HOME, may be empty
    std::string home;       // $HOME, may be empty
    std::string dataDirs;   // $XDG_DATA_DIRS, colon separated, may be empty
};

// The places to look, in order; no place twice.
std::vector<std::string> HelpFileCandidates(const HelpFileEnvironment& env);
// The first candidate that is a file; empty when there is none.
std::string FindHelpFile(const HelpFileEnvironment& env);

} // namespace qw
