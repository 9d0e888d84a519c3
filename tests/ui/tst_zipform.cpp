// The archive contents dialog and opening ZIP archives from the reader window.

#include "controls/scripted_dialogs.h"
#include "core/import/zip_test_util.h"
#include "import/ui/TFileSelForm.h"
#include "import/ui/TZipForm.h"
#include "import/ui/browse_for_folder.h"
#include "reader/ui/TForm1.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using Entries = std::vector<std::string>;

class ZipFormTest : public QObject {
    Q_OBJECT

  private:
    static QPoint rowCentre(QListWidget* list, int row) {
        return list->visualItemRect(list->item(row)).center();
    }

    // Runs action on the archive contents dialog once it is shown modally.
    static void whenDialogShown(std::function<void(qw::TZipForm*)> action) {
        QTimer::singleShot(0, [action] {
            auto* form = qobject_cast<qw::TZipForm*>(QApplication::activeModalWidget());
            QVERIFY(form);
            QVERIFY(QTest::qWaitForWindowExposed(form));
            action(form);
            // A dialog the action failed to close must not hang the test.
            if (form->isVisible())
                QTimer::singleShot(2000, form, [form] { form->done(-1); });
        });
    }

    std::string writeZip(const QString& name, const std::vector<qw::test::ZipMember>& members) {
        const std::string path = dir_.filePath(name).toStdString();
        if (!qw::test::WriteZip(path, members))
            qWarning("cannot write %s", path.c_str());
        return path;
    }

    QTemporaryDir dir_;

  private slots:
    void showsTheListingWithCaretAndNoSelection() {
        qw::TZipForm form;
        form.setListing("/books/set.zip", {"a.txt", "b.txt", "c.txt"});
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("/books/set.zip"));
        QCOMPARE(
            form.Label->text(),
            QStringLiteral("Double click to open one file, or select file(s) and press Return"));
        QCOMPARE(form.ZipList->toolTip(),
                 QStringLiteral("Double click to open one of the files in this archive"));
        QCOMPARE(form.ZipList->count(), 3);
        QCOMPARE(form.ZipList->currentRow(), 0);
        QVERIFY(form.ZipList->selectedItems().isEmpty());

        // Return without a selection closes with OK and opens nothing.
        QTest::keyClick(form.ZipList, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(form.selectedEntries().empty());
        QCOMPARE(form.windowTitle(), QStringLiteral("Archive Contents"));
    }

    void preselectsTheNamedRow() {
        qw::TZipForm form;
        form.setListing("/x.zip", {"a.txt", "b.txt", "c.txt"}, "c.txt");
        QCOMPARE(form.ZipList->currentRow(), 2);
        QVERIFY(form.ZipList->selectedItems().isEmpty());
        form.setListing("/x.zip", {"a.txt", "b.txt"}, "missing.txt");
        QCOMPARE(form.ZipList->currentRow(), 0);
    }

    void severalSelectionsComeInListOrder() {
        qw::TZipForm form;
        form.setListing("/x.zip", {"a.txt", "b.txt", "c.txt", "d.txt"});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* viewport = form.ZipList->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(form.ZipList, 3));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                          rowCentre(form.ZipList, 1));
        QTest::keyClick(form.ZipList, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.selectedEntries(), (Entries{"b.txt", "d.txt"}));
    }

    void escapeCancels() {
        const Entries chosen = [] {
            whenDialogShown([](qw::TZipForm* form) {
                form->ZipList->item(0)->setSelected(true);
                QTest::keyClick(form->ZipList, Qt::Key_Escape);
            });
            return qw::ShowArchiveContents(nullptr, "/x.zip", {"a.txt", "b.txt"});
        }();
        QVERIFY(chosen.empty());
    }

    void doubleClickOpensOneRow() {
        whenDialogShown([](qw::TZipForm* form) {
            const QPoint at = rowCentre(form->ZipList, 1);
            QTest::mouseClick(form->ZipList->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(form->ZipList->viewport(), Qt::LeftButton, {}, at);
        });
        QCOMPARE(qw::ShowArchiveContents(nullptr, "/x.zip", {"a.txt", "b.txt", "c.txt"}),
                 (Entries{"b.txt"}));
    }

    void opensChaptersOfAZipAsOneBook() {
        const std::string zip = writeZip(QStringLiteral("set.zip"), {{"ch10.txt", "Ten\n"},
                                                                     {"cover.jpg", "JFIF"},
                                                                     {"Ch 3.txt", "Three\n"},
                                                                     {"ch2.txt", "Two\n"}});
        qw::ScriptedDialogs dialogs;
        qw::TForm1 window(dialogs);
        window.show();
        QStringList offered;
        whenDialogShown([&offered](qw::TZipForm* form) {
            for (int row = 0; row < form->ZipList->count(); ++row)
                offered << form->ZipList->item(row)->text();
            form->ZipList->item(0)->setSelected(true);
            form->ZipList->item(2)->setSelected(true);
            // The two members then pass the file ordering window unchanged.
            QTimer::singleShot(0, [] {
                auto* order = qobject_cast<qw::TFileSelForm*>(QApplication::activeModalWidget());
                QVERIFY(order);
                QTest::keyClick(order->FileSelList, Qt::Key_Return);
            });
            QTest::keyClick(form->ZipList, Qt::Key_Return);
        });
        QVERIFY(window.loader().loadFiles({zip}));

        QCOMPARE(offered, (QStringList{"ch2.txt", "Ch 3.txt", "ch10.txt", "cover.jpg"}));
        QVERIFY(dialogs.shown.empty());
        QCOMPARE(window.book().RawText, std::string(" ~ [ch2.txt] from set.zip\r\n\r\n\r\nTwo"
                                                    "\r\n\r\n\r\n\r\n\r\n\r\n"
                                                    " ~ [ch10.txt] from set.zip\r\n\r\n\r\nTen"));
    }

    void oneMemberOpensWithoutTheDialog() {
        const std::string zip =
            writeZip(QStringLiteral("one.zip"), {{"only/book.htm", "<p>Hello <b>you</b></p>"}});
        qw::ScriptedDialogs dialogs;
        qw::TForm1 window(dialogs);
        QVERIFY(window.loader().loadFiles({zip}));
        QCOMPARE(window.book().FileName, zip);
        QCOMPARE(window.book().ArchiveEntry, std::string("only/book.htm"));
        QVERIFY(window.book().RawText.find("Hello") == 0);
    }

    void cancelledDialogOpensNothing() {
        const std::string zip =
            writeZip(QStringLiteral("two.zip"), {{"a.txt", "A"}, {"b.txt", "B"}});
        qw::ScriptedDialogs dialogs;
        qw::TForm1 window(dialogs);
        whenDialogShown([](qw::TZipForm* form) { form->reject(); });
        QVERIFY(!window.loader().loadFiles({zip}));
        QVERIFY(!window.book().isOpen());
    }

    void extractionErrorIsShown() {
        const std::string plain =
            writeZip(QStringLiteral("enc0.zip"), {{"secret.txt", "secret", true}});
        std::string bytes = qw::test::ReadBytes(plain);
        qw::test::MarkEncrypted(bytes);
        const std::string zip = dir_.filePath(QStringLiteral("enc.zip")).toStdString();
        qw::test::WriteBytes(zip, bytes);

        qw::ScriptedDialogs dialogs;
        qw::TForm1 window(dialogs);
        window.loader().loadFiles({zip});
        QCOMPARE(dialogs.shown.size(), size_t(1));
        QVERIFY(dialogs.shown[0].kind == qw::ScriptedDialogs::Kind::Error);
        const std::string expected = "Error unzipping file secret.txt from archive " + zip;
        QVERIFY2(dialogs.shown[0].text.rfind(expected, 0) == 0, dialogs.shown[0].text.c_str());
        QVERIFY(!window.book().isOpen());
    }

    void browseForFolderReturnsTheChoiceOrNothing() {
        const QString folder = dir_.filePath(QStringLiteral("chosen"));
        QVERIFY(QDir().mkpath(folder));
        QWidget owner;
        owner.setGeometry(100, 100, 800, 600);
        owner.show();
        QString title;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            QCOMPARE(dialog->directory().absolutePath(), dir_.path());
            dialog->selectFile(folder);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QCOMPARE(qw::BrowseForFolder(&owner, "Choose a folder", dir_.path().toStdString()),
                 folder.toStdString());
        QCOMPARE(title, QStringLiteral("Choose a folder"));

        QTimer::singleShot(0, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                static_cast<QDialog*>(dialog)->reject();
        });
        QCOMPARE(qw::BrowseForFolder(&owner, "Choose", dir_.path().toStdString()), std::string());
    }

    void opensStarOfficeWriterText() {
        const std::string sxw = writeZip(
            QStringLiteral("old.SXW"),
            {{"mimetype", "application/vnd.sun.xml.writer", true},
             {"content.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content>"
                             "<office:body><text:p>one<text:s text:c=\"3\"/>x</text:p>"
                             "<text:p/><text:p><draw:frame draw:name=\"Graphics1\"/>two</text:p>"
                             "</office:body></office:document-content>"}});
        qw::ScriptedDialogs dialogs;
        qw::TForm1 window(dialogs);
        QVERIFY(window.loader().loadFiles({sxw}));
        QCOMPARE(window.book().RawText, std::string("one   x\r\n\r\n{GRAPHICS1}two"));
        QCOMPARE(window.book().FileName, sxw);
    }

    void opensOpenDocumentText() {
        const std::string odt = writeZip(
            QStringLiteral("doc.odt"),
            {{"mimetype", "application/vnd.oasis.opendocument.text", true},
             {"content.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content>"
                             "<office:body><office:text><text:p>Caf\xC3\xA9</text:p>"
                             "<text:p>two</text:p></office:text></office:body>"
                             "</office:document-content>"}});
        qw::ScriptedDialogs dialogs;
        qw::TForm1 window(dialogs);
        QVERIFY(window.loader().loadFiles({odt}));
        QCOMPARE(window.book().RawText, std::string("Caf\xC3\xA9\r\ntwo"));
        QCOMPARE(window.book().ArchiveEntry, std::string());
        QVERIFY(dialogs.shown.empty());
    }
};

QTEST_MAIN(ZipFormTest)
#include "tst_zipform.moc"
