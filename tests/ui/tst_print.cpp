// "Print text" (Ctrl+P) prints to a PDF file as the print dialog's "Print to
// file" does: the two shown pages on two sheets, or only the selection; the
// PDF's text (pdftotext) holds the pages' words.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/PrintPart.h"
#include "reader/ui/TForm1.h"
#include "show_window.h"
#include "test_books.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

QStringList Words(const QString& text) {
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The text of a PDF file, its pages ended by form feeds.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    std::unique_ptr<qw::TForm1> open(qw::ScriptedDialogs& dialogs, const QString& pdf) {
        auto form = std::make_unique<qw::TForm1>(dialogs);
        if (!qw::test::ShowNormalAt(*form, QSize(1280, 800)))
            return nullptr;
        const QString path = qw::test::WriteTestFile(config_.path(), QStringLiteral("words.txt"),
                                                     qw::test::NumberedWords(4000));
        form->startupOpen({QStringLiteral("quirewell"), path});
        // The print dialog's choice: print to this PDF file.
        form->printPart()->askPrinter = [pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        return form;
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void printsThePagePairOrTheSelection() {
        qw::ScriptedDialogs dialogs;
        const QString pdf = config_.path() + QStringLiteral("/pages.pdf");
        auto form = open(dialogs, pdf);
        QVERIFY(form);
        qw::PageArea* pages = form->pageArea();
        pages->goToPage(3);
        const QStringList left = Words(pages->leftPage()->pageText());
        const QStringList right = Words(pages->rightPage()->pageText());
        QVERIFY(left.size() > 50 && right.size() > 50);
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);

        const QString text = PdfText(pdf);
        QVERIFY2(!text.isEmpty(), "no PDF, or pdftotext is missing");
        QCOMPARE(text.count(QLatin1Char('\f')), 2); // one sheet for each page
        const QStringList printed = Words(text);
        // Every word of both pages, in order, and nothing of the pages around.
        QCOMPARE(printed, left + right);
        const QString sheet1 = text.section(QLatin1Char('\f'), 0, 0);
        QVERIFY(sheet1.contains(left.constLast()) && !sheet1.contains(right.constFirst()));

        // With a selection, only the selection.
        QFile::remove(pdf);
        QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), right.at(10));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(pages->rightPage()->selectedText(), right.at(10));
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(Words(PdfText(pdf)), QStringList{right.at(10)});
        QVERIFY(dialogs.shown.empty());
    }

    void besideTheTitlePageOnlyTheRightPage() {
        qw::ScriptedDialogs dialogs;
        const QString pdf = config_.path() + QStringLiteral("/first.pdf");
        auto form = open(dialogs, pdf);
        QVERIFY(form);
        QCOMPARE(form->book().Pages.LeftPage, 0);
        const QStringList right = Words(form->pageArea()->rightPage()->pageText());
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        const QString text = PdfText(pdf);
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        QCOMPARE(Words(text), right);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
