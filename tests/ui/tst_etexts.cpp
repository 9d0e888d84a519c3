// Real e-texts in the reader window: a Project Gutenberg novel opens at its
// own text with title and author from the header on the title page;
// justified pages keep their lines, pages and selections; a moved or renamed
// book keeps its page and bookmarks.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "core/reader/novel_gen.h"
#include "reader/book.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "reader/ui/TitlePageView.h"
#include "settings/book_fingerprint.h"
#include "settings/configuration.h"
#include "settings/ui/MenuPanel.h"
#include "test_books.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace qw;

class ETextsTest : public QObject {
    Q_OBJECT

    test::ConfigFolder config_;

    QString write(const QString& folder, const QString& name, const std::string& text) {
        QDir().mkpath(config_.filePath(folder));
        return test::WriteTestFile(config_.filePath(folder), name, QByteArray::fromStdString(text));
    }

    // Clicks a check box of the options the way the reader does.
    static void clickOption(TForm1& form, int page, const char* name) {
        form.ShowOptions(page);
        auto* box = form.menuPanel()->findChild<QCheckBox*>(QString::fromLatin1(name));
        QVERIFY2(box != nullptr, name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
        QTest::keyClick(box, Qt::Key_Escape); // the menu closes, the keys turn pages again
        QVERIFY(!form.menuPanel()->isVisible());
    }

    static QStringList titleTexts(const TForm1& form) {
        QStringList texts;
        for (const TitleItem& item : form.pageArea()->titlePage()->items())
            texts << QString::fromStdString(item.text);
        return texts;
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void gutenbergNovelOpensAtItsText() {
        novel::Shape shape;
        shape.frame = novel::Frame::New;
        shape.lineBreak = "\n";
        const novel::Novel generated = novel::Make(shape);
        const QString path = write("books", "quiet.txt", generated.text);
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        form.resize(1280, 800);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startupOpen({QStringLiteral("quirewell"), path});
        const Book& book = form.book();
        QVERIFY(book.isOpen());
        QVERIFY(book.RawText.find("*** START OF THE PROJECT") != std::string::npos);
        QVERIFY(book.WorkText.find("Gutenberg") == std::string::npos);

        // The title page: the header's title, "by" and the author, the translator.
        QCOMPARE(book.Pages.LeftPage, 0);
        const QStringList texts = titleTexts(form);
        QCOMPARE(texts.value(0), QString::fromStdString(generated.title));
        QCOMPARE(texts.value(1), QStringLiteral("by"));
        QCOMPARE(texts.value(2), QString::fromStdString(generated.author));
        QVERIFY2(texts.contains(QStringLiteral("Translated by Margaret Ames")),
                 qPrintable(texts.join('|')));
        // Page 1 starts with the novel's own first line.
        QVERIFY(form.pageArea()->rightPage()->pageText().startsWith(
            QString::fromStdString(generated.title)));

        // Without the option the header is the first page again.
        const int bodyLines = book.LineCount;
        clickOption(form, 0, "SkipGutenbergFrame");
        QCOMPARE(form.configuration().settings.Bool(Setting::SkipGutenbergFrame), false);
        QVERIFY(book.LineCount > bodyLines);
        QVERIFY(form.pageArea()->rightPage()->pageText().startsWith(
            QStringLiteral("The Project Gutenberg eBook")));
        clickOption(form, 0, "SkipGutenbergFrame");
        QCOMPARE(book.LineCount, bodyLines);
        QVERIFY(dialogs.shown.empty());
    }

    void justifiedDrawingKeepsLinesPagesAndSelections() {
        const QString path = write("books", "hard.txt", test::HardWrappedBook(60).toStdString());
        ScriptedDialogs dialogs;
        TForm1 form(dialogs);
        form.resize(1280, 800);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.startupOpen({QStringLiteral("quirewell"), path});
        form.pageArea()->goToPage(2);
        PageView* left = form.pageArea()->leftPage();
        const int lineCount = form.book().LineCount;
        const int pageCount = form.book().Pages.PageCount;
        const QString text = left->pageText();
        QVERIFY(left->lineCount() > 5);
        std::vector<double> ragged;
        for (int i = 0; i < left->lineCount(); ++i)
            ragged.push_back(left->drawnLineWidth(i));
        left->setSelection(10, 200);
        const QString selected = left->selectedText();

        clickOption(form, 0, "JustifyText");
        QVERIFY(form.configuration().settings.Bool(Setting::JustifyText));
        QCOMPARE(form.book().LineCount, lineCount);
        QCOMPARE(form.book().Pages.PageCount, pageCount);
        QCOMPARE(form.book().Pages.LeftPage, 2);
        QCOMPARE(left->pageText(), text);
        left->setSelection(10, 200);
        QCOMPARE(left->selectedText(), selected);
        // Lines inside a paragraph reach the page's edge; last lines do not move.
        int stretched = 0;
        for (int i = 0; i < left->lineCount(); ++i) {
            const double now = left->drawnLineWidth(i);
            if (now != ragged[static_cast<size_t>(i)]) {
                ++stretched;
                QVERIFY(now > left->width() - 1 && now <= left->width());
            }
            if (left->pageText().split('\n').value(i).startsWith(QStringLiteral("with a final")))
                QCOMPARE(now, ragged[static_cast<size_t>(i)]);
        }
        QVERIFY(stretched > left->lineCount() / 2);
        // Turning pages keeps the stretched drawing.
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(form.book().Pages.LeftPage, 4);
        QVERIFY(left->drawnLineWidth(0) > left->width() - 1);
        QVERIFY(dialogs.shown.empty());
    }

    void aMovedBookKeepsItsPageAndBookmarks() {
        const std::string text = test::Novel(30, 6).toStdString();
        const QString first = write("old", "novel.txt", text);
        ScriptedDialogs dialogs;
        {
            TForm1 form(dialogs);
            form.resize(1280, 800);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.startupOpen({QStringLiteral("quirewell"), first});
            form.pageArea()->goToPage(6);
            QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
            QCOMPARE(form.book().Pages.Bookmarks[0], 6);
            form.pageArea()->goToPage(8);
            form.close();
        }
        // Moved to another folder and renamed.
        QDir().mkpath(config_.filePath("new"));
        const QString moved = config_.filePath("new/renamed novel.txt");
        QVERIFY(QFile::rename(first, moved));
        // A copy opened first keeps its own record; the moved file is a second copy
        // only while the first is there.
        {
            TForm1 form(dialogs);
            form.resize(1280, 800);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.startupOpen({QStringLiteral("quirewell"), moved});
            QCOMPARE(form.book().Pages.LeftPage, 8);
            QCOMPARE(form.book().Pages.Bookmarks[0], 6);
            const ConfigFile& file = form.configuration().file;
            QVERIFY(!file.SectionExists(first.toStdString()));
            QCOMPARE(file.ReadString(moved.toStdString(), kFingerprintKey, ""),
                     FileFingerprint(text));
            form.close();
        }
        // A copy beside it gets a record of its own; the original keeps its place.
        const QString copy = write("copies", "novel.txt", text);
        {
            TForm1 form(dialogs);
            form.resize(1280, 800);
            form.show();
            form.startupOpen({QStringLiteral("quirewell"), copy});
            QCOMPARE(form.book().Pages.LeftPage, 0);
            QVERIFY(form.configuration().file.SectionExists(moved.toStdString()));
            form.close();
        }
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(ETextsTest)
#include "tst_etexts.moc"
