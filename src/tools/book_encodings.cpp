#include "tools/book_encodings.h"

#include "settings/book_encoding.h"
#include "settings/book_record.h"
#include "settings/ini_case.h"

namespace qw {

BookEncodings BookEncodings::From(const ConfigFile& config) {
    BookEncodings encodings;
    for (const std::string& section : config.ReadSections()) {
        if (!config.ValueExists(section, kEncodingKey))
            continue;
        const std::string value = config.ReadString(section, kEncodingKey, {});
        if (!value.empty())
            encodings.bySection_.emplace(FoldCase(section), value);
    }
    return encodings;
}

std::string BookEncodings::of(const std::string& path, const std::string& entry) const {
    const auto found = bySection_.find(FoldCase(BookSectionName(path, entry)));
    return found == bySection_.end() ? std::string("Auto") : found->second;
}

} // namespace qw
