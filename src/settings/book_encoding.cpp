#include "settings/book_encoding.h"

#include "import/text_decoding.h"
#include "settings/book_record.h"

namespace qw {

std::string ReadBookEncoding(const ConfigFile& config, const std::string& fileName,
                             const std::string& archiveEntry) {
    const std::string value =
        config.ReadString(BookSectionName(fileName, archiveEntry), kEncodingKey, kAutoEncoding);
    return value.empty() ? std::string(kAutoEncoding) : value;
}

bool WriteBookEncoding(ConfigFile& config, const std::string& fileName,
                       const std::string& archiveEntry, const std::string& encoding) {
    const std::string section = BookSectionName(fileName, archiveEntry);
    if (encoding.empty() || encoding == kAutoEncoding)
        config.DeleteKey(section, kEncodingKey);
    else
        config.WriteString(section, kEncodingKey, encoding);
    return config.UpdateFile();
}

} // namespace qw
