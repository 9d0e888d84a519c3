#include "reader/bookmarks.h"

#include <algorithm>

namespace qw {

void Bookmarks::compact() {
    // Set bookmarks move up over empty slots, keeping their order; two empty
    // slots in front of a set one are closed as well.
    for (int& page : pages_)
        if (page < 0)
            page = kNone;
    std::stable_partition(pages_.begin(), pages_.end(), [](int page) { return page != kNone; });
}

std::optional<int> Bookmarks::caption(int i) const {
    if (i < 0 || i > 2 || pages_[static_cast<size_t>(i)] == kNone)
        return std::nullopt;
    return pages_[static_cast<size_t>(i)];
}

bool Bookmarks::setNext(int leftPage) {
    if (leftPage <= 0 || std::find(pages_.begin(), pages_.end(), leftPage) != pages_.end())
        return false;
    auto free = std::find(pages_.begin(), pages_.end(), kNone);
    if (free != pages_.end())
        *free = leftPage;
    else
        pages_[2] = leftPage;
    compact();
    return true;
}

std::optional<int> Bookmarks::target(int i, int pageCount) const {
    const std::optional<int> page = caption(i);
    if (!page)
        return std::nullopt;
    return std::clamp(*page, 0, std::max(0, pageCount));
}

bool Bookmarks::clear(int i) {
    if (i < 0 || i > 2 || pages_[static_cast<size_t>(i)] == kNone)
        return false;
    pages_[static_cast<size_t>(i)] = kNone;
    compact();
    return true;
}

bool Bookmarks::clearAll() {
    bool changed = false;
    for (int i = 2; i >= 0; --i)
        changed = clear(i) || changed;
    return changed;
}

} // namespace qw
