#include "import/ignored_files.h"

#include <algorithm>

namespace qw {

namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

struct NameParts {
    std::string name;      // everything before the extension, folders included
    std::string extension; // from the last dot of the file part, dot included
};

NameParts SplitName(const std::string& upper) {
    const size_t separator = upper.find_last_of("\\:");
    const size_t fileStart = separator == std::string::npos ? 0 : separator + 1;
    const size_t dot = upper.find_last_of('.');
    if (dot == std::string::npos || dot < fileStart)
        return {upper, {}};
    return {upper.substr(0, dot), upper.substr(dot)};
}

bool PartMatches(const std::string& pattern, const std::string& part) {
    if (pattern.empty())
        return part.empty();
    if (pattern.back() == '*')
        return part.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0 &&
               part.size() >= pattern.size() - 1;
    return pattern == part;
}

} // namespace

const std::vector<std::string>& AlwaysIgnoredExtensions() {
    static const std::vector<std::string> extensions = {
        ".GIF", ".JPG", ".JPEG", ".BMP", ".PNG", ".ICO", ".AVI", ".MPG", ".MPEG",
        ".MP3", ".WMA", ".WMV",  ".WAV", ".PIF", ".EXE", ".DLL", ".COM", ".CMD",
        ".OCX", ".AX",  ".VBS",  ".MSC", ".SCR", ".CPX", ".CPL", ".CNT", ".HLX",
        ".GID", ".CHM", ".DRV",  ".VXD", ".WSC", ".NLS", ".LNK", ".MHT"};
    return extensions;
}

bool IsIgnoredFile(std::string_view name, bool ignoreArchives,
                   const std::vector<std::string>& patterns) {
    if (IsBlank(name))
        return false;
    const NameParts file = SplitName(Upper(name));
    // Documents that are archives themselves cannot be opened from inside one.
    if (ignoreArchives &&
        (file.extension == ".ZIP" || file.extension == ".SXW" || file.extension == ".ODT"))
        return true;
    const auto& always = AlwaysIgnoredExtensions();
    if (std::find(always.begin(), always.end(), file.extension) != always.end())
        return true;
    for (const std::string& pattern : patterns) {
        if (IsBlank(pattern))
            continue;
        NameParts parts = SplitName(Upper(pattern));
        if (parts.extension.empty() && !parts.name.empty() && parts.name.back() == '*')
            parts.extension = ".*";
        if (PartMatches(parts.name, file.name) && PartMatches(parts.extension, file.extension))
            return true;
    }
    return false;
}

} // namespace qw
