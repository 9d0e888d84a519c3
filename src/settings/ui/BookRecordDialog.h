#pragma once
// A window with the record pages of the current book as tabs: "Book info",
// "Annotation" and "INI file".

#include "settings/ui/IniFileListPage.h"

#include <QDialog>

class QTabWidget;

namespace qw {

class AnnotationPage;
class BookInfoPage;

class BookRecordDialog : public QDialog {
    Q_OBJECT
  public:
    BookRecordDialog(IniListBinding binding, QWidget* parent = nullptr);

    BookInfoPage* bookInfoPage() const { return info_; }
    AnnotationPage* annotationPage() const { return annotation_; }
    IniFileListPage* iniFileListPage() const { return iniList_; }
    QTabWidget* tabs() const { return tabs_; }

  private:
    QTabWidget* tabs_;
    BookInfoPage* info_;
    AnnotationPage* annotation_;
    IniFileListPage* iniList_;
};

} // namespace qw
