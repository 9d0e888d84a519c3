#include "reader/page_layout.h"

#include "reader/page_moves.h"

#include <algorithm>

namespace qw {

namespace {

void MoveUp(Rect& r, int dy) {
    r.y -= dy;
}

} // namespace

PageLayout ComputePageLayout(const LayoutInput& in) {
    if (in.aboveScreen > 0) {
        LayoutInput taller = in;
        taller.clientHeight += in.aboveScreen;
        taller.aboveScreen = 0;
        PageLayout out = ComputePageLayout(taller);
        for (Rect* r : {&out.left, &out.right, &out.bookPicture, &out.separator, &out.topLine,
                        &out.leftTurnArea, &out.rightTurnArea, &out.progressBar})
            MoveUp(*r, in.aboveScreen);
        return out;
    }
    PageLayout out;
    const int t = in.contentsWidth;
    const int h = (in.clientWidth - in.separatorWidth - t) / 2;
    const int barBelow = in.progressBarShown && in.progressBarBelow ? in.progressBarHeight + 4 : 0;
    const int v = in.clientHeight - (in.buttonRowHeight + 9) - barBelow;
    out.halfWidth = h;
    out.availableHeight = v;
    const int l = in.margins[kMarginLeft], r = in.margins[kMarginRight];
    const int tm = in.margins[kMarginTop], b = in.margins[kMarginBottom];

    if (in.bookStyle) {
        const int outer = RoundHalfEven(0.05 * h);
        const int inner = RoundHalfEven(0.03 * h);
        const int topInset = RoundHalfEven(0.02 * h);
        const int bottomInset = RoundHalfEven(0.008 * h);
        const int pictureTop = in.buttonRowHeight;
        const int pictureBottom =
            barBelow > 0 ? in.clientHeight - in.progressBarHeight - 2 : in.clientHeight;
        out.bookPicture = {t, pictureTop, std::max(0, in.clientWidth - t),
                           std::max(0, pictureBottom - pictureTop)};
        const int pageHeight = std::max(10, v - topInset - bottomInset - tm - b);
        const int pageWidth = std::max(10, h - outer - inner - l - r + 2);
        const int y = pictureTop + topInset + tm;
        out.left = {outer + l + t - 2, y, pageWidth, pageHeight};
        out.right = {out.bookPicture.width / 2 + inner + r + t - 2, y, pageWidth, pageHeight};
    } else {
        out.separator = {t + h, in.buttonRowHeight, in.separatorWidth, std::max(0, v)};
        out.topLine = {t + 5, in.buttonRowHeight, std::max(0, in.clientWidth - t - 5), 1};
        const int pageHeight = v - tm - b;
        const int pageWidth = h - 5 - l - r;
        const int y = in.buttonRowHeight + 2 + tm;
        out.left = {l + 4 + t, y, pageWidth, pageHeight};
        out.right = {out.separator.right() + 4 + r, y, pageWidth, pageHeight};
    }
    const int areaTop = in.buttonRowHeight;
    const int areaHeight = std::max(0, in.clientHeight - areaTop - barBelow);
    out.leftTurnArea = {t, areaTop, std::max(0, out.left.x - t), areaHeight};
    out.rightTurnArea = {out.right.right(), areaTop,
                         std::max(0, in.clientWidth - out.right.right()), areaHeight};
    if (barBelow > 0)
        out.progressBar = {t + 4, in.clientHeight - in.progressBarHeight - 2,
                           std::max(0, in.clientWidth - t - 8), in.progressBarHeight};
    return out;
}

} // namespace qw
