#pragma once
// Options page "Margins": "Apply margin settings", the four margin edits and
// "Change margins to:", which is enabled only while an edit differs from the
// stored margins. Enter in an edit or on the check box applies the margins.

#include "controls/ui/TPanelButton.h"
#include "reader/window_layout.h"

#include <QWidget>

class QCheckBox;
class QSpinBox;

namespace qw {

class MarginsPage : public QWidget {
    Q_OBJECT
  public:
    explicit MarginsPage(QWidget* parent = nullptr);

    // Presets the edits from the stored margins (and disables the button).
    void setStored(const PageMargins& margins, bool apply);
    PageMargins edits() const;
    void setEdits(const PageMargins& margins);
    TPanelButton* changeButton() const { return ChangeMargins; }
    QCheckBox* applyBox() const { return ApplyMargins; }

  signals:
    void applyToggled(bool apply);
    void changeRequested(const qw::PageMargins& margins);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateChangeButton();
    void requestChange();

    PageMargins stored_{};
    QCheckBox* ApplyMargins;
    QSpinBox* edits_[4];
    TPanelButton* ChangeMargins;
};

} // namespace qw
