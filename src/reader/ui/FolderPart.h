#pragma once
// The reader window's folder part: the first, previous, next and last file
// of the open book's folder (Ctrl+Home, Ctrl+Page Up, Ctrl+Page Down,
// Ctrl+End and the menu), and the file ordering window that puts several
// chosen files in order before they are joined.

#include "import/file_ref.h"
#include "reader/folder_navigation.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace qw {

struct ReaderContext;
class TFileSelForm;

class FolderPart : public QObject {
    Q_OBJECT
  public:
    // `open` opens a file or archive member the way the recent list does;
    // `folderWithoutBook` names the folder to use when no book is open.
    FolderPart(ReaderContext& context, std::function<bool(const FileRef&)> open,
               std::function<std::string()> folderWithoutBook);

    // Opens the file in that direction, or tells why there is none.
    void goToFile(FileDirection direction);
    // The file ordering window; the files in the chosen order, or none when
    // the user cancels.
    std::vector<FileRef> orderFiles(std::vector<FileRef> files);
    TFileSelForm* fileSelForm() const { return FileSelForm; }

    // "Files in this folder" with its four commands, placed before `before`.
    void addMenuCommands(QMenu& menu, QAction* before);

  private:
    std::vector<std::string> ignoredPatterns() const;

    ReaderContext& context_;
    std::function<bool(const FileRef&)> open_;
    std::function<std::string()> folderWithoutBook_;
    TFileSelForm* FileSelForm;
};

} // namespace qw
