#include "reader/ui/PrintPart.h"

#include "controls/dialogs.h"
#include "reader/book.h"
#include "reader/print_text.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/ReaderContext.h"
#include "settings/page_margins.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QWidget>

namespace qw {

namespace {

constexpr double kPaperMarginMm = 15; // room the printer needs, under the book's margins
constexpr double kScreenDpi = 96;     // the book's margins are screen pixels

QString SelectedText(const PageArea& pages) {
    QStringList parts;
    for (const PageView* page : {pages.leftPage(), pages.rightPage()})
        if (page->isVisible() && page->hasSelection())
            parts << page->selectedText();
    return parts.join(QLatin1Char('\n'));
}

} // namespace

PrintPart::PrintPart(ReaderContext& context) : QObject(&context.window), context_(context) {
    askPrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, &context_.window);
        dialog.setWindowTitle(tr("Print text"));
        return dialog.exec() == QDialog::Accepted;
    };
}

void PrintPart::PrintText() {
    const Book& book = context_.book;
    if (!book.isOpen())
        return;
    PrintInput input;
    input.selection = SelectedText(context_.pages).toStdString();
    input.leftPage = book.Pages.LeftPage;
    input.pageCount = book.Pages.PageCount;
    input.leftText = context_.pages.leftText().text;
    input.rightText = context_.pages.rightText().text;
    const PrintPlan plan = PlanPrint(input);
    if (!plan.error.empty()) {
        context_.dialogs.information(plan.error);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QString name = QFileInfo(QString::fromStdString(book.FileName)).fileName();
    if (plan.sheets.front().pageNumber > 0)
        name += tr(" - page %1").arg(plan.sheets.front().pageNumber);
    printer.setDocName(name);
    if (!askPrinter(printer))
        return;
    print(printer, plan);
    if (printer.printerState() == QPrinter::Error)
        context_.dialogs.error("The text could not be printed.");
}

// The sheets as one document in the book's font: each sheet starts a new page
// and a long selection runs on over as many pages as it needs.
void PrintPart::print(QPrinter& printer, const PrintPlan& plan) const {
    // Laid out in screen pixels, as the pages are; printing scales it to the paper.
    QTextDocument document;
    document.setDefaultFont(context_.pages.pageFont());
    document.setPageSize(printer.pageRect(QPrinter::Inch).size() * kScreenDpi);
    const PageMargins& margins = context_.pages.options().margins;
    auto margin = [&](std::size_t which) {
        return kPaperMarginMm / 25.4 * kScreenDpi + margins[which];
    };
    QTextFrameFormat frame = document.rootFrame()->frameFormat();
    frame.setLeftMargin(margin(kMarginLeft));
    frame.setRightMargin(margin(kMarginRight));
    frame.setTopMargin(margin(kMarginTop));
    frame.setBottomMargin(margin(kMarginBottom));
    document.rootFrame()->setFrameFormat(frame);

    QTextCursor cursor(&document);
    for (size_t i = 0; i < plan.sheets.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat());
        const int first = cursor.block().blockNumber();
        // Every line of the page stays a line of its own.
        cursor.insertText(QString::fromStdString(plan.sheets[i].text));
        if (i > 0) {
            QTextCursor start(document.findBlockByNumber(first));
            QTextBlockFormat newSheet = start.blockFormat();
            newSheet.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            start.setBlockFormat(newSheet);
        }
    }
    document.print(&printer);
}

} // namespace qw
