// Feeds arbitrary bytes through the RTF converter, as ".RTF" and by signature.
#include "import/convert.h"
#include "import/rtf_to_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = qw::RtfToText(bytes);
    // Nothing produces more than three bytes of text per input byte: a
    // Windows-1252 byte (raw or "\'93") is at most three bytes of UTF-8.
    if (text.size() > 3 * size + 16)
        __builtin_trap();
    (void)qw::ConvertToText(bytes, ".RTF", qw::ImportOptions{});
    return 0;
}
