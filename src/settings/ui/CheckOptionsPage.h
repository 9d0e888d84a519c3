#pragma once
// An options page of check boxes, made from a table. The page only shows the
// states and reports clicks by the option's number; the window that owns the
// page stores each option and carries out its effect.

#include "settings/settings_model.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QVBoxLayout;

namespace qw {

struct CheckOption {
    int id;              // the caller's number for the option
    const char* name;    // object name of the check box
    const char* caption; // the program's own text
    const char* hint;    // tool tip, or nullptr
    bool indented;       // belongs to the option above it
    Setting setting;     // the stored option, Setting::Count when it is not stored
};

class CheckOptionsPage : public QWidget {
    Q_OBJECT
  public:
    explicit CheckOptionsPage(const std::vector<CheckOption>& options, QWidget* parent = nullptr);

    // Shows the stored options as the settings hold them.
    void showStored(const Settings& settings);
    // The setting an option is stored in; Setting::Count for none.
    Setting settingOf(int id) const;
    // Shows a state without reporting it as a click.
    void setChecked(int id, bool checked);
    bool isChecked(int id) const;
    void setOptionEnabled(int id, bool enabled);
    // nullptr for a number the page does not have.
    QCheckBox* checkBox(int id) const;
    // Where further controls go, below the check boxes.
    QVBoxLayout* below() const { return below_; }

  signals:
    void optionClicked(int id, bool checked);

  private:
    struct Box {
        int id;
        Setting setting;
        QCheckBox* box;
    };
    std::vector<Box> boxes_;
    QVBoxLayout* below_;
};

} // namespace qw
