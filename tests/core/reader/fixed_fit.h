#pragma once
// The reader's fitting without a font: every character one pixel wide, tab
// stops of 32, single line breaks kept, progress not shown.

#include "reader/book.h"
#include "reader/fit_lines.h"
#include "reader/para_wrap.h"
#include "reader/text_measurer.h"

#include <string>

namespace qw::test {

class FixedFit {
  public:
    // A page `width` characters wide.
    explicit FixedFit(double width) {
        wrap.setFont(measurer_);
        wrap.setBounds(width, 0);
        wrap.setTabStops(32);
        options.removeLineBreaks = false;
    }
    FixedFit(const FixedFit&) = delete;
    FixedFit& operator=(const FixedFit&) = delete;

    bool fit(Book& book) { return FitLines(book, options, wrap, host_); }

  private:
    struct Quiet : FitHost {
        void showProgress(const std::string&) override {}
    };
    FixedWidthMeasurer measurer_{1.0};
    Quiet host_;

  public:
    ParaWrap wrap;
    FitOptions options;
};

} // namespace qw::test
