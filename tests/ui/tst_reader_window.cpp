// The reader window: opening from the command line, the two pages, the keys,
// bookmarks and the book record, and relayout after a size change.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "controls/ui/qt_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "reader/ui/TitlePageView.h"
#include "reader/ui/application.h"
#include "show_window.h"
#include "test_books.h"

#include <QFontMetricsF>
#include <QInputDialog>
#include <QLineEdit>
#include <QtTest>

#include <functional>

#include <array>

class ReaderWindowTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    QString writeFile(const QString& name, const QByteArray& content) {
        return qw::test::WriteTestFile(config_.path(), name, content);
    }

    QString writeBook(const QString& name, int paragraphs) {
        return writeFile(name, qw::test::HardWrappedBook(paragraphs));
    }

    static int paragraphOf(const QString& text) {
        const qsizetype at = text.indexOf(QStringLiteral("word"));
        return at < 0 ? -1 : text.mid(at + 4).section(QLatin1Char(' '), 0, 0).toInt();
    }

    static QString rightText(const qw::TForm1& form) {
        return form.pageArea()->rightPage()->pageText();
    }

    // Every line of every page, turning through the book from its first page.
    static QStringList allPageLines(qw::TForm1& form) {
        QStringList lines;
        for (int page = 1; page <= form.book().Pages.PageCount; page += 2) {
            form.pageArea()->goToPage(page);
            for (const qw::PageView* view :
                 {form.pageArea()->leftPage(), form.pageArea()->rightPage()}) {
                if (view->pageText().isEmpty())
                    continue;
                lines += view->pageText().split(QLatin1Char('\n'));
                // Nothing drawn past the page's right edge.
                for (int i = 0; i < view->lineCount(); ++i)
                    if (view->drawnLineWidth(i) > view->width() + 0.5)
                        return {QStringLiteral("line %1 of page %2 is cut off").arg(i).arg(page)};
            }
        }
        return lines;
    }

    static QStringList wordsOf(const QStringList& lines) {
        return lines.join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }

    static qsizetype textLineCount(const QStringList& lines) {
        return std::count_if(lines.begin(), lines.end(),
                             [](const QString& line) { return !line.trimmed().isEmpty(); });
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

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

    void lastReadFileInAFolderWithABarOpensAtStart() {
        // "|" separates an archive from its member only after an archive's
        // name; here it is part of a folder's name.
        QVERIFY(QDir(config_.path()).mkpath(QStringLiteral("a|b")));
        const QString path = writeFile(QStringLiteral("a|b/book.txt"), "In a barred folder.");
        qw::ScriptedDialogs dialogs;
        {
            qw::TForm1 form(dialogs);
            form.settings().SetBool(qw::Setting::AutoOpen, true);
            form.startupOpen({QStringLiteral("quirewell"), path});
            QCOMPARE(form.settings().Text(qw::Setting::LastReadFile), path.toStdString());
        }
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(900, 600)));
        form.startupOpen({QStringLiteral("quirewell")});
        QVERIFY(dialogs.messages().empty());
        QCOMPARE(form.book().FileName, path.toStdString());
        QCOMPARE(form.book().ArchiveEntry, std::string());
        QCOMPARE(rightText(form), QStringLiteral("In a barred folder."));
    }

    void missingArgumentFileIsReported() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        const QString missing = config_.filePath(QStringLiteral("nope.txt"));
        form.startupOpen({QStringLiteral("quirewell"), missing});
        QVERIFY(!form.book().isOpen());
        QCOMPARE(dialogs.messages().size(), size_t(1));
        QCOMPARE(QString::fromStdString(dialogs.messages()[0]),
                 QStringLiteral("File %1 not found!").arg(missing));
    }

    void keysTurnPagesAndQuickPageOpensTheJumpDialog() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(900, 600)));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(QStringLiteral("keys.txt"), 300)});
        const qw::Book& book = form.book();
        QVERIFY(book.Pages.PageCount > 20);
        QCOMPARE(book.Pages.LeftPage, 0);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(book.Pages.LeftPage, 2);
        QTest::keyClick(&form, Qt::Key_PageDown);
        QCOMPARE(book.Pages.LeftPage, 12);
        QTest::keyClick(&form, Qt::Key_Left);
        QCOMPARE(book.Pages.LeftPage, 11);
        QTest::keyClick(&form, Qt::Key_Left, Qt::AltModifier); // back in the history
        QCOMPARE(book.Pages.LeftPage, 12);
        QTest::keyClick(&form, Qt::Key_End);
        QCOMPARE(book.Pages.LeftPage, book.Pages.PageCount / 2 * 2);
        QTest::keyClick(&form, Qt::Key_Home);
        QCOMPARE(book.Pages.LeftPage, 0);

        dialogs.inputs.push_back(std::string("7"));
        QTest::keyClicks(&form, QStringLiteral("7"));
        QCOMPARE(dialogs.inputRequests.size(), size_t(1));
        QCOMPARE(dialogs.inputRequests.back().value, std::string("7"));
        QVERIFY(dialogs.inputRequests.back().caretAfterValue);
        QCOMPARE(book.Pages.LeftPage, 7);

        // With shortcuts off, Ctrl+O and "+" do nothing, but the page keys still turn.
        form.settings().SetBool(qw::Setting::ActivateShortcuts, false);
        const int size = form.fontSize();
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_Plus);
        QVERIFY(dialogs.openRequests.empty());
        QCOMPARE(form.fontSize(), size);
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(book.Pages.LeftPage, 9);
        form.settings().SetBool(qw::Setting::ActivateShortcuts, true);
        QTest::keyClick(&form, Qt::Key_Plus);
        QCOMPARE(form.fontSize(), qw::StepFontSize(size, true));
    }

    void linesFitThePageAndBookmarksAreKept() {
        qw::ScriptedDialogs dialogs;
        const QString path = writeBook(QStringLiteral("marks.txt"), 120);
        {
            qw::TForm1 form(dialogs);
            QVERIFY(qw::test::ShowNormalAt(form, QSize(800, 560)));
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
            QCOMPARE(book.Pages.Bookmarks[0], 6);
            form.pageArea()->goToPage(10);
        }
        // A new window reopens the book on its page with its bookmark.
        qw::TForm1 again(dialogs);
        QVERIFY(qw::test::ShowNormalAt(again, QSize(800, 560)));
        again.startupOpen({QStringLiteral("quirewell"), path});
        QCOMPARE(again.book().Pages.LeftPage, 10);
        QCOMPARE(again.book().Pages.Bookmarks[0], 6);
        QTest::keyClick(&again, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(again.book().Pages.LeftPage, 6);
    }

    void fontChangeThenReopenKeepsPageAndBookmarks() {
        qw::ScriptedDialogs dialogs;
        const QString path = writeBook(QStringLiteral("font.txt"), 150);
        int page = 0;
        std::array<int, 3> marks{};
        {
            qw::TForm1 form(dialogs);
            QVERIFY(qw::test::ShowNormalAt(form, QSize(800, 560)));
            form.startupOpen({QStringLiteral("quirewell"), path});
            form.pageArea()->goToPage(8);
            QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
            form.pageArea()->goToPage(12);
            const int lineCount = form.book().LineCount;
            QTest::keyClick(&form, Qt::Key_Plus); // larger font: refitted, position carried
            QVERIFY(form.book().LineCount > lineCount);
            QVERIFY(form.book().Pages.LeftPage > 12);
            page = form.book().Pages.LeftPage;
            marks = form.book().Pages.Bookmarks;
            QVERIFY(marks[0] > 8);
        }
        qw::TForm1 again(dialogs);
        QVERIFY(qw::test::ShowNormalAt(again, QSize(800, 560)));
        again.startupOpen({QStringLiteral("quirewell"), path});
        QCOMPARE(again.book().Pages.LeftPage, page);
        QCOMPARE(again.book().Pages.Bookmarks, marks);
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
        QVERIFY(form.book().Pages.PageCount > 0);
        QVERIFY(form.book().Pages.LeftPage <= form.book().Pages.PageCount);
        QCOMPARE(form.book().Pages.Bookmarks[0], 0);
        QCOMPARE(form.fontName().toStdString(), form.configuration().state.defaultFontName);
        QCOMPARE(file.ReadString(record, "Fontname", ""),
                 form.configuration().state.defaultFontName);
        QCOMPARE(file.ReadString("/other/book.txt", "Page", ""), std::string("7"));
    }

    void readingPositionAndBookmarksFollowEveryNewLayout() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(700, 420)));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(QStringLiteral("size.txt"), 300)});
        const qw::Book& book = form.book();
        const qw::Pagination& pages = book.Pages;
        const int lineCount = book.LineCount;
        const int shorter = pages.LinesPerPage;
        form.resize(700, 580);
        QTRY_VERIFY(pages.LinesPerPage > shorter);
        const int taller = pages.LinesPerPage;
        form.resize(700, 420);
        QTRY_COMPARE(pages.LinesPerPage, shorter);

        // A page whose first line also starts a page when the window is
        // taller: after the change exactly that line heads the left page.
        int page = 2;
        while ((page - 1) * shorter % taller != 0)
            ++page;
        form.pageArea()->goToPage(page);
        const QString firstLine = form.pageArea()->leftPage()->pageText().section('\n', 0, 0);
        QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(pages.Bookmarks[0], page);
        form.resize(700, 580); // taller: new pages, same line breaks
        QTRY_COMPARE(pages.LinesPerPage, taller);
        QCOMPARE(book.LineCount, lineCount);
        QCOMPARE(pages.LeftPage, (page - 1) * shorter / taller + 1);
        QCOMPARE(form.pageArea()->leftPage()->pageText().section('\n', 0, 0), firstLine);
        QCOMPARE(pages.Bookmarks[0], pages.LeftPage);

        // New line breaks (a narrower window, font steps): the bookmark of
        // the page being read stays on it, and the record keeps both.
        form.resize(500, 580);
        QTRY_VERIFY(book.LineCount > lineCount);
        QCOMPARE(pages.Bookmarks[0], pages.LeftPage);
        for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus}) {
            QTest::keyClick(&form, key);
            QCOMPARE(pages.Bookmarks[0], pages.LeftPage);
        }
        const std::string record = book.FileName;
        QCOMPARE(form.configuration().file.ReadString(record, "Page", ""),
                 std::to_string(pages.LeftPage));
        QCOMPARE(form.configuration().file.ReadString(record, "Bookmark 1", ""),
                 std::to_string(pages.LeftPage));
    }

    void fontStepsWithoutAutomaticFittingHideAndDoubleNothing() {
        // The line breaks stay until the next fitting: every line is still
        // shown once, in order, and fits its page.
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(900, 600)));
        form.settings().SetBool(qw::Setting::AutomaticallyFit, false);
        form.startupOpen({QStringLiteral("quirewell"), writeBook(QStringLiteral("fit.txt"), 40)});
        const QStringList fitted = allPageLines(form);
        const QStringList words = wordsOf(fitted);
        QCOMPARE(words.count(QStringLiteral("final")), 40);
        const int lineCount = form.book().LineCount;
        for (const auto& [key, steps] : {std::pair{Qt::Key_Plus, 5}, std::pair{Qt::Key_Minus, 9}}) {
            const int pages = form.book().Pages.PageCount;
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(&form, key);
            QCOMPARE(form.book().LineCount, lineCount);
            QVERIFY(form.book().Pages.PageCount != pages);
            const QStringList shown = allPageLines(form);
            QCOMPARE(wordsOf(shown), words);
            QCOMPARE(textLineCount(shown), textLineCount(fitted));
        }
    }

    void quickPageDigitsExtendTheNumberInTheRealDialog() {
        qw::QtDialogs dialogs;
        qw::TForm1 form(dialogs);
        dialogs.setParent(&form);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(900, 600)));
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startupOpen(
            {QStringLiteral("quirewell"), writeBook(QStringLiteral("quick.txt"), 200)});
        QVERIFY(form.book().Pages.PageCount > 20);
        QString shown;
        std::function<void()> typeTwo = [&] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                QTimer::singleShot(10, typeTwo);
                return;
            }
            auto* edit = dialog->findChild<QLineEdit*>();
            shown = edit->text();
            QTest::keyClicks(edit, QStringLiteral("2"));
            QTest::keyClick(edit, Qt::Key_Return);
        };
        QTimer::singleShot(0, typeTwo);
        QTest::keyClick(&form, Qt::Key_1);
        QCOMPARE(shown, QStringLiteral("1"));
        QCOMPARE(form.book().Pages.LeftPage, 12);
    }

    void ctrlGOpensTheCatalogueBrowser() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(900, 600)));
        QString caption;
        QTimer::singleShot(0, &form, [&] {
            if (QWidget* browser = QApplication::activeModalWidget()) {
                caption = browser->windowTitle();
                browser->close();
            }
        });
        QTest::keyClick(&form, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(caption, QStringLiteral("Browse and download Project Gutenberg files"));
    }

    void captionIsNotExtendedWithTheProgramName() {
        // The platform appends an explicitly set display name to every
        // caption; the program's name alone leaves captions as they are.
        const QString name = QCoreApplication::applicationName();
        qw::SetUpApplication();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quirewell"));
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
        QCoreApplication::setApplicationName(name);
    }

    void fontSizeWithoutBookShowsInTheCaption() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const int larger = qw::StepFontSize(form.fontSize(), true);
        QTest::keyClick(&form, Qt::Key_Plus);
        QVERIFY2(form.windowTitle().endsWith(QStringLiteral(", %1 pt)").arg(larger)),
                 qPrintable(form.windowTitle()));
        QCOMPARE(form.configuration().file.ReadString("Default", "Fontsize", ""),
                 std::to_string(larger));
    }

    void progressBarAndWheelTurnPages() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(900, 600)));
        form.startupOpen({QStringLiteral("quirewell"), writeBook(QStringLiteral("bar.txt"), 200)});
        const qw::Book& book = form.book();
        QWidget* bar = form.findChild<QWidget*>(QStringLiteral("Fortschritt"));
        QVERIFY(bar != nullptr && bar->isVisible());
        const QPoint threeQuarters(bar->width() * 3 / 4, bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, threeQuarters);
        const int byLeft = book.Pages.LeftPage;
        QVERIFY(byLeft > book.Pages.PageCount / 2);
        form.pageArea()->goToPage(0);
        QTest::mouseClick(bar, Qt::RightButton, {}, threeQuarters);
        QCOMPARE(book.Pages.LeftPage, byLeft);

        // One notch of the wheel turns one page pair; Ctrl+wheel steps the size.
        QWidget* page = form.pageArea()->leftPage();
        auto wheel = [&](int delta, Qt::KeyboardModifiers mods) {
            const QPointF at(page->width() / 2.0, page->height() / 2.0);
            QWheelEvent event(at, page->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(page, &event);
        };
        wheel(-120, Qt::NoModifier);
        QCOMPARE(book.Pages.LeftPage, byLeft + 2);
        wheel(120, Qt::NoModifier);
        QCOMPARE(book.Pages.LeftPage, byLeft);
        const int size = form.fontSize();
        wheel(120, Qt::ControlModifier);
        QCOMPARE(form.fontSize(), qw::StepFontSize(size, true));
        wheel(-120, Qt::ControlModifier);
        QCOMPARE(form.fontSize(), size);
    }
};

QTEST_MAIN(ReaderWindowTest)
#include "tst_reader_window.moc"
