#include "settings/config_journal.h"

#include "settings/ini_case.h"

#include <unordered_map>
#include <unordered_set>

namespace qw {

void ConfigJournal::add(ConfigChange change) {
    changes_.push_back(std::move(change));
    if (changes_.size() >= compactAt_) {
        compact();
        compactAt_ = changes_.size() * 2 + kFirstCompaction;
    }
}

void ConfigJournal::compact() {
    struct Latest {
        size_t index;        // the change kept for the key
        bool movable = true; // no delete of the key between it and earlier ones
    };
    std::unordered_set<std::string> erasedSections;
    std::unordered_map<std::string, Latest> latest;
    std::vector<bool> keep(changes_.size(), false);
    // From the newest: a change counts only if nothing later covers it.
    for (size_t i = changes_.size(); i-- > 0;) {
        ConfigChange& c = changes_[i];
        const std::string section = FoldCase(c.section);
        if (erasedSections.count(section))
            continue;
        if (c.kind == ConfigChange::Kind::EraseSection) {
            erasedSections.insert(section);
            keep[i] = true;
            continue;
        }
        // A section name cannot hold a line break, so it separates the two.
        const auto [it, isLatest] = latest.try_emplace(section + '\n' + FoldCase(c.key), Latest{i});
        if (isLatest) {
            keep[i] = true;
            continue;
        }
        Latest& l = it->second;
        if (c.kind == ConfigChange::Kind::DeleteKey) {
            l.movable = false;
        } else if (l.movable && changes_[l.index].kind == ConfigChange::Kind::Set) {
            // The later value goes where the key was first written, in the
            // spelling it was first written in, as replaying both would do.
            c.value = std::move(changes_[l.index].value);
            keep[l.index] = false;
            keep[i] = true;
            l.index = i;
        }
    }
    std::vector<ConfigChange> kept;
    for (size_t i = 0; i < changes_.size(); ++i)
        if (keep[i])
            kept.push_back(std::move(changes_[i]));
    changes_ = std::move(kept);
}

} // namespace qw
