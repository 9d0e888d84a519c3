#include "catalogue/catalogue_list.h"

#include "catalogue/ascii.h"
#include "catalogue/text_fold.h"
#include "import/unicode_text.h"

#include <algorithm>
#include <cstring>

namespace qw {

namespace {

bool Contains(std::string_view haystack, std::string_view needle) {
    return needle.size() <= haystack.size() &&
           memmem(haystack.data(), haystack.size(), needle.data(), needle.size()) != nullptr;
}

} // namespace

std::string NumberSortKey(std::string_view number) {
    number = TrimBlanks(number);
    const bool australian = !number.empty() && number[0] == 'A';
    if (australian)
        number = TrimBlanks(number.substr(1));
    size_t digits = 0;
    while (digits < number.size() && number[digits] >= '0' && number[digits] <= '9')
        ++digits;
    std::string key(1, australian ? '1' : '0');
    if (digits < 12)
        key.append(12 - digits, '0');
    key.append(number);
    return key;
}

void CatalogueList::reset(const std::vector<CatalogueEntry>& entries) {
    entries_ = &entries;
    rows_.resize(entries.size());
    for (size_t i = 0; i < rows_.size(); ++i)
        rows_[i] = static_cast<std::uint32_t>(i);
    sortColumn_ = kNumber;
    ascending_ = false;
    sequenced_ = false;
    titleKeys_.clear();
    foldedFields_.clear();
}

void CatalogueList::sortBy(int column) {
    if ((column != kNumber && column != kTitle) || !entries_ || entries_->empty())
        return;
    sort(column, column != sortColumn_ ? true : !ascending_);
}

void CatalogueList::sort(int column, bool ascending) {
    if ((column != kNumber && column != kTitle) || !entries_)
        return;
    sortColumn_ = column;
    ascending_ = ascending;
    sequenced_ = true;
    if (column == kTitle) {
        const std::vector<std::string>& keys = titleKeys();
        const std::vector<CatalogueEntry>& e = *entries_;
        std::stable_sort(rows_.begin(), rows_.end(), [&](std::uint32_t a, std::uint32_t b) {
            if (!ascending)
                std::swap(a, b);
            return TitleLess(keys[a], e[a].title, keys[b], e[b].title);
        });
        return;
    }
    std::vector<std::string> keys(entries_->size());
    for (std::uint32_t row : rows_)
        keys[row] = NumberSortKey((*entries_)[row].number);
    std::stable_sort(rows_.begin(), rows_.end(), [&](std::uint32_t a, std::uint32_t b) {
        return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
    });
}

const std::vector<std::string>& CatalogueList::titleKeys() {
    if (titleKeys_.size() != entries_->size()) {
        titleKeys_.resize(entries_->size());
        for (size_t i = 0; i < entries_->size(); ++i)
            titleKeys_[i] = TitleSortKey((*entries_)[i].title);
    }
    return titleKeys_;
}

const std::vector<std::string>& CatalogueList::foldedFields() {
    if (foldedFields_.size() != 3 * entries_->size()) {
        foldedFields_.resize(3 * entries_->size());
        for (size_t i = 0; i < entries_->size(); ++i) {
            const CatalogueEntry& e = (*entries_)[i];
            foldedFields_[3 * i] = SimpleCaseFold(e.number);
            foldedFields_[3 * i + 1] = SimpleCaseFold(e.title);
            foldedFields_[3 * i + 2] = SimpleCaseFold(e.info);
        }
    }
    return foldedFields_;
}

void CatalogueList::filter(std::string_view text, bool caseSensitive) {
    if (!entries_)
        return;
    sequenced_ = true;
    rows_.clear();
    const auto count = static_cast<std::uint32_t>(entries_->size());
    if (TrimBlanks(text).empty()) {
        for (std::uint32_t i = 0; i < count; ++i)
            rows_.push_back(i);
        return;
    }
    if (caseSensitive) {
        for (std::uint32_t i = 0; i < count; ++i) {
            const CatalogueEntry& e = (*entries_)[i];
            if (Contains(e.number, text) || Contains(e.title, text) || Contains(e.info, text))
                rows_.push_back(i);
        }
        return;
    }
    const std::string needle = SimpleCaseFold(text);
    const std::vector<std::string>& folded = foldedFields();
    for (std::uint32_t i = 0; i < count; ++i)
        if (Contains(folded[3 * i], needle) || Contains(folded[3 * i + 1], needle) ||
            Contains(folded[3 * i + 2], needle))
            rows_.push_back(i);
}

} // namespace qw
