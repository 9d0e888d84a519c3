// Feeds arbitrary bytes through the HTML converter under every emphasis
// option; the text may not grow beyond a few times the input.
#include "import/convert.h"
#include "import/html_to_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qw::ImportOptions options;
    options.htmlEmphasisAsCapitals = size > 0 && (data[0] & 1) != 0;
    options.htmlEmphasisMarks = size > 0 && (data[0] & 2) != 0;
    const std::string text = qw::HtmlToText(bytes, options);
    if (text.size() > 4 * size + 64)
        __builtin_trap();
    const qw::ConvertResult result = qw::ConvertToText(bytes, ".HTML", options);
    if (result.failed || result.text.size() > 4 * size + 64)
        __builtin_trap();
    return 0;
}
