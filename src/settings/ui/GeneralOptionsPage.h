#pragma once
// Options page "General": the look of the reader window and how files are
// named. The page only shows the states and reports clicks; the reader
// window stores each option and carries out its effect.

#include <QWidget>

class QCheckBox;

namespace qw {

class GeneralOptionsPage : public QWidget {
    Q_OBJECT
  public:
    enum class Option {
        BookStyle,
        FullScreen,
        Antialiasing,
        PageNumbersBelow,
        ShowProgressBar,
        ProgressBarBelow,
        HideFilePaths,
        HideArchiveNames,
        HideIgnoredFiles,
        ApplyDefaultSettings,
    };
    static constexpr int kOptionCount = 10;

    explicit GeneralOptionsPage(QWidget* parent = nullptr);

    // Shows a state without reporting it as a click.
    void setChecked(Option option, bool checked);
    bool isChecked(Option option) const;
    void setOptionEnabled(Option option, bool enabled);
    QCheckBox* checkBox(Option option) const;

  signals:
    void optionClicked(qw::GeneralOptionsPage::Option option, bool checked);

  private:
    QCheckBox* boxes_[kOptionCount];
};

} // namespace qw
