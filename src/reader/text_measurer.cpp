#include "reader/text_measurer.h"

namespace qw {

FixedWidthMeasurer::FixedWidthMeasurer(double width, double average)
    : average_(average < 0 ? width : average) {
    advances_.fill(width);
}

} // namespace qw
