// The menu, help and timers of the reader window: every option of the
// "General" and "Control" pages changed through its control, with the value
// written to Quirewell.ini at once and its effect; opening and closing the
// panels by mouse movement and by click only; fitting when the menu is left;
// automatic page turning and the clock driven tick by tick; the help panel
// and the menu used by keyboard alone.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "reader/ui/AutoTurnPart.h"
#include "reader/ui/ClockPart.h"
#include "reader/ui/FindPart.h"
#include "reader/ui/HelpPanelPart.h"
#include "reader/ui/MenuPanelPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/ProgressBar.h"
#include "reader/ui/TForm1.h"
#include "settings/config_file.h"
#include "settings/ui/CheckOptionsPage.h"
#include "settings/ui/HelpPanel.h"
#include "settings/ui/MenuPanel.h"
#include "settings/ui/option_pages.h"
#include "show_window.h"
#include "test_books.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

using qw::Setting;
using qw::TForm1;

class MenuPanelTest : public QObject {
    Q_OBJECT

    qw::test::ConfigFolder config_;
    QString bookPath_;

    std::string stored(const char* key) const {
        const qw::ConfigFile file(config_.iniPath().toStdString());
        return file.ReadString("Options", key, "(missing)");
    }

    std::unique_ptr<TForm1> open(qw::ScriptedDialogs& dialogs) {
        auto form = std::make_unique<TForm1>(dialogs);
        if (!qw::test::ShowNormalAt(*form, QSize(1280, 800)))
            return nullptr;
        bookPath_ = qw::test::WriteTestFile(config_.path(), QStringLiteral("book.txt"),
                                            qw::test::HardWrappedBook(400));
        form->startupOpen({QStringLiteral("quirewell"), bookPath_});
        return form;
    }

    static void hover(QWidget* widget) {
        QEnterEvent enter(QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                          widget->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(widget, &enter);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
    static void moveOverBook(TForm1& form) {
        // Near the bottom right corner, which no panel covers.
        qw::PageView* page = form.pageArea()->rightPage();
        const QPointF at = page->rect().bottomRight() - QPoint(20, 20);
        QMouseEvent move(QEvent::MouseMove, at, page->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(page, &move);
    }
    static bool menuOpen(TForm1& form) { return form.menuPart()->isOpen(); }
    static bool helpOpen(TForm1& form) { return form.helpPart()->isOpen(); }
    static QWidget* menuButton(TForm1& form) { return form.menuPart()->menuButton(); }
    // A key as the keyboard sends it: to the control with the focus.
    static void key(TForm1& form, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &form, k, mods);
    }
    static int lineCount(TForm1& form) { return form.book().LineCount; }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void everyOptionOfGeneralAndControlIsStoredAndActs() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        // Room for the page numbers below the text; lines fitted only on request.
        form->settings().SetMargins({20, 20, 20, 20});
        form->ApplyMarginsClick(true);
        form->settings().SetBool(Setting::AutomaticallyFit, false);
        auto* bar = form->findChild<qw::ProgressBar*>();
        QLabel* clock = form->clockPart()->label();

        using Effect = std::function<bool(TForm1&)>;
        struct Row {
            int page;
            int option;
            const char* key; // nullptr: not stored
            Effect effect;   // whether the option acts as switched on
        };
        using G = qw::GeneralOption;
        using C = qw::ControlOption;
        const Row rows[] = {
            {0, Id(G::BookStyle), "Book style",
             [](TForm1& f) { return f.pageArea()->options().bookStyle; }},
            {0, Id(G::FullScreen), nullptr, [](TForm1& f) { return f.isFullScreenOn(); }},
            {0, Id(G::Antialiasing), nullptr,
             [](TForm1& f) {
                 return !(f.pageArea()->pageFont().styleStrategy() & QFont::NoAntialias);
             }},
            {0, Id(G::PageNumbersBelow), "Page numbers below text",
             [](TForm1& f) { return f.pageArea()->options().pageNumbersBelow; }},
            {0, Id(G::ShowProgressBar), "Show progress bar",
             [bar, clock](TForm1&) { return !bar->isHidden() && !clock->isHidden(); }},
            {0, Id(G::ProgressBarBelow), "Progress bar below text",
             [clock](TForm1& f) {
                 return f.pageArea()->options().progressBarBelow && !clock->isHidden();
             }},
            {0, Id(G::HideFilePaths), "Hide file path",
             [this](TForm1& f) { return !f.windowTitle().contains(config_.path()); }},
            {0, Id(G::HideArchiveNames), "Hide archive name",
             [](TForm1& f) { return f.settings().Bool(Setting::HideArchiveName); }},
            {0, Id(G::HideIgnoredFiles), "Hide ignored files",
             [](TForm1& f) { return f.settings().Bool(Setting::HideIgnoredFiles); }},
            {0, Id(G::ApplyDefaultSettings), "Apply default settings",
             [](TForm1& f) { return f.settings().Bool(Setting::ApplyDefaultSettings); }},
            {0, Id(G::SkipGutenbergFrame), "Skip Gutenberg header",
             [](TForm1& f) { return f.settings().Bool(Setting::SkipGutenbergFrame); }},
            {0, Id(G::JustifyText), "Justify text",
             [](TForm1& f) { return f.pageArea()->options().justify; }},
            {0, Id(G::FindMovedBooks), "Find moved books",
             [](TForm1& f) { return f.settings().Bool(Setting::FindMovedBooks); }},
            {0, Id(G::ShowClock), "Show clock",
             [clock](TForm1& f) {
                 return !clock->isHidden() && f.clockPart()->timer().isActive();
             }},
            {3, Id(C::MenuHelpOnClick), "Menu/Help on click",
             [](TForm1& f) {
                 f.menuPart()->MenuHilfeAus(false);
                 hover(menuButton(f));
                 const bool opened = menuOpen(f);
                 f.menuPart()->MenuHilfeAus(false);
                 return !opened;
             }},
            {3, Id(C::ActivateShortcuts), "Activate shortcuts",
             [](TForm1& f) {
                 f.menuPart()->MenuHilfeAus(false);
                 key(f, Qt::Key_F1);
                 const bool opened = helpOpen(f);
                 f.menuPart()->MenuHilfeAus(false);
                 return opened;
             }},
            {3, Id(C::AutoOpen), "Auto-open",
             [&dialogs](TForm1& f) {
                 TForm1 second(dialogs);
                 second.startupOpen({QStringLiteral("quirewell")});
                 return second.book().FileName == f.book().FileName;
             }},
            {3, Id(C::QuickPage), "Quick page",
             [&dialogs](TForm1& f) {
                 f.menuPart()->MenuHilfeAus(false);
                 const size_t asked = dialogs.inputRequests.size();
                 f.pageArea()->rightPage()->setFocus();
                 QTest::keyClicks(f.pageArea()->rightPage(), QStringLiteral("7"));
                 return dialogs.inputRequests.size() > asked;
             }},
            {3, Id(C::QuickFind), "Quick find",
             [](TForm1& f) {
                 f.menuPart()->MenuHilfeAus(false);
                 f.pageArea()->rightPage()->setFocus();
                 QTest::keyClicks(f.pageArea()->rightPage(), QStringLiteral("x"));
                 const bool found = f.findPart()->isOpen();
                 f.findPart()->closePanel();
                 return found;
             }},
            {3, Id(C::SmallMenuOnRightClick), "Small menu on right click",
             [](TForm1& f) {
                 f.menuPart()->MenuHilfeAus(false);
                 qw::PageView* page = f.pageArea()->rightPage();
                 QTest::mouseClick(page, Qt::RightButton, {}, page->rect().center());
                 const bool small = menuOpen(f) && !f.menuPanel()->isExpanded();
                 f.menuPart()->MenuHilfeAus(false);
                 return small;
             }},
            {3, Id(C::AutomaticallyFit), "Automatically fit",
             [](TForm1& f) {
                 const int before = lineCount(f);
                 f.runCommand({qw::Command::LargerFont});
                 return lineCount(f) != before;
             }},
            {3, Id(C::FitLeavingMenu), "Fit leaving menu",
             [](TForm1& f) {
                 f.ShowOptions(3);
                 const int before = lineCount(f);
                 f.runCommand({qw::Command::SmallerFont});
                 moveOverBook(f);
                 return !menuOpen(f) && lineCount(f) != before;
             }},
        };
        int checked = 0;
        for (const Row& r : rows) {
            form->ShowOptions(r.page);
            qw::CheckOptionsPage* page =
                r.page == 0 ? form->menuPart()->generalPage() : form->menuPart()->controlPage();
            QCheckBox* box = page->checkBox(r.option);
            QVERIFY(box);
            const QByteArray what = box->text().toUtf8();
            QVERIFY2(box->isEnabled(), what);
            for (int click = 0; click < 2; ++click) {
                form->ShowOptions(r.page);
                const bool on = !box->isChecked();
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
                QVERIFY2(box->isChecked() == on, what);
                if (r.key != nullptr)
                    QVERIFY2(stored(r.key) == (on ? "Yes" : "No"), what);
                QVERIFY2(r.effect(*form) == on, what + (on ? " on" : " off"));
                if (r.option == Id(G::FullScreen) && r.page == 0)
                    QTRY_COMPARE(form->isFullScreen(), on);
            }
            ++checked;
        }
        QCOMPARE(checked,
                 static_cast<int>(qw::GeneralOptions().size() + qw::ControlOptions().size()));

        // "Turn 1 page every" N "seconds": the edit and its up-down control.
        form->ShowOptions(3);
        auto* seconds = form->findChild<QLineEdit*>(QStringLiteral("AutoTurnSeconds"));
        QCOMPARE(seconds->text(), QStringLiteral("120"));
        seconds->setFocus();
        seconds->selectAll();
        QTest::keyClicks(seconds, QStringLiteral("35"));
        QCOMPARE(stored("Auto turn interval"), std::string("35"));
        QTest::keyClick(seconds, Qt::Key_Up);
        QCOMPARE(seconds->text(), QStringLiteral("40"));
        form->findChild<QToolButton*>(QStringLiteral("AutoTurnDown"))->click();
        form->findChild<QToolButton*>(QStringLiteral("AutoTurnDown"))->click();
        QCOMPARE(stored("Auto turn interval"), std::string("20"));
        QTest::keyClicks(seconds, QStringLiteral("x")); // not a number: nothing stored
        QCOMPARE(stored("Auto turn interval"), std::string("20"));
        auto* turnBox = form->findChild<QCheckBox*>(QStringLiteral("AutoTurn"));
        QTest::mouseClick(turnBox, Qt::LeftButton, {}, QPoint(6, turnBox->height() / 2));
        QVERIFY(form->autoTurnPart()->timer().isActive());
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - 20 s")));
        QCOMPARE(stored("Auto turn"), std::string("(missing)")); // the box is not stored
    }

    void panelsOpenAndCloseByMouseMovementOrByClickOnly() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        hover(menuButton(*form));
        QVERIFY(menuOpen(*form));
        // It hangs from the button, so the mouse reaches it without crossing the book.
        QCOMPARE(form->menuPanel()->y(),
                 menuButton(*form)->mapTo(form.get(), QPoint(0, menuButton(*form)->height())).y());
        // Moving inside the menu keeps it; onto the book closes it.
        QMouseEvent inside(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(form->menuPanel()->tree()->viewport(), &inside);
        QVERIFY(menuOpen(*form));
        moveOverBook(*form);
        QVERIFY(!menuOpen(*form));
        // The help button opens the help; the two panels exclude each other.
        hover(menuButton(*form));
        hover(form->helpPart()->helpButton());
        QVERIFY(helpOpen(*form));
        QVERIFY(!menuOpen(*form));
        moveOverBook(*form);
        QVERIFY(!helpOpen(*form));

        // Click only: hovering does nothing, a click opens and closes, moving
        // over the book leaves the menu open, a right click on it closes it.
        form->settings().SetBool(Setting::MenuHelpOnClick, true);
        hover(menuButton(*form));
        QVERIFY(!menuOpen(*form));
        QTest::mouseClick(menuButton(*form), Qt::LeftButton);
        QVERIFY(menuOpen(*form));
        moveOverBook(*form);
        QVERIFY(menuOpen(*form));
        QTest::mouseClick(menuButton(*form), Qt::LeftButton);
        QVERIFY(!menuOpen(*form));
        QTest::mouseClick(menuButton(*form), Qt::LeftButton);
        QTest::mousePress(form->menuPanel()->tree()->viewport(), Qt::RightButton, {},
                          QPoint(10, 10));
        QVERIFY(!menuOpen(*form));
        QTest::mouseClick(form->helpPart()->helpButton(), Qt::LeftButton);
        QVERIFY(helpOpen(*form));
        moveOverBook(*form);
        QVERIFY(helpOpen(*form));
        QTest::mouseClick(form->helpPart()->helpButton(), Qt::LeftButton);
        QVERIFY(!helpOpen(*form));

        // "Large Menu": the expand toggle switches the width and is stored.
        form->settings().SetBool(Setting::MenuHelpOnClick, false);
        hover(menuButton(*form));
        QVERIFY(form->menuPanel()->isExpanded());
        const int large = form->menuPanel()->width();
        form->menuPanel()->expandButton()->click();
        QCOMPARE(form->menuPanel()->expandButton()->text(), QStringLiteral(">"));
        QVERIFY(form->menuPanel()->width() < large);
        QCOMPARE(stored("Large Menu"), std::string("No"));
        moveOverBook(*form);
        hover(menuButton(*form));
        QVERIFY(!form->menuPanel()->isExpanded());
        form->menuPanel()->expandButton()->click();
        QCOMPARE(stored("Large Menu"), std::string("Yes"));
        QCOMPARE(form->menuPanel()->width(), large);
    }

    void leavingTheMenuFitsOnceButNotAfterACommand() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        form->settings().SetBool(Setting::AutomaticallyFit, false);
        // The font changes in the menu; leaving it fits the lines once.
        hover(menuButton(*form));
        const int lines = lineCount(*form);
        form->runCommand({qw::Command::LargerFont});
        QCOMPARE(lineCount(*form), lines);
        moveOverBook(*form);
        const int fitted = lineCount(*form);
        QVERIFY(fitted != lines);
        moveOverBook(*form); // nothing left to fit
        QCOMPARE(lineCount(*form), fitted);
        // A font key outside the menu, then a movement: still not fitted.
        form->runCommand({qw::Command::LargerFont});
        moveOverBook(*form);
        QCOMPARE(lineCount(*form), fitted);
        // A command run from the menu closes it without fitting.
        hover(menuButton(*form));
        form->findChild<qw::TPanelButton*>(QStringLiteral("Find"))->click();
        QVERIFY(!menuOpen(*form));
        QVERIFY(form->findPart()->isOpen());
        QCOMPARE(lineCount(*form), fitted);
        // "Fit lines now" is enabled only without automatic fitting.
        form->ShowOptions(3);
        auto* fitNow = form->findChild<QWidget*>(QStringLiteral("Anpassen"));
        QVERIFY(fitNow->isEnabled());
        form->settings().SetBool(Setting::AutomaticallyFit, true);
        form->menuPart()->sync();
        QVERIFY(!fitNow->isEnabled());
    }

    void commandColumnFollowsTheBook() {
        qw::ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(800, 600)));
        form.ShowOptions(0);
        const auto* column = form.menuPanel();
        auto enabled = [column](const char* name) {
            return column->findChild<qw::TPanelButton*>(QString::fromLatin1(name))->isEnabled();
        };
        for (const char* name : {"Speichern", "Schliessen", "Copy", "Find", "Print"})
            QVERIFY2(!enabled(name), name);
        for (const char* name : {"Laden", "Append", "MRecent", "ShowTOC", "PGBrowser", "Beenden"})
            QVERIFY2(enabled(name), name);
        const QString path = qw::test::WriteTestFile(config_.path(), QStringLiteral("b.txt"),
                                                     qw::test::HardWrappedBook(30));
        form.startupOpen({QStringLiteral("quirewell"), path});
        form.ShowOptions(0);
        for (const char* name : {"Speichern", "Schliessen", "Copy", "Find", "Print"})
            QVERIFY2(enabled(name), name);
        // The contents entry names what it will do.
        auto* toc = column->findChild<qw::TPanelButton*>(QStringLiteral("ShowTOC"));
        QCOMPARE(toc->text(), QStringLiteral("  S&how TOC"));
        toc->click();
        form.ShowOptions(-1);
        QCOMPARE(toc->text(), QStringLiteral("  &Hide TOC"));
        QCOMPARE(form.menuPanel()->currentPage(), 7); // the contents criteria
        // "Exit" asks with a book open.
        dialogs.answers = {false};
        column->findChild<qw::TPanelButton*>(QStringLiteral("Beenden"))->click();
        QCOMPARE(dialogs.messages().back(), std::string("Exit Quirewell?"));
        QVERIFY(form.isVisible());
    }

    void automaticTurningCountsDownBlinksPausesAndStops() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        form->settings().SetInt(Setting::AutoTurnInterval, 10);
        qw::AutoTurnPart* turn = form->autoTurnPart();
        auto* bar = form->findChild<qw::ProgressBar*>();
        QTest::keyClick(form.get(), Qt::Key_Pause); // Pause switches it on
        QVERIFY(turn->timer().isActive());
        QCOMPARE(turn->timer().interval(), 1000);
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - 10 s")));
        QString blinks;
        for (int second = 1; second <= 10; ++second) {
            turn->tick();
            blinks += bar->filledHidden() ? QLatin1Char('o') : QLatin1Char('.');
        }
        QCOMPARE(blinks, QStringLiteral("....o.o.o."));
        QCOMPARE(form->book().Pages.LeftPage, 1); // one page turned
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - 10 s")));
        turn->tick();
        QTest::keyClick(form.get(), Qt::Key_Pause); // pause: the countdown stays
        QVERIFY(!turn->timer().isActive());
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - 9 s (Paused)")));
        QTest::keyClick(form.get(), Qt::Key_Pause); // resume
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - 9 s")));
        QVERIFY(turn->timer().isActive());
        // Another window taking the keyboard pauses it.
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!turn->timer().isActive());
        QVERIFY(form->windowTitle().endsWith(QStringLiteral(" - 9 s (Paused)")));
        other.close();
        QTest::keyClick(form.get(), Qt::Key_Pause, Qt::ShiftModifier); // off
        QVERIFY(!turn->state().isOn());
        QVERIFY(!form->windowTitle().endsWith(QStringLiteral(" s (Paused)")));
        // On the last page it switches itself off at once.
        const int last = form->book().Pages.PageCount;
        form->pageArea()->goToPage(last);
        QTest::keyClick(form.get(), Qt::Key_Pause);
        QVERIFY(!turn->state().isOn());
        QVERIFY(!form->findChild<QCheckBox*>(QStringLiteral("AutoTurn"))->isChecked());
        // Reaching the last page while it runs stops it at the next tick.
        form->pageArea()->goToPage(last - 1);
        form->settings().SetInt(Setting::AutoTurnInterval, 1);
        QTest::keyClick(form.get(), Qt::Key_Pause);
        QVERIFY(turn->state().isOn());
        turn->tick();
        QCOMPARE(form->book().Pages.LeftPage, last);
        turn->tick();
        QVERIFY(!turn->state().isOn());
        QVERIFY(!turn->timer().isActive());
        QVERIFY(!bar->filledHidden());
    }

    void clockShowsTheTimeOfItsClock() {
        qw::ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        qw::ClockPart* clock = form.clockPart();
        clock->now = [] { return QTime(9, 41, 7); };
        QVERIFY(clock->timer().isActive());
        QCOMPARE(clock->timer().interval(), 1000);
        clock->tick();
        QCOMPARE(clock->label()->text(),
                 QLocale::system().toString(QTime(9, 41, 7), QLocale::ShortFormat));
        QVERIFY(clock->label()->isVisible());
        // Turned off and on again, it shows the time at once.
        form.settings().SetBool(Setting::ShowClock, false);
        clock->update();
        QVERIFY(!clock->timer().isActive());
        clock->now = [] { return QTime(23, 5); };
        form.settings().SetBool(Setting::ShowClock, true);
        clock->update();
        QCOMPARE(clock->label()->text(),
                 QLocale::system().toString(QTime(23, 5), QLocale::ShortFormat));
    }

    void helpAndMenuByKeyboardAlone() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        form->pageArea()->rightPage()->setFocus();
        key(*form, Qt::Key_F1);
        QVERIFY(helpOpen(*form));
        qw::HelpPanel* help = form->helpPart()->panel();
        QCOMPARE(QApplication::focusWidget(), help->tree());
        QCOMPARE(help->currentPage(), 0);
        key(*form, Qt::Key_Down); // the tree keeps the arrows; the book does not turn
        key(*form, Qt::Key_Return);
        QCOMPARE(help->currentPage(), 1);
        QCOMPARE(form->book().Pages.LeftPage, 0);
        QStringList nodes;
        for (int i = 0; i < help->tree()->topLevelItemCount(); ++i)
            nodes << help->tree()->topLevelItem(i)->text(0);
        QCOMPARE(nodes, (QStringList{" About", " Features", " Keyboard", " Mouse", " Tips"}));
        key(*form, Qt::Key_Escape);
        QVERIFY(!helpOpen(*form));
        QVERIFY(!form->isMinimized());

        // Alt+M opens the menu with the keyboard in its first command; Tab
        // goes on; Alt and an access letter runs a command.
        form->pageArea()->rightPage()->setFocus();
        QTest::keyClick(form.get(), Qt::Key_M, Qt::AltModifier);
        QVERIFY(menuOpen(*form));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Laden"));
        key(*form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Append"));
        key(*form, Qt::Key_Escape);
        QVERIFY(!menuOpen(*form));
        QTest::keyClick(form.get(), Qt::Key_M, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
        QVERIFY(!menuOpen(*form));
        QVERIFY(form->findPart()->isOpen());
        form->findPart()->closePanel();

        // The options tree by keyboard: Down and Enter choose a page.
        form->ShowOptions(0);
        form->menuPanel()->tree()->setFocus();
        key(*form, Qt::Key_Down);
        key(*form, Qt::Key_Return);
        QCOMPARE(form->menuPanel()->currentPage(), 1);
        QCOMPARE(form->book().Pages.LeftPage, 0);

        // "Open Help.txt" closes the panels and opens the guide as a book
        // (or says where it is missing).
        key(*form, Qt::Key_F1);
        help->openHelpButton()->click();
        QVERIFY(!helpOpen(*form));
        QVERIFY(form->book().FileName.find("Help.txt") != std::string::npos ||
                (!dialogs.messages().empty() &&
                 dialogs.messages().back().find("Help.txt") != std::string::npos));
    }
};

QTEST_MAIN(MenuPanelTest)
#include "tst_menu_panel.moc"
