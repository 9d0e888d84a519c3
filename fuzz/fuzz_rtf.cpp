// Feeds arbitrary bytes through the RTF converter, as ".RTF" and by signature.
#include "import/convert.h"
#include "import/rtf_to_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = qw::RtfToText(bytes);
    // Nothing produces more than a few bytes of text per input byte.
    if (text.size() > 2 * size + 16)
        __builtin_trap();
    (void)qw::ConvertToText(bytes, ".RTF", qw::ImportOptions{});
    return 0;
}
