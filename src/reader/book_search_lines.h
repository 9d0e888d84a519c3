#pragma once
// The fitted display lines of the open book for a search: a line that
// follows the one read before is wrapped on from where that one ended, so
// reading the book in order wraps each logical line once.

#include "reader/book.h"
#include "reader/find_text.h"
#include "reader/fit_lines.h"
#include "reader/para_wrap.h"

#include <cstddef>
#include <optional>

namespace qw {

class BookSearchLines : public SearchLines {
  public:
    // Both must outlive this reader and stay unchanged while it reads.
    BookSearchLines(const Book& book, const ParaWrap& wrap) : book_(book), wrap_(wrap) {}

    int count() const override { return book_.LineCount; }
    // The text DisplayLineText gives; empty out of range.
    std::string_view line(int n) override;

  private:
    std::optional<DisplayLinePlace> placeOf(int n) const;

    const Book& book_;
    const ParaWrap& wrap_;
    bool known_ = false; // the fields below describe the line read last
    int number_ = 0;
    std::size_t logical_ = 0;
    int wrapped_ = 0;
    std::size_t end_ = 0; // where that wrapped line ended in its logical line
};

} // namespace qw
