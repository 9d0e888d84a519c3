#include "settings/book_record.h"

#include "settings/book_fingerprint.h"

#include "import/file_ref.h"
#include "import/ignored_files.h"
#include "settings/ini_case.h"
#include "settings/ini_write.h"

#include <algorithm>

namespace qw {

namespace {

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool isBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

const char* key(BookKey k) {
    return BookKeyName(k);
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    size_t at = 0;
    while ((at = s.find(from, at)) != std::string::npos) {
        s.replace(at, from.size(), to);
        at += to.size();
    }
}

// A number key; the default when it does not hold a number.
int readNumber(const ConfigFile& config, const std::string& record, BookKey k, int fallback) {
    return config.ReadInteger(record, key(k), fallback);
}

} // namespace

std::string BookSectionName(const std::string& fileName, const std::string& archiveEntry) {
    if (fileName.empty())
        return kDefaultRecord;
    return EncodeSectionName(archiveEntry.empty() ? fileName : fileName + "|" + archiveEntry);
}

std::string EncodeSectionName(std::string name) {
    std::replace(name.begin(), name.end(), '[', '<');
    std::replace(name.begin(), name.end(), ']', '>');
    return name;
}

std::string DecodeSectionName(std::string name) {
    std::replace(name.begin(), name.end(), '<', '[');
    std::replace(name.begin(), name.end(), '>', ']');
    return name;
}

std::string EncodeMultiline(const std::string& text) {
    std::string s = text;
    replaceAll(s, "\r\n", "||");
    return s;
}

std::string DecodeMultiline(const std::string& text) {
    std::string s = text;
    replaceAll(s, "||", "\r\n");
    return s;
}

bool PathRuleMatches(const std::string& entry, const std::string& folder) {
    if (entry.empty())
        return folder.empty();
    if (entry.back() == '*')
        return folder.compare(0, entry.size() - 1, entry, 0, entry.size() - 1) == 0 &&
               folder.size() >= entry.size() - 1;
    return entry == folder;
}

bool IsUnrecorded(const std::string& recordName, const RecordRules& rules) {
    const FileRef ref = FileRef::parse(recordName);
    if (ref.isMember() && IsIgnoredFile(ref.entry, true, rules.ignoredPatterns))
        return true;
    const std::string& path = ref.path;
    const size_t slash = path.find_last_of('/');
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    // Only the file's own name decides whether it is ignored.
    if (!ref.isMember() && IsIgnoredFile(fileName, false, rules.ignoredPatterns))
        return true;
    if (EqualsNoCase(fileName, "Unnamed.txt"))
        return true;
    const std::string folder =
        upper(slash == std::string::npos ? std::string() : path.substr(0, slash + 1));
    bool unrecorded = false;
    for (const std::string& entry : rules.excludedPaths)
        if (PathRuleMatches(upper(entry), folder))
            unrecorded = true;
    for (const std::string& entry : rules.includedPaths)
        if (PathRuleMatches(upper(entry), folder))
            return false;
    return unrecorded;
}

bool BookInfo::operator==(const BookInfo& o) const {
    return title == o.title && subtitle == o.subtitle && author == o.author && rating == o.rating &&
           categories == o.categories && source == o.source && synopsis == o.synopsis &&
           additionalInformation == o.additionalInformation && remarks == o.remarks &&
           finished == o.finished && lastOpened == o.lastOpened;
}

BookRecord LoadBookSection(ConfigFile& config, const std::string& recordName,
                           const BookRecord& current, const FontChoice& fonts,
                           const RecordRules& rules, const LoadRecordOptions& options) {
    std::string name = recordName;
    BookRecord record = current;
    if (!config.SectionExists(name)) {
        const FileRef ref = FileRef::parse(name);
        const std::string archiveRecord = ref.isMember() ? ref.path : "";
        if (!archiveRecord.empty() && config.SectionExists(archiveRecord)) {
            // A record written before archive members were told apart.
            for (const std::string& key : config.ReadSection(archiveRecord))
                config.WriteString(name, key, config.ReadString(archiveRecord, key, ""));
            config.EraseSection(archiveRecord);
            config.UpdateFile();
        } else if (options.applyDefaultToNewFiles) {
            name = kDefaultRecord;
        } else {
            record.info = BookInfo{};
            record.position = StoredPosition{};
            record.bookmarks = {kNoBookmark, kNoBookmark, kNoBookmark};
            return record;
        }
    }
    const bool isDefault = EqualsNoCase(name, kDefaultRecord);
    const bool correct = isDefault || !IsUnrecorded(name, rules);
    record.settings = LoadBookSettings(config, name, current.settings, fonts, correct);
    if (isDefault) {
        record.info = BookInfo{};
        record.position = StoredPosition{};
        record.bookmarks = {kNoBookmark, kNoBookmark, kNoBookmark};
        return record;
    }
    BookInfo& info = record.info;
    info.title = config.ReadString(name, key(BookKey::Title), "");
    info.subtitle = config.ReadString(name, key(BookKey::Subtitle), "");
    info.author = config.ReadString(name, key(BookKey::Author), "");
    info.rating = config.ReadString(name, key(BookKey::Rating), "");
    static const std::vector<std::string> ratings = {"", "5", "4", "3", "2", "1"};
    if (std::find(ratings.begin(), ratings.end(), info.rating) == ratings.end())
        info.rating.clear();
    info.categories = config.ReadString(name, key(BookKey::Categories), "");
    info.source = config.ReadString(name, key(BookKey::Source), "");
    info.synopsis = DecodeMultiline(config.ReadString(name, key(BookKey::Synopsis), ""));
    info.additionalInformation =
        DecodeMultiline(config.ReadString(name, key(BookKey::AdditionalInformation), ""));
    info.remarks = DecodeMultiline(config.ReadString(name, key(BookKey::Remarks), ""));
    info.finished = config.ReadBool(name, key(BookKey::Finished), false);

    StoredPosition& position = record.position;
    position.page = std::max(0, readNumber(config, name, BookKey::Page, 0));
    position.totalLines = std::max(0, readNumber(config, name, BookKey::TotalLines, 0));
    position.linesPerPage = readNumber(config, name, BookKey::Lines, options.currentLinesPerPage);
    if (position.linesPerPage < 1)
        position.linesPerPage = std::max(1, options.currentLinesPerPage);
    info.lastOpened = config.ReadString(name, key(BookKey::LastOpened), "");

    const BookKey marks[3] = {BookKey::Bookmark1, BookKey::Bookmark2, BookKey::Bookmark3};
    for (int i = 0; i < 3; ++i) {
        const int page = readNumber(config, name, marks[i], kNoBookmark);
        record.bookmarks[static_cast<size_t>(i)] = page >= 0 ? page : kNoBookmark;
    }
    return record;
}

void SaveBookmarks(ConfigFile& config, const std::string& recordName, const BookmarkPages& marks) {
    const BookKey keys[3] = {BookKey::Bookmark1, BookKey::Bookmark2, BookKey::Bookmark3};
    for (int i = 0; i < 3; ++i) {
        const int page = marks[static_cast<size_t>(i)];
        config.WriteString(recordName, key(keys[i]), page < 0 ? "" : std::to_string(page));
    }
}

void SaveBookInfo(ConfigFile& config, const std::string& recordName, const BookRecord& record) {
    if (EqualsNoCase(recordName, kDefaultRecord))
        return;
    const bool existed = config.SectionExists(recordName);
    const BookInfo& info = record.info;
    auto writeIfFilled = [&](BookKey k, const std::string& value) {
        if (!isBlank(value))
            config.WriteString(recordName, key(k), value);
    };
    writeIfFilled(BookKey::Title, info.title);
    writeIfFilled(BookKey::Subtitle, info.subtitle);
    writeIfFilled(BookKey::Author, info.author);
    writeIfFilled(BookKey::Rating, info.rating);
    writeIfFilled(BookKey::Categories, info.categories);
    writeIfFilled(BookKey::Source, info.source);
    writeIfFilled(BookKey::Synopsis, EncodeMultiline(info.synopsis));
    writeIfFilled(BookKey::AdditionalInformation, EncodeMultiline(info.additionalInformation));
    writeIfFilled(BookKey::Remarks, EncodeMultiline(info.remarks));
    config.WriteBool(recordName, key(BookKey::Finished), info.finished);
    config.WriteInteger(recordName, key(BookKey::Page), std::max(0, record.position.page));
    config.WriteInteger(recordName, key(BookKey::TotalLines), record.position.totalLines);
    config.WriteInteger(recordName, key(BookKey::Lines), record.position.linesPerPage);
    config.WriteString(recordName, key(BookKey::LastOpened), info.lastOpened);
    SaveBookmarks(config, recordName, record.bookmarks);
    if (!record.fingerprint.empty())
        config.WriteString(recordName, kFingerprintKey, record.fingerprint);
    config.UpdateFile();
    if (!existed)
        config.NotifyNewSection(recordName);
}

void SaveBookSection(ConfigFile& config, const std::string& recordName, const BookRecord& record,
                     bool tocPanelVisible, const RecordRules& rules) {
    if (!EqualsNoCase(recordName, kDefaultRecord) && IsUnrecorded(recordName, rules))
        return;
    SaveFontLineSettings(config, recordName, record.settings);
    SaveTocSettings(config, recordName, record.settings, tocPanelVisible);
    SaveBookInfo(config, recordName, record);
}

void SavePage(ConfigFile& config, const std::string& recordName, int leftPage) {
    IniWriteSect(config, recordName, BookKeyName(BookKey::Page), std::to_string(leftPage), true);
}

void SaveLastOpened(ConfigFile& config, const std::string& recordName, const std::string& when) {
    IniWriteSect(config, recordName, BookKeyName(BookKey::LastOpened), when, true);
}

} // namespace qw
