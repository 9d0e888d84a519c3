#pragma once
// File names that come from a server (a link of a listing page, a redirect)
// or from the catalogue index are never trusted: only a plain name that
// stays inside the save folder may be written.

#include <string_view>

namespace qw {

// True for a non-empty name of at most 255 bytes without "/", "\", control
// characters (below 32 and 127), and other than "." and "..". Such a name,
// joined to a folder, always names a file directly in that folder.
bool IsSafeFileName(std::string_view name);

} // namespace qw
