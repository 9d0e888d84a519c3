// The table of contents in the reader window: a novel's chapters in the
// list, jumping to a section, previous and next section with the keys, the
// list kept in step with the pages, the preview, hover scrolling, docking
// with the record, and Space stopping a long scan.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "reader/ui/TocCriteriaGroup.h"
#include "show_window.h"
#include "test_books.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const char* const kRoman[] = {"I",    "II", "III", "IV", "V",   "VI",   "VII",
                              "VIII", "IX", "X",   "XI", "XII", "XIII", "XIV"};

using qw::test::Novel;

} // namespace

class ContentsTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    QString writeFile(const QString& name, const QByteArray& content) {
        return qw::test::WriteTestFile(config_.path(), name, content);
    }

    // A window with automatic contents, the book opened.
    std::unique_ptr<qw::TForm1> open(qw::ScriptedDialogs& dialogs, const QByteArray& text,
                                     bool automatic = true) {
        auto form = std::make_unique<qw::TForm1>(dialogs);
        form->configuration().state.book.automaticToc = automatic;
        if (!qw::test::ShowNormalAt(*form, QSize(1280, 800)))
            return nullptr;
        const QString path = writeFile(QStringLiteral("novel.txt"), text);
        form->startupOpen({QStringLiteral("quirewell"), path});
        return form;
    }

    static QStringList listTexts(const qw::TForm1& form) {
        QStringList texts;
        const QTableWidget* list = form.contentsPanel()->list();
        for (int r = 0; r < list->rowCount(); ++r)
            texts << list->item(r, 1)->text();
        return texts;
    }

    // The pointer moving over a control of the panel, without a button held.
    static void moveOver(QWidget* widget) {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    static qw::TPanelButton* button(qw::TForm1& form, const char* name) {
        return form.findChild<qw::TPanelButton*>(QString::fromLatin1(name));
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void novelChaptersAreListedWithTheirPages() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(12, 6));
        QVERIFY(form);
        const qw::Book& book = form->book();
        QStringList expected{QStringLiteral("THE TEST NOVEL")};
        for (int c = 0; c < 12; ++c)
            expected << QStringLiteral("CHAPTER ") + QString::fromLatin1(kRoman[c]);
        QCOMPARE(listTexts(*form), expected);
        QCOMPARE(form->sections().size(), size_t(13));
        const QTableWidget* list = form->contentsPanel()->list();
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("Page"));
        QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("First line"));
        for (int r = 0; r < 13; ++r) {
            const int line = form->sections()[static_cast<size_t>(r)].firstLine;
            QCOMPARE(list->item(r, 0)->text().toInt(), (line - 1) / book.Pages.LinesPerPage + 1);
        }
        QVERIFY(button(*form, "MBPrevious")->isEnabled());
        QVERIFY(button(*form, "MBNext")->isEnabled());
        QVERIFY(!form->windowTitle().contains(QStringLiteral("TOC")));
    }

    void previousAndNextSectionWithTheKeys() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(6, 10));
        QVERIFY(form);
        const qw::Book& book = form->book();
        std::vector<int> pages;
        for (const qw::SectionEntry& s : form->sections())
            pages.push_back((s.firstLine - 1) / book.Pages.LinesPerPage + 1);
        QCOMPARE(book.Pages.LeftPage, 0);
        // From the title page: the first section after page 0, then each next one.
        int expected = 0;
        for (int step = 0; step < 10; ++step) {
            QTest::keyClick(form.get(), Qt::Key_Right, Qt::ControlModifier);
            int next = book.Pages.PageCount;
            for (int p : pages)
                if (p > expected) {
                    next = p;
                    break;
                }
            expected = next;
            QCOMPARE(book.Pages.LeftPage, expected);
        }
        QCOMPARE(book.Pages.LeftPage, book.Pages.PageCount); // past the last section: the last page
        // Back: the last section that starts before the left page.
        for (int step = 0; step < 2; ++step) {
            int previous = 0;
            for (int p : pages)
                if (p < book.Pages.LeftPage)
                    previous = p;
            QTest::keyClick(form.get(), Qt::Key_Left, Qt::ControlModifier);
            QCOMPARE(book.Pages.LeftPage, previous);
        }
        button(*form, "MBNext")->click();
        QCOMPARE(book.Pages.LeftPage, pages.back());
    }

    void panelJumpsAndFollowsThePages() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(8, 10));
        QVERIFY(form);
        qw::ContentsPanel* panel = form->contentsPanel();
        const qw::Book& book = form->book();
        QVERIFY(!panel->isVisible());
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->focusWidget(), static_cast<QWidget*>(panel->list()));
        QCOMPARE(panel->selectedRow(), 0); // the title page: the first section
        QVERIFY2(panel->previewText().startsWith(QStringLiteral("THE TEST NOVEL")),
                 qPrintable(panel->previewText()));

        // A click on row 5 shows the even page of its pair.
        QTableWidget* list = panel->list();
        const int page5 = list->item(5, 0)->text().toInt();
        const QRect cell = list->visualItemRect(list->item(5, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(book.Pages.LeftPage, page5 / 2 * 2);
        QCOMPARE(panel->selectedRow(), 5);
        QVERIFY2(panel->previewText().startsWith(QStringLiteral("CHAPTER V\nIt was chapter 5")),
                 qPrintable(panel->previewText()));

        // Down and Enter in the list jump to the next section's own page.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(panel->selectedRow(), 6);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(book.Pages.LeftPage, list->item(6, 0)->text().toInt());
        // Home and End go to the first and the last section.
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(panel->selectedRow(), 8);
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(panel->selectedRow(), 0);

        // Turning to the last page selects the last section.
        form->pageArea()->goToPage(book.Pages.PageCount);
        QCOMPARE(panel->selectedRow(), 8);
        form->pageArea()->goToPage(0);
        QCOMPARE(panel->selectedRow(), 0);

        // In the floating panel Ctrl+Right still goes to the next section.
        QVERIFY(panel->isWindow());
        const int before = book.Pages.LeftPage;
        QTest::keyClick(list, Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(book.Pages.LeftPage > before);

        // Ctrl+T again hides it.
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!panel->isVisible());
    }

    void hoverScrollingMovesTheSelection() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(8, 2));
        QVERIFY(form);
        form->ShowToc(true);
        qw::ContentsPanel* panel = form->contentsPanel();
        panel->selectRow(3);
        QCOMPARE(panel->selectedRow(), 3);
        QWidget* below = panel->findChild<QWidget*>(QStringLiteral("ChapterPanelUp"));
        QWidget* above = panel->findChild<QWidget*>(QStringLiteral("ChapterPanelDown"));
        moveOver(below);
        QTRY_VERIFY_WITH_TIMEOUT(panel->selectedRow() >= 5, 2000);
        moveOver(panel); // elsewhere over the panel: the timer stops
        QVERIFY(!panel->scrollTimer().isActive());
        const int stopped = panel->selectedRow();
        QTest::qWait(250);
        QCOMPARE(panel->selectedRow(), stopped);
        moveOver(above);
        QTRY_COMPARE_WITH_TIMEOUT(panel->selectedRow(), 0, 3000);
        QTRY_VERIFY(!panel->scrollTimer().isActive()); // stops at the first section
    }

    void dockingIsStoredInTheRecord() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(3, 2));
        QVERIFY(form);
        const std::string record = form->book().FileName;
        qw::ContentsPanel* panel = form->contentsPanel();
        form->ShowToc(true);
        QVERIFY(!panel->isDocked());
        QVERIFY(panel->isWindow());
        panel->leftBox()->click();
        QVERIFY(panel->isDocked());
        QVERIFY(panel->isVisible());
        QVERIFY(!panel->isWindow());
        QTRY_COMPARE(form->pageArea()->x(), qw::ContentsPanel::panelWidth());
        QCOMPARE(form->configuration().file.ReadString(record, "TOC on left side", ""),
                 std::string("Yes"));
        // Hiding undocks and stores "No".
        panel->findChild<qw::TPanelButton*>(QStringLiteral("TOCClose"))->click();
        QVERIFY(!panel->isVisible());
        QVERIFY(!panel->isDocked());
        QTRY_COMPARE(form->pageArea()->x(), 0);
        QCOMPARE(form->configuration().file.ReadString(record, "TOC on left side", ""),
                 std::string("No"));
    }

    void pageNumbersFollowARepagination() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(8, 10));
        QVERIFY(form);
        const qw::Book& book = form->book();
        const int before = book.Pages.LinesPerPage;
        const int width = form->pageArea()->pageWidth();
        form->resize(form->width(), form->height() - 200); // height only: no refit
        QTRY_VERIFY(book.Pages.LinesPerPage < before);
        QCOMPARE(form->pageArea()->pageWidth(), width);
        const QTableWidget* list = form->contentsPanel()->list();
        QCOMPARE(list->rowCount(), 9);
        for (int r = 0; r < 9; ++r) {
            const int line = form->sections()[static_cast<size_t>(r)].firstLine;
            QCOMPARE(list->item(r, 0)->text().toInt(), (line - 1) / book.Pages.LinesPerPage + 1);
        }
    }

    void withoutBookThePanelStateGoesToDefault() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.configuration().state.book.tocOnLeftSide = true;
        form.ShowToc(true);
        QVERIFY(form.contentsPanel()->isDocked());
        QCOMPARE(form.configuration().file.ReadString("Default", "TOC on left side", ""),
                 std::string("Yes"));
        QCOMPARE(form.contentsPanel()->rowCount(), 0);
        form.CreateTOCClick(); // nothing without a book
        QCOMPARE(form.contentsPanel()->rowCount(), 0);
        QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!form.contentsPanel()->isVisible());
        QCOMPARE(form.configuration().file.ReadString("Default", "TOC on left side", ""),
                 std::string("No"));
    }

    void criteriaGroupStoresAndRebuilds() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(3, 2));
        QVERIFY(form);
        qw::TocCriteriaGroup group;
        form->attachTocCriteria(&group);
        const std::string record = form->book().FileName;
        auto* blank = group.findChild<QSpinBox*>(QStringLiteral("PreChapter"));
        auto* header = group.findChild<QLineEdit*>(QStringLiteral("HeaderText"));
        QCOMPARE(blank->value(), 3);
        QCOMPARE(form->contentsPanel()->rowCount(), 4);

        // One blank line is enough now: "by Nobody" and the paragraphs after a
        // blank line are listed at once.
        blank->setValue(1);
        QCOMPARE(form->configuration().file.ReadString(record, "Preceding blank lines", ""),
                 std::string("1"));
        const int rows = form->contentsPanel()->rowCount();
        QVERIFY2(rows > 4, qPrintable(QString::number(rows)));
        QCOMPARE(form->contentsPanel()->list()->item(1, 1)->text(), QStringLiteral("by Nobody"));

        // The header text is only stored; "Apply" builds the list again.
        QTest::keyClicks(header, QStringLiteral("chapter i"));
        QCOMPARE(form->configuration().file.ReadString(record, "Section header contains", ""),
                 std::string("chapter i"));
        QCOMPARE(form->contentsPanel()->rowCount(), rows);
        group.findChild<qw::TPanelButton*>(QStringLiteral("ApplyTOC"))->click();
        QCOMPARE(form->contentsPanel()->rowCount(), 3);

        // Switching automatic creation off stores it and keeps the list.
        group.findChild<QCheckBox*>(QStringLiteral("AutomaticTOC"))->click();
        QCOMPARE(form->configuration().file.ReadString(record, "Automatically create TOC", ""),
                 std::string("No"));
        QCOMPARE(form->contentsPanel()->rowCount(), 3);

        // Closing the book brings the "Default" criteria back into the group.
        form->SchliessenClick();
        QCOMPARE(blank->value(), 3);
        QVERIFY(header->text().isEmpty());
        QCOMPARE(form->contentsPanel()->rowCount(), 0);
    }

    void noQualifyingLineLeavesTheListEmpty() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(3, 2));
        QVERIFY(form);
        QCOMPARE(form->contentsPanel()->rowCount(), 4);
        form->configuration().state.book.sectionHeaderContains = "ZZZ";
        form->TocCriteriaChanged(true); // only stored
        QCOMPARE(form->contentsPanel()->rowCount(), 4);
        form->CreateTOCClick();
        QCOMPARE(form->contentsPanel()->rowCount(), 0);
        QVERIFY(form->sections().empty());
        QVERIFY(!button(*form, "MBPrevious")->isEnabled());
        QVERIFY(!button(*form, "MBNext")->isEnabled());
        const int page = form->book().Pages.LeftPage;
        QTest::keyClick(form.get(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(form->book().Pages.LeftPage, page);
        QCOMPARE(form->configuration().file.ReadString(form->book().FileName,
                                                       "Section header contains", ""),
                 std::string("ZZZ"));
        // A criterion that rebuilds at once.
        form->configuration().state.book.sectionHeaderContains = "chapter";
        form->configuration().state.book.precedingBlankLines = 2;
        form->TocCriteriaChanged(false);
        QCOMPARE(form->contentsPanel()->rowCount(), 3);
        QCOMPARE(form->configuration().file.ReadString(form->book().FileName,
                                                       "Preceding blank lines", ""),
                 std::string("2"));
    }

    void spaceStopsALongScan() {
        qw::ScriptedDialogs dialogs;
        auto form = std::make_unique<qw::TForm1>(dialogs);
        form->configuration().state.book.automaticToc = true;
        form->setTocPollInterval(0); // look for Space before every blank run
        QVERIFY(qw::test::ShowNormalAt(*form, QSize(1280, 800)));
        const QString path = writeFile(QStringLiteral("long.txt"), Novel(3000, 1));
        int presses = 0;
        QStringList captions;
        connect(form.get(), &QWidget::windowTitleChanged, this, [&](const QString& title) {
            captions << title;
            if (title.startsWith(QStringLiteral("TOC section 50 ")) && presses == 0) {
                ++presses;
                QCoreApplication::postEvent(form.get(),
                                            new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                          Qt::NoModifier, QStringLiteral(" ")));
            }
        });
        form->startupOpen({QStringLiteral("quirewell"), path});
        QCOMPARE(presses, 1);
        QVERIFY(captions.contains(QStringLiteral("Creating TOC ...")));
        // Stopped soon after the press: the sections so far are kept, the
        // list stays empty and the section buttons are off.
        const size_t found = form->sections().size();
        QVERIFY2(found >= 50 && found < 60, qPrintable(QString::number(found)));
        QCOMPARE(form->contentsPanel()->rowCount(), 0);
        QVERIFY(!button(*form, "MBNext")->isEnabled());
        // The fitting went on: the caption is the book's again, the pages are
        // shown, and the Space did not turn the page.
        QVERIFY2(form->windowTitle().startsWith(QStringLiteral("long.txt")),
                 qPrintable(form->windowTitle()));
        QCOMPARE(form->book().Pages.LeftPage, 0);
        QVERIFY(!form->pageArea()->rightPage()->pageText().isEmpty());
        QCOMPARE(form->configuration().file.ReadString(form->book().FileName, "Total lines", ""),
                 std::to_string(form->book().LineCount));

        // A Space that was already waiting when the scan starts is dropped.
        QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                              Qt::NoModifier, QStringLiteral(" ")));
        form->CreateTOCClick();
        QCOMPARE(presses, 1);
        QCOMPARE(form->sections().size(), size_t(3001));
        QCOMPARE(form->contentsPanel()->rowCount(), 3001);
        QCOMPARE(form->book().Pages.LeftPage, 0);
        QVERIFY(button(*form, "MBNext")->isEnabled());
    }
    void dockedPanelSurvivesFittingFontStepsAndReopening() {
        qw::ScriptedDialogs dialogs;
        const std::string record = config_.filePath(QStringLiteral("novel.txt")).toStdString();
        auto docked = [&](qw::TForm1& form) {
            return form.configuration().file.ReadString(record, "TOC on left side", "");
        };
        {
            auto form = open(dialogs, Novel(6, 6));
            QVERIFY(form);
            form->ShowToc(true);
            form->contentsPanel()->leftBox()->click();
            QCOMPARE(docked(*form), std::string("Yes"));
        }
        for (int run = 0; run < 2; ++run) {
            auto form = open(dialogs, Novel(6, 6));
            QVERIFY(form);
            QVERIFY(form->contentsPanel()->isDocked());
            QVERIFY(form->contentsPanel()->isVisible());
            QCOMPARE(docked(*form), std::string("Yes"));
            QTest::keyClick(form.get(), Qt::Key_Plus); // refits and writes the record
            QCOMPARE(docked(*form), std::string("Yes"));
            const int height = form->pageArea()->height();
            form->resize(form->width(), form->height() - 100); // re-paginates
            QTRY_COMPARE(form->pageArea()->height(), height - 100);
            form->flushPendingRelayout();
            QCOMPARE(docked(*form), std::string("Yes"));
            QTest::keyClick(form.get(), Qt::Key_Minus);
        }
    }

    void keysInTheFloatingPanelReachTheReader() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(8, 10));
        QVERIFY(form);
        const qw::Book& book = form->book();
        qw::ContentsPanel* panel = form->contentsPanel();
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(panel->isVisible() && panel->isWindow());
        QTableWidget* list = panel->list();
        QCOMPARE(panel->focusWidget(), static_cast<QWidget*>(list));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(book.Pages.LeftPage, 2);
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(book.Pages.LeftPage, 3);
        QTest::keyClick(list, Qt::Key_Left);
        QCOMPARE(book.Pages.LeftPage, 2);
        const int size = form->fontSize();
        QTest::keyClick(list, Qt::Key_Plus);
        QCOMPARE(form->fontSize(), qw::StepFontSize(size, true));
        // Esc hides the floating panel, from the panel and from the book.
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QVERIFY(!form->isMinimized());
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier);
        QVERIFY(panel->isVisible());
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!panel->isVisible());
        QVERIFY(!form->isMinimized());
    }

    void aPressOnThePageTextClosesTheFloatingPanelInsteadOfSelecting() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(8, 10));
        QVERIFY(form);
        qw::PageView* right = form->pageArea()->rightPage();
        form->ShowToc(true);
        QVERIFY(form->contentsPanel()->isVisible());
        // Across the words of a line in the middle of the page.
        const int y = right->height() / 2;
        const QPoint from(2, y), to(right->width() / 2, y);
        QTest::mousePress(right, Qt::LeftButton, {}, from);
        QTest::mouseMove(right, to);
        QTest::mouseRelease(right, Qt::LeftButton, {}, to);
        QVERIFY(!form->contentsPanel()->isVisible());
        QVERIFY(!right->hasSelection());
        // With the panel away, the same drag selects.
        QTest::mousePress(right, Qt::LeftButton, {}, from);
        QTest::mouseMove(right, to);
        QTest::mouseRelease(right, Qt::LeftButton, {}, to);
        QVERIFY(right->hasSelection());
    }

    void openAndAppendHideTheFloatingPanel() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(3, 2));
        QVERIFY(form);
        qw::ContentsPanel* panel = form->contentsPanel();
        for (Qt::Key key : {Qt::Key_O, Qt::Key_A}) {
            form->ShowToc(true);
            QVERIFY(panel->isVisible());
            QTest::keyClick(form.get(), key, Qt::ControlModifier); // the dialog is cancelled
            QVERIFY(!panel->isVisible());
        }
        // A docked panel stays.
        form->ShowToc(true);
        panel->leftBox()->click();
        QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY(panel->isVisible() && panel->isDocked());
    }

    void aListOnceMadeStaysThroughFittingAndDocking() {
        // Made automatically or by hand, the list follows every new fitting
        // (font steps, docking in a maximized window that must refit).
        for (const bool automatic : {true, false}) {
            qw::ScriptedDialogs dialogs;
            auto form = open(dialogs, Novel(6, 6), automatic);
            QVERIFY(form);
            form->configuration().state.book.automaticToc = automatic;
            form->TocCriteriaChanged(false);
            if (!automatic)
                form->CreateTOCClick();
            QCOMPARE(form->contentsPanel()->rowCount(), 7);
            for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Minus}) {
                QTest::keyClick(form.get(), key);
                QCOMPARE(form->contentsPanel()->rowCount(), 7);
                QVERIFY(button(*form, "MBPrevious")->isEnabled());
                QVERIFY(button(*form, "MBNext")->isEnabled());
            }
            form->showMaximized();
            QTRY_VERIFY(form->isMaximized());
            form->flushPendingRelayout();
            form->ShowToc(true);
            const int lines = form->book().LineCount;
            form->contentsPanel()->leftBox()->click();
            QTRY_VERIFY(form->book().LineCount != lines); // narrower pages: fitted again
            QCOMPARE(form->contentsPanel()->rowCount(), 7);
            QVERIFY(button(*form, "MBNext")->isEnabled());
        }
    }

    void aJumpFromTheFloatingPanelLeavesTheTargetPageInSight() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs, Novel(8, 10));
        QVERIFY(form);
        qw::ContentsPanel* panel = form->contentsPanel();
        form->ShowToc(true);
        QTableWidget* list = panel->list();
        for (int row : {3, 6}) {
            panel->selectRow(row);
            QTest::keyClick(list, Qt::Key_Return);
            const int page = list->item(row, 0)->text().toInt();
            QCOMPARE(form->book().Pages.LeftPage, page);
            // The left page shows the section's start: the panel covers none of it.
            const QWidget* left = form->pageArea()->leftPage();
            const QRect target(left->mapToGlobal(QPoint(0, 0)), left->size());
            QVERIFY(!panel->isVisible() || !panel->frameGeometry().intersects(target));
        }
    }
};

QTEST_MAIN(ContentsTest)
#include "controls/ui/TPanelButton.h"
#include "tst_contents.moc"
