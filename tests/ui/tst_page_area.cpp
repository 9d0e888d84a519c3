// The two facing pages: what they show and how the moves, the jump dialog,
// the history and the progress bar change them.

#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/ProgressBar.h"
#include "reader/ui/TitlePageView.h"

#include <QLabel>
#include <QtTest>

class PageAreaTest : public QObject {
    Q_OBJECT

    struct Fixture {
        qw::Book book;
        qw::ScriptedDialogs dialogs;
        qw::PageArea area{book, dialogs};
        int shownCount = 0;

        // A book of `lines` display lines "line n", laid out in pages of
        // whatever fits the area.
        explicit Fixture(int lines, QSize size = QSize(1000, 700)) {
            book.FileName = "/books/test.txt";
            qw::TitlePageInput title;
            title.fileName = book.FileName;
            area.setTitleInfo(title);
            area.resize(size);
            area.show();
            area.setLines(lines, [](int n) -> std::optional<std::string> {
                return "line " + std::to_string(n);
            });
            book.Pages.LinesPerPage = area.computeLinesPerPage();
            book.Pages.PageCount = qw::PageCountFor(lines, book.Pages.LinesPerPage);
            QObject::connect(&area, &qw::PageArea::pagesShown, [this] { ++shownCount; });
            area.showCurrentPages();
        }
        QString left() const {
            return area.findChild<QLabel*>(QStringLiteral("SeitenNrLinks"))->text();
        }
        QString right() const {
            return area.findChild<QLabel*>(QStringLiteral("SeitenNrRechts"))->text();
        }
    };

  private slots:
    void titlePageAndFirstPage() {
        Fixture f(500);
        QVERIFY(f.book.Pages.LinesPerPage > 5);
        QCOMPARE(f.left(), QStringLiteral("Title"));
        QCOMPARE(f.right(), QStringLiteral("1"));
        QVERIFY(f.area.titlePage()->isVisible());
        QVERIFY(!f.area.leftPage()->isVisible());
        QVERIFY(f.area.rightPage()->pageText().startsWith(QStringLiteral("line 1\nline 2\n")));
        const QStringList lines = f.area.rightPage()->pageText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), f.book.Pages.LinesPerPage);
        // The title page shows the file name without its extension.
        QCOMPARE(QString::fromStdString(f.area.titlePage()->items().front().text),
                 QStringLiteral("test"));
    }

    void movesOfASevenPageBook() {
        Fixture probe(10);
        const int perPage = probe.book.Pages.LinesPerPage;
        Fixture f(perPage * 6 + 1); // seven pages, the last holds one line
        QCOMPARE(f.book.Pages.PageCount, 7);
        f.area.applyMove(qw::PageMove::LastKey);
        QCOMPARE(f.left(), QStringLiteral("6"));
        QCOMPARE(f.right(), QStringLiteral("7"));
        QCOMPARE(f.area.rightPage()->pageText(), QStringLiteral("line %1").arg(perPage * 6 + 1));
        const int shown = f.shownCount;
        f.area.applyMove(qw::PageMove::ForwardKey); // Down on 6 of 7: nothing
        QCOMPARE(f.shownCount, shown);
        f.area.applyMove(qw::PageMove::TurnForwardArea);
        QCOMPARE(f.left(), QStringLiteral("7"));
        QCOMPARE(f.right(), QStringLiteral("8"));
        QVERIFY(f.area.rightPage()->pageText().isEmpty());
    }

    void jumpDialog() {
        Fixture f(2000);
        f.dialogs.inputs = {std::string("9999"), std::string("abc"), std::nullopt,
                            std::string("1")};
        f.area.jumpDialog(false);
        QCOMPARE(f.book.Pages.LeftPage, f.book.Pages.PageCount);
        QCOMPARE(f.dialogs.shown.back().text, std::string("Please enter left page number:"));
        f.area.jumpDialog(false); // not a number: nothing
        QCOMPARE(f.book.Pages.LeftPage, f.book.Pages.PageCount);
        f.area.jumpDialog(true); // cancelled
        QCOMPARE(f.book.Pages.LeftPage, f.book.Pages.PageCount);
        f.area.jumpDialog(true); // right page 1: the title page
        QCOMPARE(f.book.Pages.LeftPage, 0);
        QCOMPARE(f.dialogs.shown.back().text, std::string("Please enter right page number:"));
        QVERIFY(f.dialogs.messages().empty());
    }

    void historyDropsLaterEntries() {
        Fixture f(2000);
        f.area.applyMove(qw::PageMove::ForwardKey);
        f.area.applyMove(qw::PageMove::ForwardKey);
        f.area.applyMove(qw::PageMove::ForwardKey);
        QCOMPARE(f.book.Pages.LeftPage, 6);
        f.area.historyBack();
        f.area.historyBack();
        QCOMPARE(f.book.Pages.LeftPage, 2);
        f.area.applyMove(qw::PageMove::OneForward);
        QCOMPARE(f.area.history().entries(), (std::vector<std::string>{"0", "2", "3"}));
        f.area.historyForward(); // nothing after the last entry
        QCOMPARE(f.book.Pages.LeftPage, 3);
    }

    void progressBarClickAndPageLabels() {
        Fixture f(2000);
        auto* bar = f.area.findChild<qw::ProgressBar*>(QStringLiteral("Fortschritt"));
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(bar->filledWidth(), 1);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 2, bar->height() / 2));
        QCOMPARE(f.book.Pages.LeftPage, f.book.Pages.PageCount);
        QCOMPARE(bar->filledWidth(), bar->width() - 2 * qw::ProgressBar::kMargin);
        f.dialogs.inputs = {std::string("4")};
        QTest::mouseClick(f.area.findChild<QLabel*>(QStringLiteral("SeitenNrLinks")),
                          Qt::LeftButton);
        QCOMPARE(f.book.Pages.LeftPage, 4);
    }

    void blankLinesAtAPageTopAreTrimmed() {
        qw::Book book;
        book.FileName = "/b.txt";
        qw::ScriptedDialogs dialogs;
        qw::PageArea area(book, dialogs);
        area.resize(800, 600);
        area.setLines(100, [](int n) -> std::optional<std::string> {
            return n % 10 <= 2 ? std::string() : "text " + std::to_string(n);
        });
        book.Pages.LinesPerPage = 10;
        book.Pages.PageCount = 10;
        book.Pages.LeftPage = 1;
        area.showCurrentPages();
        QCOMPARE(area.leftPage()->pageText().split(QLatin1Char('\n')).first(),
                 QStringLiteral("text 3"));
        QCOMPARE(area.leftText().leadingBlankLines, 2);
    }

    void tinyWindowAndHugeFont() {
        Fixture f(50, QSize(50, 50));
        QVERIFY(f.book.Pages.LinesPerPage >= 1);
        QFont huge(QStringLiteral("Liberation Serif"), 400);
        f.area.setPageFont(huge);
        QCOMPARE(f.area.computeLinesPerPage(), 1);
        f.book.Pages.LinesPerPage = 1;
        f.book.Pages.PageCount = 50;
        f.area.applyMove(qw::PageMove::LastKey);
        QCOMPARE(f.book.Pages.LeftPage, 50);
    }

    void noBookDoesNothing() {
        qw::Book book;
        qw::ScriptedDialogs dialogs;
        qw::PageArea area(book, dialogs);
        area.applyMove(qw::PageMove::LastKey);
        area.jumpDialog(false);
        area.historyBack();
        QCOMPARE(book.Pages.LeftPage, 0);
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(PageAreaTest)
#include "tst_page_area.moc"
