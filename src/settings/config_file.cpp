#include "settings/config_file.h"

#include "import/cp1252.h"
#include "import/utf8.h"
#include "settings/ini_case.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace qw {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
    const size_t b = s.find_first_not_of(kBlanks);
    if (b == std::string_view::npos)
        return {};
    const size_t e = s.find_last_not_of(kBlanks);
    return s.substr(b, e - b + 1);
}

// A name or value written by the program stays on its own line: line breaks
// inside it would otherwise split it into new keys or sections. Blanks around
// it are dropped, as reading would drop them. A key cannot hold "=" either;
// text that is not UTF-8 is taken as Windows-1252.
std::string OneLine(std::string_view text, bool isKey = false) {
    std::string out = IsValidUtf8Text(text) ? std::string(text) : Cp1252ToUtf8(text);
    for (char& c : out)
        if (c == '\r' || c == '\n' || (isKey && c == '='))
            c = ' ';
    return std::string(Trim(out));
}

std::string ReadError(const std::string& path, const std::string& reason) {
    return "The configuration file " + path + " could not be read: " + reason + ".";
}

} // namespace

bool ParseIniInteger(std::string_view text, int& value) {
    const std::string_view v = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+'))
        negative = v[i++] == '-';
    if (i == v.size())
        return false;
    long long n = 0;
    for (; i < v.size(); ++i) {
        if (v[i] < '0' || v[i] > '9')
            return false;
        n = n * 10 + (v[i] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (negative)
        n = -n;
    if (n < INT_MIN || n > INT_MAX)
        return false;
    value = static_cast<int>(n);
    return true;
}

bool ConfigFile::Open(const std::string& path) {
    path_ = path;
    openError_.clear();
    lastWriteError_.clear();
    writeBlocked_ = false;
    Parse({});

    StampedContent content = ReadStampedFile(path, kMaxFileSize);
    if (!content.error.empty()) {
        openError_ = ReadError(path, content.error);
        writeBlocked_ = true;
        Synced({}, 0);
        return false;
    }
    Parse(content.bytes);
    Synced(content.stamp, ContentHash(content.bytes));
    return true;
}

void ConfigFile::Section::append(std::string_view lineText) {
    Line l = ParseLine(lineText, !header.empty());
    l.begin = static_cast<std::uint32_t>(text.size());
    text.append(lineText);
    text += '\n';
    lines.push_back(l);
}

void ConfigFile::Section::replace(size_t index, std::string_view lineText) {
    Line& old = lines[index];
    const std::uint32_t begin = old.begin;
    const auto delta = static_cast<std::int64_t>(lineText.size()) - old.length;
    text.replace(begin, old.length, lineText);
    Line l = ParseLine(lineText, !header.empty());
    l.begin = begin;
    old = l;
    for (size_t j = index + 1; j < lines.size(); ++j)
        lines[j].begin = static_cast<std::uint32_t>(lines[j].begin + delta);
}

void ConfigFile::Section::insert(size_t index, std::string_view lineText) {
    const auto begin =
        index < lines.size() ? lines[index].begin : static_cast<std::uint32_t>(text.size());
    text.insert(begin, std::string(lineText) + '\n');
    Line l = ParseLine(lineText, !header.empty());
    l.begin = begin;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), l);
    const auto delta = static_cast<std::uint32_t>(lineText.size() + 1);
    for (size_t j = index + 1; j < lines.size(); ++j)
        lines[j].begin += delta;
}

template <typename Keep> void ConfigFile::Section::keepLines(Keep keep) {
    std::string kept;
    kept.reserve(text.size());
    std::vector<Line> keptLines;
    keptLines.reserve(lines.size());
    for (const Line& l : lines) {
        if (!keep(l))
            continue;
        Line moved = l;
        moved.begin = static_cast<std::uint32_t>(kept.size());
        kept.append(line(l));
        kept += '\n';
        keptLines.push_back(moved);
    }
    text = std::move(kept);
    lines = std::move(keptLines);
}

ConfigFile::Line ConfigFile::ParseLine(std::string_view text, bool inSection) {
    Line line;
    line.length = static_cast<std::uint32_t>(text.size());
    // Lines before the first section are kept but never looked up.
    if (!inSection)
        return line;
    const size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return line;
    const std::string_view t = Trim(text);
    if (t.front() == ';' || t.front() == '#')
        return line;
    const std::string_view key = Trim(text.substr(0, eq));
    if (key.empty())
        return line;
    line.isEntry = true;
    line.keyBegin = static_cast<std::uint32_t>(key.data() - text.data());
    line.keyLength = static_cast<std::uint32_t>(key.size());
    const std::string_view rest = text.substr(eq + 1);
    const std::string_view value = Trim(rest);
    line.valueBegin = static_cast<std::uint32_t>(
        value.empty() ? text.size() : static_cast<size_t>(value.data() - text.data()));
    line.valueLength = static_cast<std::uint32_t>(value.size());
    return line;
}

void ConfigFile::Parse(std::string_view bytes) {
    sections_.clear();
    sections_.emplace_back();
    // Every byte-order mark at the start (an editor may have added a second
    // one), so that a file reads the same as what the store writes back.
    while (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    std::string converted;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        std::string_view text = bytes.substr(pos, end - pos);
        pos = end;
        if (pos < bytes.size())
            pos += bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? 2 : 1;

        if (!IsValidUtf8Text(text)) {
            converted = Cp1252ToUtf8(text);
            text = converted;
        }
        const std::string_view trimmed = Trim(text);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            Section s;
            s.name = std::string(Trim(trimmed.substr(1, trimmed.size() - 2)));
            s.header = std::string(text);
            sections_.push_back(std::move(s));
            continue;
        }
        sections_.back().append(text);
    }
    RebuildIndex();
    Synced(stamp_, hash_);
}

void ConfigFile::RebuildIndex() {
    index_.clear();
    index_.reserve(sections_.size());
    for (size_t i = 1; i < sections_.size(); ++i)
        index_.emplace(FoldCase(sections_[i].name), i); // keeps the first of duplicates
}

const ConfigFile::Section* ConfigFile::Find(std::string_view section) const {
    const auto it = index_.find(FoldCase(Trim(section)));
    return it == index_.end() ? nullptr : &sections_[it->second];
}

ConfigFile::Section* ConfigFile::Find(std::string_view section) {
    return const_cast<Section*>(static_cast<const ConfigFile*>(this)->Find(section));
}

const ConfigFile::Line* ConfigFile::FindKey(const Section& s, std::string_view key) {
    key = Trim(key);
    for (const Line& line : s.lines)
        if (line.isEntry && EqualsNoCase(s.key(line), key))
            return &line;
    return nullptr;
}

std::string ConfigFile::ReadString(std::string_view section, std::string_view key,
                                   const std::string& defaultValue) const {
    const Section* s = Find(section);
    const Line* line = s ? FindKey(*s, key) : nullptr;
    return line ? std::string(s->value(*line)) : defaultValue;
}

int ConfigFile::ReadInteger(std::string_view section, std::string_view key,
                            int defaultValue) const {
    const Section* s = Find(section);
    const Line* line = s ? FindKey(*s, key) : nullptr;
    if (!line)
        return defaultValue;
    int n = 0;
    return ParseIniInteger(s->value(*line), n) ? n : defaultValue;
}

bool ConfigFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    const Section* s = Find(section);
    const Line* line = s ? FindKey(*s, key) : nullptr;
    return line ? s->value(*line) == "Yes" : defaultValue;
}

void ConfigFile::WriteString(std::string_view section, std::string_view key,
                             std::string_view value) {
    const std::string name = OneLine(section);
    const std::string k = OneLine(key, true);
    const std::string v = OneLine(value);
    if (k.empty())
        return;
    journal_.add({ConfigChange::Kind::Set, name, k, v});
    Section* s = Find(name);
    if (!s) {
        Section fresh;
        fresh.name = name;
        fresh.header = "[" + name + "]";
        sections_.push_back(std::move(fresh));
        index_.emplace(FoldCase(name), sections_.size() - 1);
        s = &sections_.back();
    }
    if (const Line* line = FindKey(*s, k)) {
        // Keeps the user's spelling of the key and the blanks around it and
        // around the value.
        const size_t index = static_cast<size_t>(line - s->lines.data());
        const std::string_view old = s->line(*line);
        std::string text(old.substr(0, line->valueBegin));
        text += v;
        text += old.substr(line->valueBegin + line->valueLength);
        s->replace(index, text);
        return;
    }
    // After the last key, so that comments or blank lines that close the
    // section stay where they are.
    size_t at = 0;
    for (size_t i = 0; i < s->lines.size(); ++i)
        if (s->lines[i].isEntry)
            at = i + 1;
    s->insert(at, k + "=" + v);
}

void ConfigFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void ConfigFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "Yes" : "No");
}

bool ConfigFile::SectionExists(std::string_view section) const {
    return Find(section) != nullptr;
}

bool ConfigFile::ValueExists(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    return s && FindKey(*s, key);
}

std::vector<std::string> ConfigFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = Find(section))
        for (const Line& line : s->lines)
            if (line.isEntry)
                keys.emplace_back(s->key(line));
    return keys;
}

std::vector<std::string> ConfigFile::ReadSections() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (size_t i = 1; i < sections_.size(); ++i)
        names.push_back(sections_[i].name);
    return names;
}

std::vector<std::string> ConfigFile::SectionsWithValue(std::string_view key,
                                                       std::string_view value) const {
    std::vector<std::string> names;
    for (size_t i = 1; i < sections_.size(); ++i) {
        const Line* line = FindKey(sections_[i], key);
        if (line && sections_[i].value(*line) == value)
            names.push_back(sections_[i].name);
    }
    return names;
}

std::vector<std::string> ConfigFile::ReadSectionValues(std::string_view section) const {
    std::vector<std::string> lines;
    if (const Section* s = Find(section))
        for (const Line& line : s->lines)
            if (line.isEntry)
                lines.push_back(std::string(s->key(line)) + "=" + std::string(s->value(line)));
    return lines;
}

void ConfigFile::EraseSection(std::string_view section) {
    journal_.add({ConfigChange::Kind::EraseSection, std::string(Trim(section)), {}, {}});
    const std::string folded = FoldCase(Trim(section));
    if (index_.find(folded) == index_.end())
        return;
    std::vector<Section> kept;
    kept.reserve(sections_.size());
    for (size_t i = 0; i < sections_.size(); ++i)
        if (i == 0 || FoldCase(sections_[i].name) != folded)
            kept.push_back(std::move(sections_[i]));
    sections_ = std::move(kept);
    RebuildIndex();
}

void ConfigFile::DeleteKey(std::string_view section, std::string_view key) {
    const std::string folded = FoldCase(Trim(section));
    key = Trim(key);
    journal_.add({ConfigChange::Kind::DeleteKey, std::string(Trim(section)), std::string(key), {}});
    for (size_t i = 1; i < sections_.size(); ++i) {
        Section& s = sections_[i];
        if (!EqualsNoCase(s.name, folded))
            continue;
        s.keepLines(
            [&](const Line& line) { return !line.isEntry || !EqualsNoCase(s.key(line), key); });
    }
}

std::string ConfigFile::Text() const {
    size_t size = 0;
    for (const Section& s : sections_)
        size += s.header.size() + 1 + s.text.size();
    std::string out;
    out.reserve(size);
    for (size_t i = 0; i < sections_.size(); ++i) {
        if (i > 0) {
            out += sections_[i].header;
            out += '\n';
        }
        out += sections_[i].text;
    }
    return out;
}

} // namespace qw
