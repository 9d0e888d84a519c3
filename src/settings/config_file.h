#pragma once
// ConfigFile: the in-memory INI store behind Quirewell.ini.
//
// The whole file is read when the store is opened (a missing file is an empty
// store) and rewritten as a whole by UpdateFile. Sections and keys keep their
// order; look-ups ignore letter case; a new key goes to the end of its section
// and a new section to the end of the file. Comments, blank lines and lines the
// store does not understand (also lines before the first section) are kept and
// written back unchanged. Blanks around "=" are not part of the key or the
// value ("Maximized = Yes" holds "Yes"); writing a value keeps them. Where a section or key occurs
// twice, the first one is read and written; EraseSection and DeleteKey remove every occurrence.
//
// Several running copies may share the file. UpdateFile takes a lock on a lock
// file beside it ("Quirewell.ini.lock"); when another copy rewrote the file
// since this one last read or wrote it, the file is read again, the changes
// this copy made since then (set, delete key, erase section) are applied onto
// it in the order they were made, and that is written and becomes this copy's
// content. Registered list sections (the recent files) are merged as lists.
//
// The file is UTF-8; a line that is not valid UTF-8 is taken as Windows-1252.
// Reading accepts LF, CR LF and CR line ends and a byte-order mark; writing
// uses LF.

#include "settings/atomic_write.h"
#include "settings/config_journal.h"
#include "settings/file_stamp.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qw {

// A decimal integer with optional blanks around it and an optional sign;
// false for anything else or a number outside the int range.
bool ParseIniInteger(std::string_view text, int& value);

class ConfigFile {
  public:
    // Files larger than this are not taken as a configuration file.
    static constexpr std::uintmax_t kMaxFileSize = 256u * 1024 * 1024;

    ConfigFile() = default;
    explicit ConfigFile(const std::string& path) { Open(path); }

    // Reads the file into the store, replacing its content. False when an
    // existing file could not be read: the store is then empty and refuses to
    // write, so that the unread content is never overwritten.
    bool Open(const std::string& path);
    // Parses text as if it had been read from a file (no file attached).
    void Parse(std::string_view bytes);

    const std::string& FileName() const { return path_; }
    const std::string& OpenError() const { return openError_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           const std::string& defaultValue) const;
    // The stored decimal number, or the default when the key is missing or
    // does not hold a number in the int range.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // True only for the exact text "Yes"; the default when the key is missing.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // Key names of the section, in file order.
    std::vector<std::string> ReadSection(std::string_view section) const;
    // All section names, in file order.
    std::vector<std::string> ReadSections() const;
    // The name=value lines of the section, in file order.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;
    // The names of the sections in which `key` holds exactly `value`, in file order.
    std::vector<std::string> SectionsWithValue(std::string_view key, std::string_view value) const;
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);
    // Makes a change of the kind another copy's store recorded.
    void Apply(const ConfigChange& change);

    // Rewrites the whole file, merged with what another copy wrote since this
    // one last read or wrote it. False, with LastWriteError() set, when the
    // file could not be written; the previous file is then left as it was and
    // the changes are kept for the next write.
    bool UpdateFile();
    const std::string& LastWriteError() const { return lastWriteError_; }
    // Why the last UpdateFile wrote without holding the lock (a copy held it
    // for longer than the lock timeout); empty when it held the lock.
    const std::string& LockWarning() const { return lockWarning_; }
    // Whether the last UpdateFile merged this copy's changes into a file
    // another copy had written.
    bool LastUpdateMerged() const { return lastUpdateMerged_; }

    // Keys "<section> 0" to "<section> limit-1" hold a most-recent-first list
    // (empty values skipped): when both copies changed it, the two lists are
    // merged, this copy's newest entries on top, at most limit entries.
    void SetListSection(std::string_view section, size_t limit);
    // The longest UpdateFile waits for the lock before writing without it.
    void SetLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }

    // The file content UpdateFile writes.
    std::string Text() const;

    // Called with the message when a write fails after the previous one
    // succeeded (a failing disk is reported once, not on every page turn).
    void SetWriteFailureListener(std::function<void(const std::string&)> listener) {
        onWriteFailure_ = std::move(listener);
    }
    // Called with LockWarning() when a write had to go ahead without the lock,
    // once until the lock is held again (the window shows it as a warning).
    void SetLockWarningListener(std::function<void(const std::string&)> listener) {
        onLockWarning_ = std::move(listener);
    }
    // Called by the write helpers when they created a new section.
    void SetNewSectionListener(std::function<void(const std::string&)> listener) {
        onNewSection_ = std::move(listener);
    }
    void NotifyNewSection(const std::string& section) const {
        if (onNewSection_)
            onNewSection_(section);
    }
    // Test seam: faults injected into every following UpdateFile.
    void SetWriteFaults(const WriteFaults* faults) { faults_ = faults; }

  private:
    // A line of a section: its place in the section's text (which holds the
    // lines one after another, each followed by "\n") and, for a key line,
    // where its key and value are, relative to the line's start. Blanks around
    // the key and the value are not part of them.
    struct Line {
        std::uint32_t begin = 0;
        std::uint32_t length = 0;
        std::uint32_t keyBegin = 0;
        std::uint32_t keyLength = 0;
        std::uint32_t valueBegin = 0;
        std::uint32_t valueLength = 0;
        bool isEntry = false;
    };
    struct Section {
        std::string name;
        std::string header; // "[name]" as it stands in the file; empty for the lines before any
        std::string text;   // the lines, each ending in "\n"
        std::vector<Line> lines;

        std::string_view line(const Line& l) const {
            return std::string_view(text).substr(l.begin, l.length);
        }
        std::string_view key(const Line& l) const {
            return line(l).substr(l.keyBegin, l.keyLength);
        }
        std::string_view value(const Line& l) const {
            return line(l).substr(l.valueBegin, l.valueLength);
        }
        void append(std::string_view lineText);
        void replace(size_t index, std::string_view lineText);
        void insert(size_t index, std::string_view lineText);
        template <typename Keep> void keepLines(Keep keep);
    };

    const Section* Find(std::string_view section) const;
    Section* Find(std::string_view section);
    static const Line* FindKey(const Section& s, std::string_view key);
    static Line ParseLine(std::string_view text, bool inSection);
    void RebuildIndex();

    struct ListSection {
        std::string name;
        size_t limit = 0;
        std::vector<std::string> base; // the list when the file was last read or written
    };
    std::vector<std::string> ReadList(const ListSection& list) const;
    void WriteList(const ListSection& list, const std::vector<std::string>& entries);
    bool IsListKey(std::string_view section, std::string_view key) const;
    // After reading or writing the file: nothing left to replay.
    void Synced(const FileStamp& stamp, std::uint64_t hash);
    // Takes in what another copy wrote since the last sync, with this copy's
    // changes applied onto it.
    void MergeFromDisk();
    std::string LockedWrite();

    std::string path_;
    std::string openError_;
    std::string lastWriteError_;
    bool writeBlocked_ = false;
    // sections_[0] holds the lines before the first section.
    std::vector<Section> sections_ = std::vector<Section>(1);
    std::unordered_map<std::string, size_t> index_; // folded name -> first section
    std::function<void(const std::string&)> onWriteFailure_;
    std::function<void(const std::string&)> onNewSection_;
    const WriteFaults* faults_ = nullptr;

    ConfigJournal journal_;
    FileStamp stamp_; // of the file as last read or written
    std::uint64_t hash_ = 0;
    std::vector<ListSection> lists_;
    std::chrono::milliseconds lockTimeout_{1000};
    bool lockFailing_ = false;  // the last write went without the lock
    bool lockReported_ = false; // and the listener has heard of it
    std::string lockWarning_;
    bool lastUpdateMerged_ = false;
    std::function<void(const std::string&)> onLockWarning_;
};

} // namespace qw
