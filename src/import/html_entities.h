#pragma once
// The character references the HTML and XML converters decode, in UTF-8: 282
// named and numbered references of HTML 4 (a few beyond Windows-1252 as
// approximations), "#32" to "#159" as the Windows-1252 characters of their
// byte, and any other decimal or hexadecimal number as its character.
// References not understood stay as written.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qw {

// The replacement text of a reference name (without "&" and ";"); names
// compare case-sensitively. Nothing when the name is not in the table.
std::optional<std::string> LookupCharacterReference(std::string_view name);

// The number of names in the table (410).
std::size_t CharacterReferenceCount();

// Upper-casing in the Windows-1252 code page, accented letters included.
char UpperCp1252(char c);

} // namespace qw
