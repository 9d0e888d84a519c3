// ConfigFile: writing the file when other running copies share it.

#include "settings/config_file.h"

#include "settings/file_lock.h"
#include "settings/ini_case.h"
#include "settings/recent_list_merge.h"

#include <algorithm>

namespace qw {

namespace {

std::string ListKey(const std::string& section, size_t index) {
    return section + " " + std::to_string(index);
}

} // namespace

void ConfigFile::SetListSection(std::string_view section, size_t limit) {
    ListSection list{std::string(section), limit, {}};
    list.base = ReadList(list);
    for (ListSection& known : lists_)
        if (EqualsNoCase(known.name, section)) {
            known = std::move(list);
            return;
        }
    lists_.push_back(std::move(list));
}

std::vector<std::string> ConfigFile::ReadList(const ListSection& list) const {
    std::vector<std::string> entries;
    for (size_t i = 0; i < list.limit; ++i) {
        std::string value = ReadString(list.name, ListKey(list.name, i), "");
        if (!value.empty())
            entries.push_back(std::move(value));
    }
    return entries;
}

void ConfigFile::WriteList(const ListSection& list, const std::vector<std::string>& entries) {
    for (size_t i = 0; i < list.limit; ++i)
        DeleteKey(list.name, ListKey(list.name, i));
    for (size_t i = 0; i < entries.size(); ++i)
        WriteString(list.name, ListKey(list.name, i), entries[i]);
}

bool ConfigFile::IsListKey(std::string_view section, std::string_view key) const {
    for (const ListSection& list : lists_) {
        if (!EqualsNoCase(list.name, section))
            continue;
        for (size_t i = 0; i < list.limit; ++i)
            if (EqualsNoCase(key, ListKey(list.name, i)))
                return true;
    }
    return false;
}

void ConfigFile::Apply(const ConfigChange& change) {
    switch (change.kind) {
    case ConfigChange::Kind::Set:
        WriteString(change.section, change.key, change.value);
        break;
    case ConfigChange::Kind::DeleteKey:
        DeleteKey(change.section, change.key);
        break;
    case ConfigChange::Kind::EraseSection:
        EraseSection(change.section);
        break;
    }
}

void ConfigFile::Synced(const FileStamp& stamp, std::uint64_t hash) {
    stamp_ = stamp;
    hash_ = hash;
    journal_.clear();
    for (ListSection& list : lists_)
        list.base = ReadList(list);
}

void ConfigFile::MergeFromDisk() {
    const FileStamp now = StampOf(path_);
    if (now == stamp_ && !now.coarse())
        return;
    if (!now.exists)
        return; // removed meanwhile: this copy's content is all there is
    StampedContent disk = ReadStampedFile(path_, kMaxFileSize);
    if (disk.missing || !disk.error.empty())
        return; // written whole, as without a second copy
    const std::uint64_t hash = ContentHash(disk.bytes);
    if (stamp_.exists && hash == hash_) {
        stamp_ = disk.stamp; // touched, not changed
        return;
    }

    ConfigFile merged;
    merged.Parse(disk.bytes);
    for (const ConfigChange& change : journal_.changes())
        if (!IsListKey(change.section, change.key))
            merged.Apply(change);
    for (ListSection& list : lists_) {
        const std::vector<std::string> theirs = merged.ReadList(list);
        const bool changedHere = std::any_of(
            journal_.changes().begin(), journal_.changes().end(), [&](const ConfigChange& c) {
                return EqualsNoCase(c.section, list.name) && IsListKey(c.section, c.key);
            });
        if (changedHere)
            merged.WriteList(list, MergeRecentList(list.base, ReadList(list), theirs, list.limit));
        // From now on the file's list is what this copy last saw.
        list.base = theirs;
    }
    sections_ = std::move(merged.sections_);
    RebuildIndex();
    // The changes stay recorded until the merged content is written.
    stamp_ = disk.stamp;
    hash_ = hash;
    lastUpdateMerged_ = true;
}

std::string ConfigFile::LockedWrite() {
    FileLock lock(WriteTarget(path_) + ".lock",
                  lockFailing_ ? std::chrono::milliseconds(0) : lockTimeout_);
    lockFailing_ = !lock.held();
    lockWarning_.clear();
    if (lock.held())
        lockReported_ = false;
    else
        lockWarning_ = lock.error() + " The settings were saved without the lock; changes "
                                      "another running copy makes at the same time may be lost.";

    MergeFromDisk();
    if (lastUpdateMerged_ && journal_.empty())
        return {}; // nothing of this copy's own to write
    const std::string text = Text();
    std::string error = WriteFileAtomically(path_, text, faults_);
    if (error.empty())
        Synced(StampOf(path_), ContentHash(text));

    // A failed write is reported on its own; this says why changes of the
    // other copy may be lost although the write succeeded.
    if (error.empty() && !lockWarning_.empty() && !lockReported_) {
        lockReported_ = true;
        if (onLockWarning_)
            onLockWarning_(lockWarning_);
    }
    return error;
}

bool ConfigFile::UpdateFile() {
    const bool wasFailing = !lastWriteError_.empty();
    lastUpdateMerged_ = false;
    if (path_.empty())
        lastWriteError_ = "No configuration file is open.";
    else if (writeBlocked_)
        lastWriteError_ = openError_ + " It is not overwritten.";
    else
        lastWriteError_ = LockedWrite();
    if (!lastWriteError_.empty() && !wasFailing && onWriteFailure_)
        onWriteFailure_(lastWriteError_);
    return lastWriteError_.empty();
}

} // namespace qw
