// Moving between the files of the book's folder with the keys, archive
// members counted as files, and the file ordering window putting several
// chosen files in order before they are joined.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "core/import/zip_test_util.h"
#include "import/ui/TFileSelForm.h"
#include "reader/ui/FolderPart.h"
#include "reader/ui/TForm1.h"
#include "show_window.h"
#include "test_books.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

class FoldersTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    // The books sit in a folder of their own, away from Quirewell.ini.
    QString books() const { return config_.filePath(QStringLiteral("books")); }
    // "file" or "archive|member" of the open book, relative to that folder.
    QString openBook(const qw::TForm1& form) const {
        const qw::Book& book = form.book();
        QString name = QString::fromStdString(book.FileName).mid(books().size() + 1);
        if (!book.ArchiveEntry.empty())
            name += QLatin1Char('|') + QString::fromStdString(book.ArchiveEntry);
        return name;
    }
    // The last message shown, then forgotten.
    static std::string lastMessage(qw::ScriptedDialogs& dialogs) {
        if (dialogs.shown.empty())
            return {};
        std::string text = dialogs.shown.back().text;
        dialogs.shown.clear();
        return text;
    }
    static QStringList rows(const qw::TFileSelForm* form) {
        QStringList texts;
        for (int row = 0; row < form->FileSelList->count(); ++row)
            texts << form->FileSelList->item(row)->text();
        return texts;
    }
    static QPoint rowCentre(const QListWidget* list, int row) {
        return list->visualItemRect(list->item(row)).center();
    }
    // Runs action on the file ordering window once it is shown modally.
    static void whenOrderingShown(std::function<void(qw::TFileSelForm*)> action) {
        QTimer::singleShot(0, [action] {
            auto* form = qobject_cast<qw::TFileSelForm*>(QApplication::activeModalWidget());
            QVERIFY(form);
            QVERIFY(QTest::qWaitForWindowExposed(form));
            action(form);
            if (form->isVisible()) // a failed action must not hang the test
                QTimer::singleShot(2000, form, [form] { form->done(-1); });
        });
    }
    QString write(const QString& name, const QByteArray& text) {
        return qw::test::WriteTestFile(books(), name, text);
    }

  private slots:
    void init() {
        QVERIFY(config_.begin());
        QVERIFY(QDir().mkpath(books()));
    }
    void cleanup() { config_.end(); }

    void keysMoveThroughTheFolderAndItsArchive() {
        const QString first = write(QStringLiteral("a.txt"), "Text of a.\r\n");
        write(QStringLiteral("c.txt"), "Text of c.\r\n");
        write(QStringLiteral("cover.jpg"), "JFIF");
        QVERIFY(qw::test::WriteZip((books() + QStringLiteral("/b.zip")).toStdString(),
                                   {{"y.txt", "Member y.\n"}, {"x.txt", "Member x.\n"}}));
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        form.startupOpen({QStringLiteral("quirewell"), first});
        QCOMPARE(openBook(form), QStringLiteral("a.txt"));

        const auto press = [&form](Qt::Key key) {
            QTest::keyClick(&form, key, Qt::ControlModifier);
        };
        press(Qt::Key_PageDown);
        QCOMPARE(openBook(form), QStringLiteral("b.zip|x.txt"));
        QVERIFY(form.book().RawText.find("Member x.") == 0);
        press(Qt::Key_PageDown);
        QCOMPARE(openBook(form), QStringLiteral("b.zip|y.txt"));
        press(Qt::Key_PageDown);
        QCOMPARE(openBook(form), QStringLiteral("c.txt"));
        QVERIFY(dialogs.shown.empty());
        press(Qt::Key_PageDown); // only the picture follows
        QCOMPARE(lastMessage(dialogs),
                 std::string("This is the last valid file in the current directory"));
        QCOMPARE(openBook(form), QStringLiteral("c.txt"));

        press(Qt::Key_PageUp);
        QCOMPARE(openBook(form), QStringLiteral("b.zip|y.txt"));
        press(Qt::Key_Home);
        QCOMPARE(openBook(form), QStringLiteral("a.txt"));
        press(Qt::Key_Home);
        QCOMPARE(lastMessage(dialogs),
                 std::string("This is the first file in the current directory"));
        press(Qt::Key_End);
        QCOMPARE(openBook(form), QStringLiteral("c.txt"));

        // A file that vanished after the book was opened is simply not there.
        QVERIFY(QFile::remove(books() + QStringLiteral("/b.zip")));
        press(Qt::Key_PageUp);
        QCOMPARE(openBook(form), QStringLiteral("a.txt"));
        QVERIFY(dialogs.shown.empty());

        // With no book open, any of the keys opens the first file of the
        // folder the open dialog starts in.
        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!form.book().isOpen());
        press(Qt::Key_End);
        QCOMPARE(openBook(form), QStringLiteral("a.txt"));
    }

    void orderingWindowSetsTheJoinOrder() {
        const QString a = write(QStringLiteral("part2.txt"), "Two");
        const QString b = write(QStringLiteral("part10.txt"), "Ten");
        const QString c = write(QStringLiteral("part1.txt"), "One");
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));

        // Ctrl+O with three files: shown in file-list order; part10 is
        // dragged to the top, then OK.
        QStringList offered;
        QString caption;
        whenOrderingShown([&](qw::TFileSelForm* window) {
            offered = rows(window);
            caption = window->windowTitle();
            QWidget* viewport = window->FileSelList->viewport();
            QTest::mousePress(viewport, Qt::LeftButton, {}, rowCentre(window->FileSelList, 2));
            QTest::mouseMove(viewport, rowCentre(window->FileSelList, 1));
            QTest::mouseMove(viewport, rowCentre(window->FileSelList, 0));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCentre(window->FileSelList, 0));
            if (qEnvironmentVariableIsSet("QW_SCREENSHOT"))
                window->grab().save(qEnvironmentVariable("QW_SCREENSHOT"));
            QTest::mouseClick(window->OKButton, Qt::LeftButton);
        });
        dialogs.openChoices.push_back({a.toStdString(), b.toStdString(), c.toStdString()});
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(offered, (QStringList{books() + "/part1.txt", books() + "/part2.txt",
                                       books() + "/part10.txt"}));
        QCOMPARE(caption,
                 QStringLiteral("3 files selected. Drag a filename to change the sort order"));
        const std::string joined = " ~ part10.txt\r\n\r\n\r\nTen\r\n\r\n\r\n\r\n\r\n\r\n"
                                   " ~ part1.txt\r\n\r\n\r\nOne\r\n\r\n\r\n\r\n\r\n\r\n"
                                   " ~ part2.txt\r\n\r\n\r\nTwo";
        QCOMPARE(form.book().RawText, joined);

        // Dragged out of order, "Sort" puts the rows back; Esc opens nothing
        // and the joined book stays.
        QStringList sorted;
        whenOrderingShown([&](qw::TFileSelForm* window) {
            QWidget* viewport = window->FileSelList->viewport();
            QTest::mousePress(viewport, Qt::LeftButton, {}, rowCentre(window->FileSelList, 0));
            QTest::mouseMove(viewport, rowCentre(window->FileSelList, 2));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, rowCentre(window->FileSelList, 2));
            QTest::mouseClick(window->SortButton, Qt::LeftButton);
            sorted = rows(window);
            QTest::keyClick(window, Qt::Key_Escape);
        });
        dialogs.answers.push_back(true); // "Edited text has not been saved! Open file?"
        dialogs.openChoices.push_back({b.toStdString(), c.toStdString(), a.toStdString()});
        QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(sorted, offered);
        QCOMPARE(form.book().RawText, joined);
    }

    void orderingWindowKeepsItsButtonsPlaced() {
        qw::TFileSelForm window;
        window.setFiles({{"/f/b.zip", "x.txt"}, {"/f/a.txt", {}}});
        QCOMPARE(rows(&window), (QStringList{"/f/a.txt", "x.txt"}));
        window.resize(600, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QWidget* panel = window.BottomPanel;
        const QRect ok = window.OKButton->geometry();
        const QRect cancel = window.CancelButton->geometry();
        QVERIFY(qAbs(ok.center().x() - panel->width() / 2) <= 1);
        QCOMPARE(panel->width() - cancel.right() - 1, 30);
        QVERIFY(qAbs(cancel.center().y() - panel->height() / 2) <= 1);
        QVERIFY(!window.SortButton->geometry().intersects(ok));
        // OK is the default button: Enter in the list closes the window as OK.
        QTest::keyClick(window.FileSelList, Qt::Key_Return);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(FoldersTest)
#include "tst_folders.moc"
