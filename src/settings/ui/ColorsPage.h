#pragma once
// The "Colors" options page: the scheme list ("Default" first), "New" and
// "Delete", and the eight colour buttons, each pair (book, window, list)
// previewing its text colour on its background. A change of the current
// colours is announced through coloursChanged; the window repaints itself.

#include "controls/ui/TPanelButton.h"
#include "settings/colour_scheme.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QComboBox;

namespace qw {

class Dialogs;

class ColorsPage : public QWidget {
    Q_OBJECT
  public:
    ColorsPage(ConfigFile& config, Dialogs& dialogs, QWidget* parent = nullptr);

    // The colour choice; by default QColorDialog with the custom colours
    // preset. Nothing when the user cancels.
    std::function<std::optional<QColor>(SchemeColour which, const QColor& current)> chooseColour;

    QComboBox* schemeList() const { return ColorScheme; }
    TPanelButton* colourButton(SchemeColour which) const;
    // Runs the choice of the selected list entry.
    void chooseScheme(int index);
    void NewClick();
    void DeleteClick();
    void colourClicked(SchemeColour which);
    // The buttons' previews follow the current colours.
    void refreshPreviews();

  signals:
    void coloursChanged();

  private:
    std::string selectedName() const;

    ConfigFile& config_;
    Dialogs& dialogs_;
    QComboBox* ColorScheme;
    TPanelButton* NewScheme;
    TPanelButton* DeleteScheme;
    std::array<TPanelButton*, kSchemeColourCount> buttons_{};
};

} // namespace qw
