// Feeds arbitrary bytes through the plain-text branch and the shared passes.
#include "import/convert.h"
#include "import/plain_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const qw::ConvertResult result = qw::ConvertToText(bytes, ".TXT", qw::ImportOptions{});
    const std::string normal = qw::NormalizeLineBreaks(result.text, size % 2 == 0);
    (void)qw::TrimConvertedText(normal);
    return 0;
}
