// The reader window: opening from the command line, the two pages, the keys,
// bookmarks and the book record, and relayout after a size change.

#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "reader/ui/TitlePageView.h"

#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QtTest>

#include <array>

class ReaderWindowTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }

    // Paragraphs of 6 hard-wrapped lines; paragraph k's words carry its number.
    QString writeBook(const QString& name, int paragraphs) {
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
        return writeFile(name, text);
    }

    static int paragraphOf(const QString& text) {
        const qsizetype at = text.indexOf(QStringLiteral("word"));
        return at < 0 ? -1 : text.mid(at + 4).section(QLatin1Char(' '), 0, 0).toInt();
    }

    static QString rightText(const qw::TForm1& form) {
        return form.pageArea()->rightPage()->pageText();
    }

  private slots:
    void opensTheFileGivenAsArgument() {
        const QString path = writeFile(QStringLiteral("Caf\u00e9 book.txt"),
                                       QByteArray("Chapter 1\nIt was a caf\xe9.\n"));
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        form.startupOpen({QStringLiteral("quirewell"), path});

        QVERIFY(dialogs.shown.empty());
        // "Hide file path" is on by default: the caption names the file alone.
        QVERIFY2(form.windowTitle().startsWith(QStringLiteral("Caf\u00e9 book.txt (")),
                 qPrintable(form.windowTitle()));
        QVERIFY(form.windowTitle().endsWith(QStringLiteral(" pt, 1 page)")));
        // Title page on the left, the joined paragraph on the right.
        QVERIFY(form.pageArea()->titlePage()->isVisible());
        QCOMPARE(QString::fromStdString(form.pageArea()->titlePage()->items().front().text),
                 QStringLiteral("Caf\u00e9 book"));
        QCOMPARE(rightText(form), QStringLiteral("Chapter 1 It was a caf\u00e9."));
        QCOMPARE(form.book().FileName, path.toStdString());
    }

    void closesAndReopensWithKeys() {
        const QString path = writeFile(QStringLiteral("a.txt"), "Alpha");
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        dialogs.openChoices.push_back({path.toStdString()});
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.openRequests.size(), size_t(1));
        QCOMPARE(rightText(form), QStringLiteral("Alpha"));

        QFile::remove(path);
        writeFile(QStringLiteral("a.txt"), "Alpha changed");
        QTest::keyClick(&form, Qt::Key_F5);
        QCOMPARE(rightText(form), QStringLiteral("Alpha changed"));

        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!form.book().isOpen());
        QVERIFY(rightText(form).isEmpty());
        QVERIFY(form.windowTitle().startsWith(QStringLiteral(
            "Quirewell Version 1.9.0 Release Candidate - January 2010 (Default font: ")));
    }

    void missingArgumentFileIsReported() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        const QString missing = dir_.filePath(QStringLiteral("nope.txt"));
        form.startupOpen({QStringLiteral("quirewell"), missing});
        QVERIFY(!form.book().isOpen());
        QCOMPARE(dialogs.messages().size(), size_t(1));
        QCOMPARE(QString::fromStdString(dialogs.messages()[0]),
                 QStringLiteral("File %1 not found!").arg(missing));
    }

    void keysTurnPagesAndQuickPageOpensTheJumpDialog() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.resize(900, 600);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(QStringLiteral("keys.txt"), 300)});
        const qw::Book& book = form.book();
        QVERIFY(book.PageCount > 20);
        QCOMPARE(book.LeftPage, 0);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(book.LeftPage, 2);
        QTest::keyClick(&form, Qt::Key_PageDown);
        QCOMPARE(book.LeftPage, 12);
        QTest::keyClick(&form, Qt::Key_Left);
        QCOMPARE(book.LeftPage, 11);
        QTest::keyClick(&form, Qt::Key_Left, Qt::AltModifier); // back in the history
        QCOMPARE(book.LeftPage, 12);
        QTest::keyClick(&form, Qt::Key_End);
        QCOMPARE(book.LeftPage, book.PageCount / 2 * 2);
        QTest::keyClick(&form, Qt::Key_Home);
        QCOMPARE(book.LeftPage, 0);

        dialogs.inputs.push_back(std::string("7"));
        QTest::keyClicks(&form, QStringLiteral("7"));
        QCOMPARE(dialogs.inputValues.size(), size_t(1));
        QCOMPARE(dialogs.inputValues.back(), std::string("7"));
        QCOMPARE(book.LeftPage, 7);

        // With shortcuts off, Ctrl+O and "+" do nothing, but the page keys still turn.
        form.settings().SetBool(qw::Setting::ActivateShortcuts, false);
        const int size = form.fontSize();
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_Plus);
        QVERIFY(dialogs.openRequests.empty());
        QCOMPARE(form.fontSize(), size);
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(book.LeftPage, 9);
        form.settings().SetBool(qw::Setting::ActivateShortcuts, true);
        QTest::keyClick(&form, Qt::Key_Plus);
        QCOMPARE(form.fontSize(), qw::StepFontSize(size, true));
    }

    void linesFitThePageAndBookmarksAreKept() {
        qw::ScriptedDialogs dialogs;
        const QString path = writeBook(QStringLiteral("marks.txt"), 120);
        {
            qw::TForm1 form(dialogs);
            form.resize(800, 560);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.startupOpen({QStringLiteral("quirewell"), path});
            const qw::Book& book = form.book();
            QVERIFY(book.BreaksRemoved);
            QCOMPARE(book.BookLines.size(), size_t(239)); // 120 paragraphs, 119 blank lines
            // Every display line fits the page, in paragraph order.
            const QFontMetricsF metrics(form.pageArea()->pageFont());
            int previous = 0;
            for (int page = 1; page <= 5; ++page) {
                form.pageArea()->goToPage(page);
                const QStringList lines =
                    form.pageArea()->leftPage()->pageText().split(QLatin1Char('\n'));
                for (const QString& line : lines) {
                    QVERIFY2(metrics.horizontalAdvance(line) <= form.pageArea()->pageWidth(),
                             qPrintable(line));
                    const int p = paragraphOf(line);
                    if (p < 0)
                        continue;
                    QVERIFY(p >= previous);
                    previous = p;
                }
            }
            form.pageArea()->goToPage(6);
            QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
            QCOMPARE(book.Bookmarks[0], 6);
            form.pageArea()->goToPage(10);
        }
        // A new window reopens the book on its page with its bookmark.
        qw::TForm1 again(dialogs);
        again.resize(800, 560);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        again.startupOpen({QStringLiteral("quirewell"), path});
        QCOMPARE(again.book().LeftPage, 10);
        QCOMPARE(again.book().Bookmarks[0], 6);
        QTest::keyClick(&again, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(again.book().LeftPage, 6);
    }

    void fontChangeThenReopenKeepsPageAndBookmarks() {
        qw::ScriptedDialogs dialogs;
        const QString path = writeBook(QStringLiteral("font.txt"), 150);
        int page = 0;
        std::array<int, 3> marks{};
        {
            qw::TForm1 form(dialogs);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.startupOpen({QStringLiteral("quirewell"), path});
            form.pageArea()->goToPage(8);
            QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
            form.pageArea()->goToPage(12);
            const int lineCount = form.book().LineCount;
            QTest::keyClick(&form, Qt::Key_Plus); // larger font: refitted, position carried
            QVERIFY(form.book().LineCount > lineCount);
            QVERIFY(form.book().LeftPage > 12);
            page = form.book().LeftPage;
            marks = form.book().Bookmarks;
            QVERIFY(marks[0] > 8);
        }
        qw::TForm1 again(dialogs);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        again.startupOpen({QStringLiteral("quirewell"), path});
        QCOMPARE(again.book().LeftPage, page);
        QCOMPARE(again.book().Bookmarks, marks);
    }

    void handEditedRecordOpensAtASensiblePage() {
        qw::ScriptedDialogs dialogs;
        const QString path = writeBook(QStringLiteral("edited.txt"), 40);
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const std::string record = path.toStdString();
        qw::ConfigFile& file = form.configuration().file;
        file.WriteString(record, "Page", "99999");
        file.WriteString(record, "Total lines", "many");
        file.WriteString(record, "Bookmark 1", "-4");
        file.WriteString(record, "Fontname", "No Such Font");
        file.WriteString("/other/book.txt", "Page", "7");
        file.UpdateFile();
        form.startupOpen({QStringLiteral("quirewell"), path});
        QVERIFY(form.book().PageCount > 0);
        QVERIFY(form.book().LeftPage <= form.book().PageCount);
        QCOMPARE(form.book().Bookmarks[0], 0);
        QCOMPARE(form.fontName().toStdString(), form.configuration().state.defaultFontName);
        QCOMPARE(file.ReadString(record, "Fontname", ""),
                 form.configuration().state.defaultFontName);
        QCOMPARE(file.ReadString("/other/book.txt", "Page", ""), std::string("7"));
    }

    void heightChangeRepaginatesWidthChangeRefits() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(700, 420);
        QTRY_COMPARE(form.pageArea()->size(), QSize(700, 420));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(QStringLiteral("size.txt"), 200)});
        const qw::Book& book = form.book();
        form.pageArea()->goToPage(20);
        const int topBefore = paragraphOf(form.pageArea()->leftPage()->pageText());
        const int lineCount = book.LineCount;
        const int linesPerPage = book.LinesPerPage;

        form.resize(700, 580); // taller: new pages, same line breaks
        QTRY_VERIFY(book.LinesPerPage > linesPerPage);
        QCOMPARE(book.LineCount, lineCount);
        QVERIFY(qAbs(paragraphOf(form.pageArea()->leftPage()->pageText()) - topBefore) <= 2);

        form.resize(500, 580); // narrower: the lines are fitted again
        QTRY_VERIFY(book.LineCount > lineCount);
        QVERIFY(qAbs(paragraphOf(form.pageArea()->leftPage()->pageText()) - topBefore) <= 3);
    }
};

QTEST_MAIN(ReaderWindowTest)
#include "tst_reader_window.moc"
