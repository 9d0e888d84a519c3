// The "Book info" and "Annotation" pages on their own, and in the reader
// window: each edit is written into the book's record at once, the caption
// follows the title, and unrecorded books get nothing written.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/TForm1.h"
#include "reader/ui/TitlePageView.h"
#include "settings/ui/AnnotationPage.h"
#include "settings/ui/BookInfoPage.h"
#include "settings/ui/IniFileListPage.h"
#include "settings/ui/MenuPanel.h"
#include "test_books.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace qw;

namespace {

struct Edit {
    BookKey key;
    std::string value;
};

} // namespace

class BookInfoTest : public QObject {
    Q_OBJECT

  private:
    test::ConfigFolder config_;

    QString writeFile(const QString& name, const QByteArray& content) {
        return qw::test::WriteTestFile(config_.path(), name, content);
    }

    // The menu panel at its "Book info" page.
    static MenuPanel* openDialog(TForm1& form) {
        form.ShowOptions(8);
        return form.menuPanel();
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void fillingThePageReportsNothing() {
        BookInfoPage page;
        std::vector<Edit> edits;
        page.onEdited = [&](BookKey k, const std::string& v) { edits.push_back({k, v}); };
        BookInfo info;
        info.title = "Caf\xc3\xa9";
        info.author = "Someone";
        info.rating = "3";
        info.categories = "sea, whales";
        info.source = "example.org";
        info.finished = true;
        info.lastOpened = "2026-01-02 03:04:05";
        page.setInfo(info);
        QVERIFY(edits.empty());
        QCOMPARE(page.field(BookKey::Title)->text(), QStringLiteral("Caf\u00e9"));
        QCOMPARE(page.field(BookKey::Author)->text(), QStringLiteral("Someone"));
        QCOMPARE(page.ratingList()->currentText(), QStringLiteral("3"));
        QCOMPARE(page.field(BookKey::Categories)->text(), QStringLiteral("sea, whales"));
        QVERIFY(page.finishedBox()->isChecked());
        QCOMPARE(page.factText("Last opened"), QStringLiteral("2026-01-02 03:04:05"));

        // A rating that is not in the list shows the empty entry.
        info.rating = "7";
        page.setInfo(info);
        QCOMPARE(page.ratingList()->currentIndex(), 0);
        QVERIFY(edits.empty());
    }

    void ratingListHoldsEmptyAndFiveToOne() {
        BookInfoPage page;
        QStringList items;
        for (int i = 0; i < page.ratingList()->count(); ++i)
            items << page.ratingList()->itemText(i);
        QCOMPARE(items, (QStringList{QString(), "5", "4", "3", "2", "1"}));

        std::vector<Edit> edits;
        page.onEdited = [&](BookKey k, const std::string& v) { edits.push_back({k, v}); };
        page.show();
        page.ratingList()->setFocus();
        QTest::keyClick(page.ratingList(), Qt::Key_Down);
        QCOMPARE(edits.size(), size_t{1});
        QCOMPARE(edits[0].key, BookKey::Rating);
        QCOMPARE(edits[0].value, std::string("5"));
    }

    void typingReportsEveryChangeUpTo255Characters() {
        BookInfoPage page;
        std::vector<Edit> edits;
        page.onEdited = [&](BookKey k, const std::string& v) { edits.push_back({k, v}); };
        page.show();
        QTest::keyClicks(page.field(BookKey::Subtitle), QStringLiteral("Ab"));
        QCOMPARE(edits.size(), size_t{2});
        QCOMPARE(edits.back().key, BookKey::Subtitle);
        QCOMPARE(edits.back().value, std::string("Ab"));

        for (BookKey key : {BookKey::Title, BookKey::Author, BookKey::Categories}) {
            QTest::keyClicks(page.field(key), QString(300, QLatin1Char('x')));
            QCOMPARE(page.field(key)->text().size(), 255);
            QCOMPARE(edits.back().key, key);
            QCOMPARE(edits.back().value.size(), size_t{255});
        }
        // The source has no such limit.
        QTest::keyClicks(page.field(BookKey::Source), QString(300, QLatin1Char('s')));
        QCOMPARE(edits.back().value.size(), size_t{300});
    }

    void nameButtonsInsertTheFileName() {
        BookInfoPage page;
        std::vector<Edit> edits;
        page.onEdited = [&](BookKey k, const std::string& v) { edits.push_back({k, v}); };
        for (BookKey key : {BookKey::Title, BookKey::Subtitle, BookKey::Author})
            QCOMPARE(page.nameButton(key)->toolTip(),
                     QStringLiteral("Click to insert the current file name"));
        // No book: nothing to insert.
        QTest::mouseClick(page.nameButton(BookKey::Title), Qt::LeftButton);
        QVERIFY(edits.empty());

        page.setCurrentFile("/books/Moby Dick.txt");
        for (BookKey key : {BookKey::Title, BookKey::Subtitle, BookKey::Author}) {
            QTest::mouseClick(page.nameButton(key), Qt::LeftButton);
            QCOMPARE(page.field(key)->text(), QStringLiteral("Moby Dick"));
            QCOMPARE(edits.back().key, key);
            QCOMPARE(edits.back().value, std::string("Moby Dick"));
        }
        QCOMPARE(edits.size(), size_t{3});
    }

    void finishedReadingAndSource() {
        BookInfoPage page;
        std::vector<Edit> edits;
        std::vector<std::string> opened;
        page.onEdited = [&](BookKey k, const std::string& v) { edits.push_back({k, v}); };
        page.onOpenAddress = [&](const std::string& a) { opened.push_back(a); };
        page.show();
        QCOMPARE(page.finishedBox()->text(), QStringLiteral("Finished reading"));
        QTest::mouseClick(page.finishedBox(), Qt::LeftButton);
        QTest::mouseClick(page.finishedBox(), Qt::LeftButton);
        QCOMPARE(edits.size(), size_t{2});
        QCOMPARE(edits[0].key, BookKey::Finished);
        QCOMPARE(edits[0].value, std::string("Yes"));
        QCOMPARE(edits[1].value, std::string("No"));

        QTest::mouseClick(page.sourceButton(), Qt::LeftButton);
        QVERIFY(opened.empty()); // an empty field opens nothing
        page.field(BookKey::Source)->setText(QStringLiteral("example.org/b"));
        QTest::mouseClick(page.sourceButton(), Qt::LeftButton);
        page.field(BookKey::Source)->setText(QStringLiteral("https://example.org/s"));
        QTest::mouseClick(page.sourceButton(), Qt::LeftButton);
        QCOMPARE(opened,
                 (std::vector<std::string>{"http://example.org/b", "https://example.org/s"}));
    }

    void annotationMemosKeepLineBreaks() {
        AnnotationPage page;
        std::vector<Edit> edits;
        page.onEdited = [&](BookKey k, const std::string& v) { edits.push_back({k, v}); };
        BookInfo info;
        info.synopsis = "one\r\ntwo";
        info.remarks = "mine";
        page.setInfo(info);
        QVERIFY(edits.empty());
        QCOMPARE(page.memo(BookKey::Synopsis)->toPlainText(), QStringLiteral("one\ntwo"));
        QCOMPARE(page.memo(BookKey::Remarks)->toPlainText(), QStringLiteral("mine"));

        page.show();
        QPlainTextEdit* memo = page.memo(BookKey::AdditionalInformation);
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("a"));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("b"));
        QCOMPARE(edits.back().key, BookKey::AdditionalInformation);
        QCOMPARE(edits.back().value, std::string("a\r\nb"));
    }

    void editsInTheWindowAreWrittenAtOnce() {
        const QString path = writeFile(QStringLiteral("Sea story.txt"),
                                       QByteArray("Call me someone.\r\nSome years ago.\r\n"));
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        form.show();
        form.startupOpen({QStringLiteral("quirewell"), path});
        QVERIFY(form.book().isOpen());

        MenuPanel* dialog = openDialog(form);
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        BookInfoPage* info = dialog->findChild<BookInfoPage*>();
        QVERIFY(info->isEnabled());
        QCOMPARE(info->factText("Size"), QStringLiteral("35 Bytes"));
        QVERIFY(!info->factText("Modified").isEmpty());
        QVERIFY(!info->factText("Last opened").isEmpty());

        const std::string record = path.toStdString();
        ConfigFile& file = form.configuration().file;
        QTest::keyClicks(info->field(BookKey::Title), QStringLiteral("Whales"));
        QCOMPARE(file.ReadString(record, "Title", "?"), std::string("Whales"));
        QCOMPARE(form.record().info.title, std::string("Whales"));
        // The title page (shown, as the book starts there) follows the title.
        QCOMPARE(form.book().Pages.LeftPage, 0);
        QCOMPARE(QString::fromStdString(form.pageArea()->titlePage()->items().front().text),
                 QStringLiteral("Whales"));
        QVERIFY2(form.windowTitle().contains(QStringLiteral("Whales")),
                 qPrintable(form.windowTitle()));

        QTest::mouseClick(info->nameButton(BookKey::Author), Qt::LeftButton);
        QCOMPARE(file.ReadString(record, "Author", "?"), std::string("Sea story"));
        QVERIFY(form.windowTitle().contains(QStringLiteral("Sea story")));

        QTest::mouseClick(info->finishedBox(), Qt::LeftButton);
        QCOMPARE(file.ReadString(record, "Finished", "?"), std::string("Yes"));

        QPlainTextEdit* synopsis = dialog->findChild<AnnotationPage*>()->memo(BookKey::Synopsis);
        dialog->showPage(9);
        synopsis->setFocus();
        QTest::keyClicks(synopsis, QStringLiteral("x"));
        QTest::keyClick(synopsis, Qt::Key_Return);
        QTest::keyClicks(synopsis, QStringLiteral("y"));
        QCOMPARE(file.ReadString(record, "Synopsis", "?"), std::string("x||y"));

        // The file itself holds the values, and a reopened window shows them.
        ConfigFile reread(file.FileName());
        QCOMPARE(reread.ReadString(record, "Title", "?"), std::string("Whales"));
        QCOMPARE(reread.ReadString(record, "Synopsis", "?"), std::string("x||y"));
        form.close();
        TForm1 again(dialogs);
        again.show();
        again.startupOpen({QStringLiteral("quirewell"), path});
        MenuPanel* shown = openDialog(again);
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->findChild<BookInfoPage*>()->field(BookKey::Title)->text(),
                 QStringLiteral("Whales"));
        QCOMPARE(shown->findChild<BookInfoPage*>()->field(BookKey::Author)->text(),
                 QStringLiteral("Sea story"));
        QVERIFY(shown->findChild<BookInfoPage*>()->finishedBox()->isChecked());
        QCOMPARE(shown->findChild<AnnotationPage*>()->memo(BookKey::Synopsis)->toPlainText(),
                 QStringLiteral("x\ny"));
        QVERIFY(dialogs.shown.empty());
    }

    void closingTheBookEmptiesAndDisablesThePages() {
        const QString path = writeFile(QStringLiteral("b.txt"), "Text.");
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        form.show();
        form.startupOpen({QStringLiteral("quirewell"), path});
        MenuPanel* dialog = openDialog(form);
        QVERIFY(dialog != nullptr);
        QTest::keyClicks(dialog->findChild<BookInfoPage*>()->field(BookKey::Title),
                         QStringLiteral("T"));
        QCOMPARE(form.record().info.title, std::string("T"));

        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!form.book().isOpen());
        QVERIFY(!dialog->findChild<BookInfoPage*>()->isEnabled());
        QVERIFY(!dialog->findChild<AnnotationPage*>()->isEnabled());
        QCOMPARE(dialog->findChild<BookInfoPage*>()->field(BookKey::Title)->text(), QString());
        QCOMPARE(dialog->findChild<BookInfoPage*>()->factText("Size"), QString());
    }

    void unrecordedBooksGetNothingWritten() {
        const QString path = writeFile(QStringLiteral("c.txt"), "Text.");
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        // The folder of the book is excluded from records.
        std::string excluded = QDir(config_.path()).absolutePath().toUpper().toStdString() + "/*";
        form.configuration().state.excludedPaths = {excluded};
        form.show();
        form.startupOpen({QStringLiteral("quirewell"), path});
        QVERIFY(form.book().isOpen());
        const std::string record = path.toStdString();
        QVERIFY(!form.configuration().file.SectionExists(record));

        MenuPanel* dialog = openDialog(form);
        QVERIFY(dialog != nullptr);
        QTest::keyClicks(dialog->findChild<BookInfoPage*>()->field(BookKey::Title),
                         QStringLiteral("Kept"));
        // The window still shows the title; the file holds no record.
        QCOMPARE(form.record().info.title, std::string("Kept"));
        QVERIFY(form.windowTitle().contains(QStringLiteral("Kept")));
        QVERIFY(!form.configuration().file.SectionExists(record));
    }

    void aNewRecordAppearsInTheShownIniList() {
        const QString first = writeFile(QStringLiteral("first.txt"), "One.");
        const QString second = writeFile(QStringLiteral("second.txt"), "Two.");
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        form.show();
        form.startupOpen({QStringLiteral("quirewell"), first});
        MenuPanel* dialog = openDialog(form);
        QVERIFY(dialog != nullptr);
        IniFileListPage* list = dialog->findChild<IniFileListPage*>();
        dialog->showPage(5);
        QVERIFY(list->isVisible());
        QCOMPARE(list->entries().size(), size_t{1});
        QCOMPARE(list->titleLabel()->text(), QStringLiteral("1 file name"));

        dialogs.openChoices.push_back({second.toStdString()});
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(form.book().FileName, second.toStdString());
        QCOMPARE(list->entries().size(), size_t{2});
        QCOMPARE(list->titleLabel()->text(), QStringLiteral("2 file names"));
        // The information page now shows the second book.
        QCOMPARE(dialog->findChild<BookInfoPage*>()->field(BookKey::Title)->text(), QString());
        QCOMPARE(dialog->findChild<BookInfoPage*>()->factText("Size"), QStringLiteral("4 Bytes"));
    }
};

QTEST_MAIN(BookInfoTest)
#include "tst_book_info.moc"
