#include "settings/book_info_fields.h"

#include "settings/ini_write.h"

namespace qw {

namespace {

std::string* textField(BookInfo& info, BookKey key) {
    switch (key) {
    case BookKey::Title:
        return &info.title;
    case BookKey::Subtitle:
        return &info.subtitle;
    case BookKey::Author:
        return &info.author;
    case BookKey::Rating:
        return &info.rating;
    case BookKey::Categories:
        return &info.categories;
    case BookKey::Source:
        return &info.source;
    case BookKey::Synopsis:
        return &info.synopsis;
    case BookKey::AdditionalInformation:
        return &info.additionalInformation;
    case BookKey::Remarks:
        return &info.remarks;
    default:
        return nullptr;
    }
}

bool isMemo(BookKey key) {
    return key == BookKey::Synopsis || key == BookKey::AdditionalInformation ||
           key == BookKey::Remarks;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool startsWithNoCase(const std::string& text, const char* prefix) {
    size_t i = 0;
    for (; prefix[i] != '\0'; ++i) {
        if (i >= text.size())
            return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

bool IsInfoKey(BookKey key) {
    BookInfo probe;
    return key == BookKey::Finished || textField(probe, key) != nullptr;
}

bool IsCaptionKey(BookKey key) {
    return key == BookKey::Title || key == BookKey::Subtitle || key == BookKey::Author;
}

void SetInfoField(BookInfo& info, BookKey key, const std::string& value) {
    if (key == BookKey::Finished) {
        info.finished = value == "Yes";
        return;
    }
    if (std::string* field = textField(info, key))
        *field = value;
}

std::string StoredInfoValue(const BookInfo& info, BookKey key) {
    if (key == BookKey::Finished)
        return info.finished ? "Yes" : "No";
    BookInfo copy = info;
    const std::string* field = textField(copy, key);
    if (field == nullptr)
        return std::string();
    return isMemo(key) ? EncodeMultiline(*field) : *field;
}

bool WriteInfoField(ConfigFile& config, const std::string& recordName, const BookInfo& info,
                    BookKey key) {
    if (!IsInfoKey(key))
        return false;
    return IniWriteSect(config, recordName, BookKeyName(key), StoredInfoValue(info, key), true);
}

std::string FileTitleOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    // A leading dot names a hidden file, not an extension.
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

std::string FormatByteCount(std::uintmax_t bytes, const std::string& groupSeparator) {
    const std::string digits = std::to_string(bytes);
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += groupSeparator;
        out += digits[i];
    }
    return out + " Bytes";
}

std::string SourceAddress(const std::string& source) {
    size_t begin = 0;
    size_t end = source.size();
    while (begin < end && isBlank(source[begin]))
        ++begin;
    while (end > begin && isBlank(source[end - 1]))
        --end;
    const std::string address = source.substr(begin, end - begin);
    if (address.empty())
        return address;
    // Secure addresses stay as they are too: "http://" in front would break them.
    if (startsWithNoCase(address, "http://") || startsWithNoCase(address, "https://"))
        return address;
    return "http://" + address;
}

} // namespace qw
