#include "settings/ini_list.h"

#include "import/file_ref.h"
#include "import/unicode_text.h"
#include "settings/ini_case.h"
#include "settings/settings_model.h"

#include <algorithm>

namespace qw {

namespace {

std::string afterLast(const std::string& s, char separator) {
    const size_t at = s.find_last_of(separator);
    return at == std::string::npos ? s : s.substr(at + 1);
}

} // namespace

std::vector<IniListEntry> FillIniList(const ConfigFile& config, const IniListOptions& options,
                                      const ReferenceExists& exists) {
    std::vector<IniListEntry> entries;
    for (const std::string& section : config.ReadSections()) {
        // Book records are the sections that name a path.
        if (IsGeneralSection(section) || section.find_first_of("/\\") == std::string::npos)
            continue;
        IniListEntry entry;
        entry.recordName = DecodeSectionName(section);
        const FileRef ref = FileRef::parse(entry.recordName);
        std::string file = ref.path;
        std::string member = ref.entry;
        if (options.hideFilePaths) {
            file = afterLast(file, '/');
            member = afterLast(member, '/');
        }
        if (!ref.isMember())
            entry.display = file;
        else if (options.hideArchiveNames)
            entry.display = "[" + member + "]";
        else
            entry.display = "[" + member + "] in " + file;
        entry.missing = exists && !exists(entry.recordName);
        if (entry.missing)
            entry.display = "*" + entry.display;
        entries.push_back(std::move(entry));
    }
    if (options.sorted) {
        // Without case in every script, by code point; each name folded once.
        std::vector<std::pair<std::string, IniListEntry>> keyed;
        keyed.reserve(entries.size());
        for (IniListEntry& entry : entries)
            keyed.emplace_back(SimpleCaseFold(entry.display), std::move(entry));
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t i = 0; i < keyed.size(); ++i)
            entries[i] = std::move(keyed[i].second);
    }
    return entries;
}

std::vector<size_t> EntriesToDelete(const std::vector<IniListEntry>& entries, DeleteRange range,
                                    const std::vector<size_t>& selected,
                                    const std::vector<std::string>& recentAndFavourites,
                                    const RecordRules& rules) {
    std::vector<size_t> chosen;
    for (size_t i = 0; i < entries.size(); ++i) {
        const IniListEntry& e = entries[i];
        bool take = false;
        switch (range) {
        case DeleteRange::Selected:
            take = std::find(selected.begin(), selected.end(), i) != selected.end();
            break;
        case DeleteRange::All:
            take = true;
            break;
        case DeleteRange::NonExisting:
            take = e.missing;
            break;
        case DeleteRange::AllButRecentAndFavourites:
            take =
                std::none_of(recentAndFavourites.begin(), recentAndFavourites.end(),
                             [&](const std::string& r) { return EqualsNoCase(r, e.recordName); });
            break;
        case DeleteRange::Excluded:
            take = IsUnrecorded(e.recordName, rules);
            break;
        }
        if (take)
            chosen.push_back(i);
    }
    return chosen;
}

void DeleteRecords(ConfigFile& config, std::vector<IniListEntry>& entries,
                   std::vector<size_t> chosen) {
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
        if (*it >= entries.size())
            continue;
        config.EraseSection(EncodeSectionName(entries[*it].recordName));
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    config.UpdateFile();
}

void SetRecordsToCurrent(ConfigFile& config, const std::vector<IniListEntry>& entries,
                         const std::vector<size_t>& chosen, SetToCurrent what,
                         const BookSettings& current, bool tocPanelVisible) {
    const bool font = what == SetToCurrent::FontName || what == SetToCurrent::FontLineToc;
    const bool size = what == SetToCurrent::FontSize || what == SetToCurrent::FontLineToc;
    const bool lines = what == SetToCurrent::LineBreaks || what == SetToCurrent::FontLineToc;
    const bool toc = what == SetToCurrent::Toc || what == SetToCurrent::FontLineToc;
    for (size_t i : chosen) {
        if (i >= entries.size())
            continue;
        const std::string record = EncodeSectionName(entries[i].recordName);
        auto name = [](BookKey k) { return BookKeyName(k); };
        if (font)
            config.WriteString(record, name(BookKey::Fontname), current.fontName);
        if (size)
            config.WriteInteger(record, name(BookKey::Fontsize), current.fontSize);
        if (lines) {
            config.WriteBool(record, name(BookKey::RemoveLineBreaks), current.removeLineBreaks);
            config.WriteBool(record, name(BookKey::CheckPunctuationMarks),
                             current.checkPunctuationMarks);
            config.WriteBool(record, name(BookKey::CheckIndentation), current.checkIndentation);
        }
        if (toc) {
            config.WriteBool(record, name(BookKey::AutomaticallyCreateToc), current.automaticToc);
            config.WriteInteger(record, name(BookKey::PrecedingBlankLines),
                                current.precedingBlankLines);
            config.WriteInteger(record, name(BookKey::SectionHeaderSize),
                                current.sectionHeaderSize);
            config.WriteBool(record, name(BookKey::CountBlankLines), current.countBlankLines);
            config.WriteBool(record, name(BookKey::TocOnLeftSide),
                             current.tocOnLeftSide && tocPanelVisible);
        }
    }
    config.UpdateFile();
}

std::string RecordHint(const ConfigFile& config, const std::string& recordName) {
    const std::string record = EncodeSectionName(recordName);
    auto value = [&](BookKey k, const char* missing) {
        return config.ReadString(record, BookKeyName(k), missing);
    };
    std::string hint = recordName + "\n" + value(BookKey::Fontname, "?") + ", " +
                       value(BookKey::Fontsize, "?") + " pt";
    const std::string title = value(BookKey::Title, "");
    const std::string author = value(BookKey::Author, "");
    if (!title.empty())
        hint += "\nTitle: " + title;
    if (!author.empty())
        hint += "\nAuthor: " + author;
    hint += "\nRemove single line breaks: " + value(BookKey::RemoveLineBreaks, "?");
    hint += "\n   Not before indentation: " + value(BookKey::CheckIndentation, "?");
    hint += "\n   Not after punctuation marks: " + value(BookKey::CheckPunctuationMarks, "?");
    hint += "\nAutomatically create TOC: " + value(BookKey::AutomaticallyCreateToc, "?");
    hint += "\n   Preceding blank lines: " + value(BookKey::PrecedingBlankLines, "?");
    hint += "\n   Header contains: " + value(BookKey::SectionHeaderContains, "");
    hint += "\n   Section header size: " + value(BookKey::SectionHeaderSize, "?");
    hint += "\n   Count blank lines: " + value(BookKey::CountBlankLines, "?");
    return hint;
}

} // namespace qw
