#pragma once
// The three bookmarks: page numbers kept compact (a set bookmark never
// follows an empty slot), set on the left page, cleared one by one or all.

#include <array>
#include <optional>

namespace qw {

class Bookmarks {
  public:
    static constexpr int kNone = -1;
    using Pages = std::array<int, 3>;

    Bookmarks() = default;
    explicit Bookmarks(const Pages& pages) : pages_(pages) { compact(); }

    const Pages& pages() const { return pages_; }
    // The caption of numbered button i (0..2): the page, or nothing.
    std::optional<int> caption(int i) const;

    // Bookmarks the left page unless it is the title page or already
    // bookmarked; the first free slot takes it, else it replaces the third.
    // True when something changed.
    bool setNext(int leftPage);
    // The page to go to for button i, limited to 0..pageCount.
    std::optional<int> target(int i, int pageCount) const;
    bool clear(int i);
    bool clearAll();

  private:
    void compact();

    Pages pages_{kNone, kNone, kNone};
};

} // namespace qw
