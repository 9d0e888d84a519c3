// Feeds arbitrary bytes through the XML converter; the text may not grow
// beyond a few times the input.
#include "import/convert.h"
#include "import/xml_to_text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = qw::XmlToText(bytes);
    if (text.size() > 3 * size + 3 * qw::kMaxSpaceRun)
        __builtin_trap();
    const qw::ConvertResult result = qw::ConvertToText(bytes, ".XML", {});
    if (result.failed || result.text.size() > 3 * size + 3 * qw::kMaxSpaceRun)
        __builtin_trap();
    (void)qw::DeclaredXmlEncoding(bytes);
    return 0;
}
