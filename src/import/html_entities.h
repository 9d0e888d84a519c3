#pragma once
// The character references the HTML and XML converters decode: 282 named and
// numbered references of HTML 4 mapped into Windows-1252, and "#32" to "#159"
// mapped to their own byte. References not in the table stay as written.

#include <cstddef>
#include <optional>
#include <string_view>

namespace qw {

// The replacement text of a reference name (without "&" and ";"); names
// compare case-sensitively. Nothing when the name is not in the table.
std::optional<std::string_view> LookupCharacterReference(std::string_view name);

// The number of names in the table (410).
std::size_t CharacterReferenceCount();

// Upper-casing in the Windows-1252 code page, accented letters included.
char UpperCp1252(char c);

} // namespace qw
