#pragma once
// The options group "Criteria for identifying TOC sections:": preceding blank
// lines, header size, "count blank lines", the header text, automatic
// creation and "Apply". The options panel holds it; the reader window
// connects it (TForm1::attachTocCriteria).

#include "controls/ui/TPanelButton.h"
#include "settings/book_settings.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace qw {

class TocCriteriaGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit TocCriteriaGroup(QWidget* parent = nullptr);

    // Shows the settings without reporting them as changed.
    void setValues(const BookSettings& settings);
    // Copies the group's values into the contents fields of `settings`.
    void writeTo(BookSettings& settings) const;
    // "Always list chapter headings", a general option shown among the criteria.
    void setAlwaysListChapters(bool on);

  signals:
    // A value was changed by the user; headerTextOnly when it was the header text.
    void criterionChanged(bool headerTextOnly);
    void applyClicked();
    void alwaysListChaptersToggled(bool on);

  private:
    QSpinBox* PreChapter;
    QSpinBox* ChapterLines;
    QCheckBox* ChapterCountBlank;
    QLineEdit* HeaderText;
    QCheckBox* AutomaticTOC;
    TPanelButton* ApplyTOC;
    QCheckBox* SectionNewPage;
    QCheckBox* SectionRightPage;
    QCheckBox* AlwaysListChapters;
};

} // namespace qw
