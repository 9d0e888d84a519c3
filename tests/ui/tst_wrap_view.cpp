// The reader window shows a hard-wrapped book with its paragraphs joined and
// wrapped to the view, every line within the page width, and stays on the
// same passage when a narrower window fits the lines again.

#include "controls/scripted_dialogs.h"
#include "reader/ui/TForm1.h"

#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

class WrapViewTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    // Paragraphs of 6 lines of about 60 characters; paragraph k's words all
    // carry its number, so a line tells which paragraph it belongs to.
    QString writeBook(int paragraphs) {
        QByteArray text;
        for (int p = 0; p < paragraphs; ++p) {
            for (int line = 0; line < 6; ++line) {
                QByteArray l;
                while (l.size() < 60)
                    l += "word" + QByteArray::number(p) + ' ';
                text += l.trimmed() + "\r\n";
            }
            text += "\r\n";
        }
        const QString path = dir_.filePath(QStringLiteral("book.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return path;
    }

    static int paragraphOf(const QString& line) {
        const qsizetype at = line.indexOf(QStringLiteral("word"));
        if (at < 0)
            return -1;
        return line.mid(at + 4).section(QLatin1Char(' '), 0, 0).toInt();
    }

    static int topParagraph(QPlainTextEdit* view) {
        QTextBlock block = view->document()->findBlockByNumber(view->verticalScrollBar()->value());
        while (block.isValid() && block.text().isEmpty())
            block = block.next();
        return paragraphOf(block.text());
    }

  private slots:
    void showsJoinedLinesWithinTheWidth() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.resize(700, 500);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(40)});
        auto* view = form.findChild<QPlainTextEdit*>(QStringLiteral("BookView"));
        QVERIFY(view);
        const qw::Book& book = form.book();
        QVERIFY(book.BreaksRemoved);
        // 40 paragraphs and the 39 empty lines between them.
        QCOMPARE(book.BookLines.size(), size_t(79));
        QCOMPARE(view->blockCount(), book.LineCount);
        QVERIFY(book.LineCount > 79);
        const QFontMetricsF metrics(view->font());
        const double width = view->viewport()->width() - 2 * view->document()->documentMargin();
        int previous = 0;
        for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
            QVERIFY2(metrics.horizontalAdvance(b.text()) <= width, qPrintable(b.text()));
            if (b.text().isEmpty())
                continue;
            // Each display line belongs to one paragraph, in order.
            const int p = paragraphOf(b.text());
            QVERIFY(p >= previous);
            previous = p;
        }
    }

    void refitKeepsThePassage() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.resize(900, 500);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(200)});
        auto* view = form.findChild<QPlainTextEdit*>(QStringLiteral("BookView"));
        const int wideCount = form.book().LineCount;
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
        const int before = topParagraph(view);
        QVERIFY(before > 50);

        form.resize(450, 500);
        QTRY_VERIFY(form.book().LineCount > wideCount);
        const int after = topParagraph(view);
        // The position is carried page by page: allow one page of the wide
        // layout, counted in paragraphs.
        const double linesPerParagraph = wideCount / 200.0;
        const int tolerance = static_cast<int>(form.book().LinesPerPage / linesPerParagraph) + 1;
        QVERIFY2(
            qAbs(after - before) <= tolerance,
            qPrintable(
                QStringLiteral("%1 -> %2, tolerance %3").arg(before).arg(after).arg(tolerance)));
    }
};

QTEST_MAIN(WrapViewTest)
#include "tst_wrap_view.moc"
