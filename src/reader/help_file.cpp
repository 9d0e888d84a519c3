#include "reader/help_file.h"

#include <algorithm>
#include <filesystem>

namespace qw {

namespace {

std::string Join(std::string folder, const char* rest) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder + rest;
}

} // namespace

std::vector<std::string> HelpFileCandidates(const HelpFileEnvironment& env) {
    std::vector<std::string> places;
    auto add = [&](const std::string& place) {
        if (std::find(places.begin(), places.end(), place) == places.end())
            places.push_back(place);
    };
    if (!env.programDir.empty()) {
        add(Join(env.programDir, "Help.txt"));
        add(Join(env.programDir, "../share/quirewell/Help.txt"));
    }
    // Relative folders in the XDG variables are invalid and ignored.
    if (env.dataHome.size() > 1 && env.dataHome[0] == '/')
        add(Join(env.dataHome, "quirewell/Help.txt"));
    else if (!env.home.empty())
        add(Join(env.home, ".local/share/quirewell/Help.txt"));
    const std::string dirs = env.dataDirs.empty() ? "/usr/local/share:/usr/share" : env.dataDirs;
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string dir = dirs.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/')
            add(Join(dir, "quirewell/Help.txt"));
        start = end + 1;
    }
    return places;
}

std::string FindHelpFile(const HelpFileEnvironment& env) {
    for (const std::string& place : HelpFileCandidates(env)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error))
            return place;
    }
    return std::string();
}

} // namespace qw
