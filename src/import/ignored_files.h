#pragma once
// Files that are never offered as text: a fixed table of extensions of
// pictures, sounds, programs and the like, archives inside archives, and the
// user's patterns from the "Ignored files" section ("*.lit" by default).

#include <string>
#include <string_view>
#include <vector>

namespace qw {

// Letter case is ignored. A file part is taken after the last "\" or ":" (a
// "/" does not separate, so a pattern never matches inside an archive
// folder); a pattern part ending in "*" matches every part that begins with
// the text before it.
bool IsIgnoredFile(std::string_view name, bool ignoreArchives,
                   const std::vector<std::string>& patterns);

// The extensions that are always ignored (".GIF", ".EXE", ...).
const std::vector<std::string>& AlwaysIgnoredExtensions();

} // namespace qw
