#pragma once
// Options page "File specific": the book's font (Schriftart), size
// (Fontgroesse), tab width with "Apply", the three line-break options and
// "Set as default". The page shows the values and reports the reader's
// choices; the reader window stores them and fits or re-paginates.

#include "controls/ui/TPanelButton.h"
#include "settings/book_settings.h"

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace qw {

class FileSpecificPage : public QWidget {
    Q_OBJECT
  public:
    explicit FileSpecificPage(QWidget* parent = nullptr);

    void setFontList(const std::vector<std::string>& fonts);
    // Shows the settings without reporting them as chosen.
    void setValues(const BookSettings& settings);
    // Shows the book's encoding ("Auto" when the record names none).
    void setEncoding(const std::string& name);

    QComboBox* fontBox() const { return Schriftart; }
    QComboBox* sizeBox() const { return Fontgroesse; }
    QSpinBox* tabWidthBox() const { return TabWidth; }
    QCheckBox* removeBreaksBox() const { return ZWEntfernen; }
    QCheckBox* punctuationBox() const { return Punctuation; }
    QCheckBox* indentationBox() const { return Einzug; }
    QComboBox* encodingBox() const { return Encoding; }

  signals:
    void fontChosen(const std::string& name);
    void sizeChosen(int size);
    void tabWidthApplied(int width);
    void lineBreakOptionsChanged(bool remove, bool punctuation, bool indentation);
    void setAsDefaultClicked();
    // An encoding was chosen from the list: the book is read again with it.
    void encodingChosen(const std::string& name);

  private:
    void reportLineBreakOptions();

    QComboBox* Schriftart;
    QComboBox* Fontgroesse;
    QSpinBox* TabWidth;
    TPanelButton* ApplyTabWidth;
    QCheckBox* ZWEntfernen;
    QCheckBox* Punctuation;
    QCheckBox* Einzug;
    TPanelButton* SetDefault;
    QComboBox* Encoding;
};

} // namespace qw
