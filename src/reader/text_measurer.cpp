#include "reader/text_measurer.h"

namespace qw {

FixedWidthMeasurer::FixedWidthMeasurer(double width, double average)
    : width_(width), average_(average < 0 ? width : average) {}

double FixedWidthMeasurer::advance(char32_t c) const {
    const auto found = advances_.find(c);
    return found == advances_.end() ? width_ : found->second;
}

double FixedWidthMeasurer::rightBearing(char32_t c) const {
    const auto found = bearings_.find(c);
    return found == bearings_.end() ? 0.0 : found->second;
}

std::shared_ptr<const TextMeasurer> FixedWidthMeasurer::clone() const {
    return std::make_shared<FixedWidthMeasurer>(*this);
}

} // namespace qw
