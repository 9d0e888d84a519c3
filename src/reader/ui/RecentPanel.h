#pragma once
// The panel "RECENT FILES LIST" / "FAVORITES" that floats over the book: two
// lists of shown names (each item keeps its full path), the base folder and
// the buttons that change it or add favourites. It only shows and reports;
// the recent part carries the actions out.

#include "controls/ui/TPanelButton.h"
#include "settings/recent_files.h"

#include <QFrame>
#include <QListWidget>

#include <string>
#include <vector>

class QCheckBox;
class QLabel;

namespace qw {

// One shown entry: its name, its full path and whether it still exists.
struct PanelEntry {
    DisplayName shown;
    bool exists = true;
};

// A list box whose clicks report the full path with the keys held.
class PathListBox : public QListWidget {
    Q_OBJECT
  public:
    using QListWidget::QListWidget;
    std::string selectedPath() const;

  signals:
    void entryClicked(const std::string& fullPath, Qt::KeyboardModifiers modifiers);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class RecentPanel : public QFrame {
    Q_OBJECT
  public:
    explicit RecentPanel(QWidget* parent);

    void setEntries(PathList which, const std::vector<PanelEntry>& entries);
    void setBaseDirectory(const std::string& dir);
    PathListBox* list(PathList which) const;
    // The list that has the keyboard focus, if any.
    PathListBox* focusedList() const;
    bool isList(const QWidget* widget) const;
    // Shows it over the book, sized to its lists, centred below `top`.
    void showOver(int top);

  signals:
    void entryClicked(PathList which, const std::string& fullPath, Qt::KeyboardModifiers mods);
    void setCurrentClicked();
    void browseClicked();
    void addCurrentClicked();
    void addDirectoryClicked();

  private:
    void fill(PathListBox* box, const std::vector<PanelEntry>& entries);
    void refreshHints();

    PathListBox* RecentList;
    PathListBox* FavoriteList;
    QLabel* BaseDirLabel;
    QCheckBox* ShowInfo;
};

} // namespace qw
