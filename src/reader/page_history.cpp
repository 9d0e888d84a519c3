#include "reader/page_history.h"

#include "reader/page_moves.h"

namespace qw {

void PageHistory::record(int leftPage) {
    if (selected_ >= 0 && selected_ + 1 < static_cast<int>(entries_.size()))
        entries_.resize(static_cast<size_t>(selected_) + 1);
    const std::string page = std::to_string(leftPage);
    if (entries_.empty() || entries_.back() != page) {
        entries_.push_back(page);
        selected_ = static_cast<int>(entries_.size()) - 1;
    }
}

std::optional<int> PageHistory::pageAt(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return std::nullopt;
    selected_ = index;
    return ParseInteger(entries_[static_cast<size_t>(index)]);
}

std::optional<int> PageHistory::back() {
    if (selected_ <= 0)
        return std::nullopt;
    return pageAt(selected_ - 1);
}

std::optional<int> PageHistory::forward() {
    if (selected_ < 0 || selected_ + 1 >= static_cast<int>(entries_.size()))
        return std::nullopt;
    return pageAt(selected_ + 1);
}

std::optional<int> PageHistory::choose(int index) {
    return pageAt(index);
}

void PageHistory::clear() {
    entries_.clear();
    selected_ = -1;
}

} // namespace qw
