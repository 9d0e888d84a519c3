// Feeds arbitrary bytes to the INI store: parsing, look-ups, writes and the
// rewritten text, which must parse back to the same text.
#include "settings/config_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qw::ConfigFile config;
    config.Parse(bytes);
    const auto sections = config.ReadSections();
    for (const std::string& section : sections) {
        for (const std::string& key : config.ReadSection(section)) {
            (void)config.ReadString(section, key, "");
            (void)config.ReadInteger(section, key, 0);
            (void)config.ReadBool(section, key, false);
        }
        (void)config.ReadSectionValues(section);
    }
    // Writes with names and values cut from the input.
    const std::string_view name = bytes.substr(0, size / 3);
    const std::string_view value = bytes.substr(size / 3);
    config.WriteString(name, name, value);
    if (!sections.empty()) {
        config.DeleteKey(sections.front(), "Page");
        config.EraseSection(sections.back());
    }
    config.WriteString("Options", "Book style", "Yes");
    const std::string text = config.Text();
    qw::ConfigFile again;
    again.Parse(text);
    // A second byte-order mark at the start is dropped by the next reading.
    const bool bom = text.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if ((!bom && again.Text() != text) || again.ReadString("Options", "Book style", "") != "Yes")
        std::abort();
    return 0;
}
