// Feeds arbitrary text through the Project Gutenberg frame finder and the
// chapter heading recogniser: the body must lie inside the text, the header
// fields inside its header, and every line must be judged without a crash.
#include "reader/chapter_headings.h"
#include "reader/gutenberg_frame.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qw::GutenbergFrame frame = qw::FindGutenbergFrame(text);
    if (frame.found && !(frame.bodyBegin <= frame.bodyEnd && frame.bodyEnd <= size))
        __builtin_trap();
    const qw::GutenbergHeader& h = frame.header;
    if (h.title.size() + h.author.size() + h.translator.size() + h.releaseDate.size() +
            h.language.size() >
        size)
        __builtin_trap();
    (void)qw::HeaderNotes(h);
    std::size_t start = 0;
    while (start <= size) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = size;
        (void)qw::ChapterHeadingKind(text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}
