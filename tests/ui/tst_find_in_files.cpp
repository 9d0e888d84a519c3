// "Find text in files" driven from the reader window: a search over a
// generated tree with a subfolder and an archive holding two matching
// members, a search stopped halfway with Space (the rows found so far stay),
// a chosen hit opened in the reader with the phrase selected, the input
// messages, Browse, Esc and Abort.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "core/import/zip_test_util.h"
#include "reader/ui/FindPart.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "settings/ui/colour_scheme_ui.h"
#include "show_window.h"
#include "test_books.h"
#include "tools/ui/TFIFForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>

namespace {

// The rows of the result list as "path|member".
QStringList rows(const QTreeWidget& list) {
    QStringList out;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        out << list.topLevelItem(i)->text(0) + QLatin1Char('|') + list.topLevelItem(i)->text(1);
    return out;
}

} // namespace

class FindInFilesTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;
    QTemporaryDir tree_;

    template <typename T> static T* child(QObject& parent, const char* name) {
        return parent.findChild<T*>(QString::fromLatin1(name));
    }

    // Ctrl+F, the text, Shift+Enter: the window opens with the panel's text.
    static qw::TFIFForm* openFromFindPanel(qw::TForm1& form, const QString& text) {
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
        return form.findChild<qw::TFIFForm*>();
    }
    void setFolder(qw::TFIFForm& fif, const QString& folder) {
        auto* dir = child<QLineEdit>(fif, "FIFDir");
        dir->selectAll();
        QTest::keyClicks(dir, folder);
    }

  private slots:
    void initTestCase() {
        QVERIFY(tree_.isValid());
        const QString root = tree_.path();
        QVERIFY(QDir(root).mkpath(QStringLiteral("sub")));
        const auto write = [&root](const char* name, const QByteArray& text) {
            return !qw::test::WriteTestFile(root, QString::fromLatin1(name), text).isEmpty();
        };
        QVERIFY(write("a.txt", "Here the old\r\nman sat."));
        QVERIFY(write("b.txt", "Nothing to see."));
        QVERIFY(write("sub/c.txt", "An old man."));
        QVERIFY(qw::test::WriteZip(
            (root + QStringLiteral("/books.zip")).toStdString(),
            {{"m1.txt", qw::test::Novel(10, 6).toStdString() + "Once an old man lived.\r\n"},
             {"m2.txt", "THE OLD MAN"},
             {"m3.txt", "young"}}));
        QVERIFY(write("corrupt.zip", "PK\x03\x04 broken"));
        QVERIFY(QDir(root).mkpath(QStringLiteral("empty")));
    }
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void searchStopAndOpenAHit() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1280, 800)));
        qw::TFIFForm* fif = openFromFindPanel(form, QStringLiteral("old man"));
        QVERIFY(fif && fif->isVisible());
        QCOMPARE(child<QLineEdit>(*fif, "FIFFind")->text(), QStringLiteral("old man"));
        auto* stop = child<qw::TPanelButton>(*fif, "FIFStop");
        auto* start = child<qw::TPanelButton>(*fif, "FIFStart");
        auto* subDirs = child<QCheckBox>(*fif, "SubDirs");
        auto* found = child<QTreeWidget>(*fif, "Found");
        QVERIFY(!stop->isEnabled() && !child<qw::TPanelButton>(*fif, "FIFAbort")->isEnabled());
        QVERIFY(!subDirs->isChecked());
        setFolder(*fif, tree_.path());
        QTest::mouseClick(subDirs, Qt::LeftButton, {}, QPoint(8, subDirs->height() / 2));
        QVERIFY(subDirs->isChecked());

        // Enter in the text field searches; both members, the subfolder
        // after the folder's own files.
        QTest::keyClick(child<QLineEdit>(*fif, "FIFFind"), Qt::Key_Return);
        QTRY_COMPARE(fif->windowTitle(), QStringLiteral("Done"));
        const QStringList all = {QStringLiteral("a.txt|"), QStringLiteral("books.zip|m1.txt"),
                                 QStringLiteral("books.zip|m2.txt"), QStringLiteral("sub/c.txt|")};
        QCOMPARE(rows(*found), all);
        QCOMPARE(fif->folder(), tree_.path() + QLatin1Char('/'));
        QVERIFY(start->isEnabled() && !stop->isEnabled());

        // Again, held before the fourth file: Space stops, the rows stay.
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        std::atomic<bool> held{false};
        fif->beforeFile = [&held, released](int index) {
            if (index == 4) {
                held = true;
                released.wait_for(std::chrono::seconds(10));
            }
        };
        QTest::mouseClick(start, Qt::LeftButton);
        QTRY_VERIFY(held.load());
        QTRY_COMPARE(found->topLevelItemCount(), 2);
        QVERIFY(stop->isEnabled() && !start->isEnabled() && !subDirs->isEnabled());
        QTest::keyClick(found, Qt::Key_Space);
        QCOMPARE(fif->windowTitle(), QStringLiteral("Waiting to stop ..."));
        release.set_value();
        QTRY_COMPARE(fif->windowTitle(), QStringLiteral("Stopped"));
        QCOMPARE(rows(*found), all.mid(0, 2));
        QVERIFY(start->isEnabled() && !stop->isEnabled());
        QVERIFY(dialogs.shown.empty());
        fif->beforeFile = nullptr;

        // Enter on the second row opens that member at its first hit.
        found->setFocus();
        found->setCurrentItem(found->topLevelItem(0));
        QTest::keyClick(found, Qt::Key_Down);
        QTest::keyClick(found, Qt::Key_Return);
        QTRY_VERIFY(!fif->isVisible());
        QCOMPARE(QString::fromStdString(form.book().FileName),
                 tree_.path() + QStringLiteral("/books.zip"));
        QCOMPARE(form.book().ArchiveEntry, std::string("m1.txt"));
        QVERIFY(form.findPart()->isOpen());
        QCOMPARE(form.findPart()->text(), QStringLiteral("old man"));
        qw::PageArea* pages = form.pageArea();
        const QString selected =
            pages->leftPage()->selectedText() + pages->rightPage()->selectedText();
        QCOMPARE(selected, QStringLiteral("old man"));
        QVERIFY(form.book().Pages.LeftPage > 1); // the hit is at the end of the book
        QVERIFY(dialogs.shown.empty());
    }

    void messagesBrowseEscAndAbort() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        // The colours of the scheme, taken when the window is shown.
        qw::ColourSet colours = qw::CurrentColours();
        colours[static_cast<size_t>(qw::SchemeColour::ListBackground)] =
            qw::ColourValue::FromRgb(0x203040);
        colours[static_cast<size_t>(qw::SchemeColour::WindowBackground)] =
            qw::ColourValue::FromRgb(0x405060);
        qw::SetCurrentColours(colours);
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        auto* fif = form.findChild<qw::TFIFForm*>();
        QVERIFY(fif && fif->isVisible());
        QCOMPARE(child<QTreeWidget>(*fif, "Found")->palette().color(QPalette::Base),
                 QColor(0x20, 0x30, 0x40));
        QCOMPARE(fif->palette().color(QPalette::Window), QColor(0x40, 0x50, 0x60));
        auto* find = child<QLineEdit>(*fif, "FIFFind");
        QTest::keyClick(find, Qt::Key_Return);
        setFolder(*fif, tree_.path() + QStringLiteral("/none"));
        QTest::keyClicks(find, QStringLiteral("young"));
        QTest::keyClick(find, Qt::Key_Return);
        setFolder(*fif, tree_.path() + QStringLiteral("/empty"));
        QTest::keyClick(find, Qt::Key_Return);
        QTRY_COMPARE(dialogs.shown.size(), size_t(3));
        // Browse: the chosen folder gets its "/".
        dialogs.folderChoices.push_back(tree_.path().toStdString());
        QTest::mouseClick(child<qw::TPanelButton>(*fif, "FIFBrowse"), Qt::LeftButton);
        QCOMPARE(fif->folder(), tree_.path() + QLatin1Char('/'));
        QTest::keyClicks(find, QStringLiteral(" nobody"));
        QTest::keyClick(find, Qt::Key_Return);
        QTRY_COMPARE(fif->windowTitle(), QStringLiteral("Done"));
        const std::vector<std::string> expected = {
            "Please enter text to find", "Please specify an existing directory", "No files found!",
            "Select directory for searching", "No matches found!"};
        QCOMPARE(dialogs.shown.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            QCOMPARE(dialogs.shown[i].text, expected[i]);

        // Esc closes the window and hands the text back to the find panel.
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!fif->isVisible());
        QCOMPARE(form.findPart()->text(), QStringLiteral("young nobody"));

        // Abort during a search closes it and keeps the panel's text.
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(fif->isVisible());
        QCOMPARE(find->text(), QStringLiteral("young nobody"));
        find->setText(QStringLiteral("old"));
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        fif->beforeFile = [released](int) { released.wait_for(std::chrono::seconds(10)); };
        QTest::keyClick(find, Qt::Key_Return);
        QVERIFY(fif->isSearching());
        QTest::mouseClick(child<qw::TPanelButton>(*fif, "FIFAbort"), Qt::LeftButton);
        QVERIFY(!fif->isVisible());
        QCOMPARE(fif->result(), qw::TFIFForm::Aborted);
        QCOMPARE(form.findPart()->text(), QStringLiteral("young nobody"));
        release.set_value();

        // The menu's entry opens it too.
        form.findChild<qw::TPanelButton*>(QStringLiteral("FindInFiles"))->click();
        QVERIFY(fif->isVisible());
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(!fif->isVisible());
    }
};

QTEST_MAIN(FindInFilesTest)
#include "controls/ui/TPanelButton.h"
#include "tst_find_in_files.moc"
