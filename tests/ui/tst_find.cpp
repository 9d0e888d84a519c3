// Find in the reader window, driven by keys: a hit selected on the right
// page beside the title page, a phrase running from the left page onto the
// right one, quick find, Copy, the three answers at the end of the book,
// Esc stopping a scan, and the question without a book.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/FindPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "show_window.h"
#include "test_books.h"

#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {} // namespace

class FindTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    std::unique_ptr<qw::TForm1> open(qw::ScriptedDialogs& dialogs) {
        auto form = std::make_unique<qw::TForm1>(dialogs);
        if (!qw::test::ShowNormalAt(*form, QSize(1280, 800)))
            return nullptr;
        const QString path = qw::test::WriteTestFile(config_.path(), QStringLiteral("words.txt"),
                                                     qw::test::NumberedWords(4000));
        form->startupOpen({QStringLiteral("quirewell"), path});
        return form;
    }
    static QLineEdit* field(qw::TForm1& form) {
        return form.findChild<QComboBox*>(QStringLiteral("FindText"))->lineEdit();
    }
    // Keys go to the control with the focus, as the keyboard's do.
    static void type(const QString& text, Qt::Key key = Qt::Key_unknown) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        if (key != Qt::Key_unknown)
            QTest::keyClick(QApplication::focusWidget(), key);
    }
    // Ctrl+F, the text typed into the field, Enter.
    static void find(qw::TForm1& form, const QString& text) {
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        type(text, Qt::Key_Return);
    }
    static bool panelOpen(qw::TForm1& form) { return form.findPart()->isOpen(); }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void hitBesideTheTitlePageAndAcrossThePages() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        qw::PageArea* pages = form->pageArea();
        QCOMPARE(form->book().Pages.LeftPage, 0);

        // Quick find: a typed letter opens the panel with it; the title page
        // is on the left, so the word is found on the right page.
        QTest::keyClick(form.get(), Qt::Key_W);
        QVERIFY(panelOpen(*form));
        QCOMPARE(field(*form)->text(), QStringLiteral("w"));
        type(QStringLiteral("00007"), Qt::Key_Return);
        QCOMPARE(form->book().Pages.LeftPage, 0);
        QCOMPARE(pages->rightPage()->selectedText(), QStringLiteral("w00007"));
        QVERIFY(!pages->leftPage()->hasSelection());

        // The last word of page 1 and the first of page 2 as one phrase, in
        // capitals: the pages turn and the hit is selected on both.
        const QRegularExpression blanks(QStringLiteral("\\s+"));
        pages->goToPage(1);
        const QString last =
            pages->leftPage()->pageText().split(blanks, Qt::SkipEmptyParts).constLast();
        const QString first =
            pages->rightPage()->pageText().split(blanks, Qt::SkipEmptyParts).constFirst();
        pages->goToPage(0);
        find(*form, (last + QLatin1Char(' ') + first).toUpper());
        QCOMPARE(form->book().Pages.LeftPage, 1);
        QCOMPARE(pages->leftPage()->selectedText(), last);
        QCOMPARE(pages->rightPage()->selectedText(), first);
        // The texts searched for are offered again, the latest first.
        const auto* texts = form->findChild<QComboBox*>(QStringLiteral("FindText"));
        QCOMPARE(texts->count(), 2);
        QCOMPARE(texts->itemText(1), QStringLiteral("w00007"));
        QTest::keyClick(form.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), last);

        // Esc closes the panel and clears both selections.
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QVERIFY(!panelOpen(*form));
        QVERIFY(!pages->leftPage()->hasSelection() && !pages->rightPage()->hasSelection());
        QVERIFY(dialogs.shown.empty());
    }

    void answersAtTheEndOfTheBook_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("panelStaysOpen");
        QTest::addColumn<bool>("foundAgain");
        QTest::newRow("Yes starts again") << int(qw::Choice::Yes) << true << true;
        QTest::newRow("No closes the panel") << int(qw::Choice::No) << false << false;
        QTest::newRow("Cancel keeps the panel") << int(qw::Choice::Cancel) << true << false;
    }
    void answersAtTheEndOfTheBook() {
        QFETCH(int, answer);
        QFETCH(bool, panelStaysOpen);
        QFETCH(bool, foundAgain);
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        qw::PageArea* pages = form->pageArea();
        pages->goToPage(3);
        find(*form, QStringLiteral("w00002"));
        QCOMPARE(dialogs.shown.size(), size_t(1)); // not after page 3: asked
        QCOMPARE(dialogs.shown[0].kind, qw::ScriptedDialogs::Kind::Choice);
        QCOMPARE(dialogs.shown[0].text,
                 std::string("Text not found.\rStart again from the beginning?\r"
                             "(No closes the Find dialog)"));
        QCOMPARE(form->book().Pages.LeftPage, 3); // No answered by default
        QVERIFY(!panelOpen(*form));

        dialogs.choices.push_back(static_cast<qw::Choice>(answer));
        find(*form, QString()); // the text is kept
        QCOMPARE(dialogs.shown.size(), size_t(2));
        QCOMPARE(panelOpen(*form), panelStaysOpen);
        QCOMPARE(form->book().Pages.LeftPage, foundAgain ? 1 : 3);
        QCOMPARE(pages->leftPage()->selectedText(),
                 foundAgain ? QStringLiteral("w00002") : QString());
    }

    void escStopsTheScan() {
        qw::ScriptedDialogs dialogs;
        auto form = open(dialogs);
        QVERIFY(form);
        QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
        type(QStringLiteral("absent"));
        // Pressed while the scan runs: it is waiting when the scan looks.
        QCoreApplication::postEvent(
            form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        type(QString(), Qt::Key_Return);
        QVERIFY(dialogs.shown.empty());
        QVERIFY(!panelOpen(*form));
        QCOMPARE(form->book().Pages.LeftPage, 0);
    }

    void withoutABookOffersFindInFiles() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        QSignalSpy requested(form.findPart(), &qw::FindPart::findInFilesRequested);
        dialogs.answers = {false, true};
        find(form, QStringLiteral("x"));
        type(QString(), Qt::Key_F3);
        QCOMPARE(dialogs.shown.size(), size_t(2));
        QCOMPARE(dialogs.shown[0].text, std::string("No text opened, start searching in files?"));
        QCOMPARE(requested.size(), 1);
        QCOMPARE(requested[0][0].toString(), QStringLiteral("x"));
    }
};

QTEST_MAIN(FindTest)
#include "tst_find.moc"
