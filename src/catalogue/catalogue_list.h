#pragma once
// The catalogue list: which entries are shown, in which order. Sorting by
// number or by title is stable (rows with equal keys keep their order); a
// filter shows the matching entries in index order.
//
//   CatalogueList list(entries);
//   list.filter("twain", false);
//   list.sortBy(CatalogueList::kTitle);   // ascending; again: descending
//   for (std::uint32_t i : list.rows()) use(entries[i]);

#include "catalogue/catalogue_entry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

class CatalogueList {
  public:
    static constexpr int kNumber = 0;
    static constexpr int kTitle = 1;

    CatalogueList() = default;
    explicit CatalogueList(const std::vector<CatalogueEntry>& entries) { reset(entries); }

    // Shows every entry in index order; sort state back to the start.
    void reset(const std::vector<CatalogueEntry>& entries);

    const std::vector<std::uint32_t>& rows() const { return rows_; }
    const CatalogueEntry& entry(size_t row) const { return (*entries_)[rows_[row]]; }
    // Whether the rows were sorted or filtered since the last reset (then a
    // row's position is its sequence number).
    bool sequenced() const { return sequenced_; }

    // The first sort by a column is ascending, the next by it descending, and
    // so on; other columns and an empty list are ignored.
    void sortBy(int column);
    void sort(int column, bool ascending);
    int sortColumn() const { return sortColumn_; }
    bool ascending() const { return ascending_; }

    // Matching entries in index order: the text as typed is looked for in the
    // number, the title or the information; all entries when the text is
    // blank. Without caseSensitive, letter case does not matter.
    void filter(std::string_view text, bool caseSensitive);
    // Makes the entries' lower-case copies that filtering without case uses,
    // so that the first typed letter is as quick as the next ones (the window
    // does it when it lists the entries).
    void prepareFilter() { foldedFields(); }

  private:
    const std::vector<std::string>& titleKeys();
    const std::vector<std::string>& foldedFields();

    const std::vector<CatalogueEntry>* entries_ = nullptr;
    std::vector<std::uint32_t> rows_;
    int sortColumn_ = kNumber;
    bool ascending_ = false;
    bool sequenced_ = false;
    std::vector<std::string> titleKeys_;    // made on the first sort by title
    std::vector<std::string> foldedFields_; // three per entry, made on the first such filter
};

// The order of catalogue numbers: plain numbers by value ("999" before
// "70245" before "100123", "C" after the digits), Australian ones after all
// of them.
std::string NumberSortKey(std::string_view number);

} // namespace qw
