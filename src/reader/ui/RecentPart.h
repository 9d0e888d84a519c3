#pragma once
// The reader window's recent part: the last read file, the recent files and
// favourites with their panel, the "Recent" button (click: the panel; right
// click: the latest file) and the base folder. The lists are read from the
// configuration whenever they are shown.

#include "controls/ui/TPanelButton.h"
#include "import/file_ref.h"
#include "reader/commands.h"
#include "reader/ui/ReaderContext.h"
#include "settings/recent_files.h"

#include <QObject>

#include <functional>
#include <string>

class QBoxLayout;

namespace qw {

class RecentPanel;
class RecordsPart;

class RecentPart : public QObject {
    Q_OBJECT
  public:
    RecentPart(ReaderContext& context, QBoxLayout& buttonRow, RecordsPart& records);

    // How the window opens a file of a list, and the open dialog in a folder.
    std::function<void(const std::string& path, const std::string& entry)> openKnownFile;
    std::function<void(const std::string& folder)> openDialogIn;
    // Where the panel's top goes (below the button row).
    std::function<int()> panelTop = [] { return 0; };

    RecentPanel* panel() const { return Recent; }
    bool isOpen() const;
    void recentKeyState(KeyState& s, const QWidget* focus) const;

    // A single file was opened or saved; the book was closed.
    void registerLastRead(const FileRef& file);
    void bookClosed();

  public slots:
    void ShowRecentPanel(); // toggles it
    void hidePanel();
    void OpenLatest();
    // Enter and Delete in a list of the panel.
    void openSelected();
    void deleteSelected();

  private:
    void entryClicked(PathList which, const std::string& path, Qt::KeyboardModifiers mods);
    void open(PathList which, const std::string& path);
    void applyBaseDirectory(const std::string& dir);
    void refresh();
    std::string currentFolder() const;
    RecentFiles lists() const;

    ReaderContext& context_;
    RecordsPart& records_;
    RecentPanel* Recent;
    TPanelButton* MBRecent;
};

} // namespace qw
