// Feeds arbitrary bytes through the Word recogniser, the compound-file reader
// and the Word text extraction.
#include "import/compound_file.h"
#include "import/word_doc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const qw::WordDocument document = qw::IsWordDocument(bytes);
    (void)qw::WordDocToText(bytes, document, size % 2 == 0);
    std::vector<std::string> warnings;
    if (const auto file = qw::CompoundFile::Open(bytes, warnings)) {
        qw::CompoundStream stream;
        if (file->find("WordDocument", stream) == qw::CompoundLookup::Found)
            (void)file->read(stream);
    }
    return 0;
}
