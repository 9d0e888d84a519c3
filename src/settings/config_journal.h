#pragma once
// The changes one running copy made to its configuration store since it last
// read or wrote the file, in the order they were made. When another copy has
// rewritten the file meanwhile, they are applied again onto what it wrote.

#include <string>
#include <vector>

namespace qw {

struct ConfigChange {
    enum class Kind { Set, DeleteKey, EraseSection };
    Kind kind = Kind::Set;
    std::string section;
    std::string key;   // empty for EraseSection
    std::string value; // Set only
};

class ConfigJournal {
  public:
    void add(ConfigChange change);
    const std::vector<ConfigChange>& changes() const { return changes_; }
    bool empty() const { return changes_.empty(); }
    void clear() {
        changes_.clear();
        compactAt_ = kFirstCompaction;
    }

  private:
    // Drops every change that a later one overrides (a later set or delete of
    // the same key, or an erase of its section), so that a copy that cannot
    // write keeps one change per key rather than one per page turn. Replaying
    // the rest gives the same values; only a key deleted and written again may
    // land elsewhere in its section, and a section whose only key was written
    // and deleted is not created.
    void compact();

    static constexpr size_t kFirstCompaction = 4096;
    std::vector<ConfigChange> changes_;
    size_t compactAt_ = kFirstCompaction;
};

} // namespace qw
