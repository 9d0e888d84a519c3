#include "import/file_ref.h"

namespace qw {

namespace {

bool EndsWithArchiveName(std::string_view text) {
    if (text.size() < 4)
        return false;
    std::string tail(text.substr(text.size() - 4));
    for (char& c : tail)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return tail == ".ZIP" || tail == ".SXW" || tail == ".ODT";
}

} // namespace

std::string FileRef::format() const {
    return entry.empty() ? path : path + "|" + entry;
}

FileRef FileRef::parse(std::string_view reference) {
    for (size_t bar = reference.find('|'); bar != std::string_view::npos;
         bar = reference.find('|', bar + 1)) {
        if (EndsWithArchiveName(reference.substr(0, bar)))
            return {std::string(reference.substr(0, bar)), std::string(reference.substr(bar + 1))};
    }
    return {std::string(reference), {}};
}

} // namespace qw
