// Feeds arbitrary bytes as a server's directory listing page through the
// three link collections: what they find is never more than the page holds,
// and every name they offer for saving is a plain file name.
#include "catalogue/safe_name.h"
#include "catalogue/server_links.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void Check(const std::vector<std::string>& links, std::size_t size) {
    std::size_t total = 0;
    for (const std::string& link : links)
        total += link.size();
    if (total > size)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view page(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> fresh = qw::NewStyleLinks(page);
    Check(fresh, size);
    Check(qw::OldStyleLinks(page, "etext9"), size);
    const std::vector<std::string> australian = qw::AustralianLinks(page, "01000");
    Check(australian, size);
    for (const std::string& name :
         {qw::PickNewStyle(fresh, "12345.txt"), qw::PickAustralian(australian, "0100011.txt")})
        if (!name.empty() && !qw::IsSafeFileName(name))
            __builtin_trap();
    return 0;
}
