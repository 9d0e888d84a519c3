#pragma once
// The folder browser other windows use to pick a folder.

#include <string>

class QWidget;

namespace qw {

// Shows a chooser of file-system folders owned by owner, starting at
// initialFolder, horizontally centred over the active window with its top 50
// pixels below that window's top. Returns the chosen folder, or empty when
// the user cancels.
std::string BrowseForFolder(QWidget* owner, const std::string& title,
                            const std::string& initialFolder);

} // namespace qw
