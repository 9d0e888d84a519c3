#pragma once
// The reader window's colours: reads the "Default" colours at start, marks
// the window's controls with the colour roles they play and paints the
// window, its pages, panels and the options window in the current colours
// whenever they change.

#include "reader/ui/ReaderContext.h"

#include <QObject>

class QWidget;

namespace qw {

class PageArea;

class ColoursPart : public QObject {
    Q_OBJECT
  public:
    explicit ColoursPart(ReaderContext& context);

  public slots:
    // Paints everything in the current colours; the title page is redrawn.
    void apply();

  private:
    QWidget& window_;
    PageArea& pages_;
};

} // namespace qw
