#include "reader/window_layout.h"

#include <algorithm>

namespace qw {

int ClampMargin(int pixels) {
    return std::clamp(pixels, 0, kMaxMargin);
}

PageMargins ClampMargins(const PageMargins& margins) {
    PageMargins out{};
    for (size_t i = 0; i < margins.size(); ++i)
        out[i] = ClampMargin(margins[i]);
    return out;
}

PageMargins AppliedMargins(const PageMargins& stored, bool apply) {
    return apply ? ClampMargins(stored) : PageMargins{};
}

bool MarginEditsDiffer(const PageMargins& edits, const PageMargins& stored) {
    return edits != stored;
}

bool PageNumbersBelowAllowed(const PageMargins& applied) {
    return applied[3] > 16;
}

PageWork DecidePageWork(std::string_view changeReason, bool automaticallyFit, bool needsRefit) {
    if (changeReason == "ChangeTOC")
        return PageWork::ShowOnly;
    if (changeReason == "DateiLaden" || changeReason == "DLChangeTOC")
        return PageWork::Fit;
    return automaticallyFit && needsRefit ? PageWork::Fit : PageWork::Repaginate;
}

} // namespace qw
