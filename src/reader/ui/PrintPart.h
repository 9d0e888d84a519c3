#pragma once
// "Print text": the selection, or the two pages on screen, in the book's font
// and margins, through the system print dialog (which also prints to PDF).

#include <QObject>

#include <functional>

class QPrinter;

namespace qw {

struct PrintPlan;
struct ReaderContext;

class PrintPart : public QObject {
    Q_OBJECT
  public:
    explicit PrintPart(ReaderContext& context);

    // Does nothing without a book.
    void PrintText();
    // Lets the user choose the printer and its settings; false cancels. The
    // system print dialog unless a test puts its own choice here.
    std::function<bool(QPrinter&)> askPrinter;

  private:
    void print(QPrinter& printer, const PrintPlan& plan) const;

    ReaderContext& context_;
};

} // namespace qw
