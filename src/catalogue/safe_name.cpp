#include "catalogue/safe_name.h"

namespace qw {

bool IsSafeFileName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == 127 || c == '/' || c == '\\')
            return false;
    }
    return true;
}

} // namespace qw
