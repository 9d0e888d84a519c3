// Feeds arbitrary bytes through the Palm DOC reader and the record decoder,
// and checks that compressing the bytes as a record decodes back to them.
#include "import/palm_doc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)qw::PalmDocToText(bytes, size % 2 == 0);
    std::string out;
    (void)qw::DecompressPalmDocRecord(bytes, out);

    const std::string_view record = bytes.substr(0, 4096);
    const std::string packed = qw::CompressPalmDocRecord(record);
    std::string unpacked;
    if (!qw::DecompressPalmDocRecord(packed, unpacked) || unpacked != record)
        __builtin_trap();
    return 0;
}
