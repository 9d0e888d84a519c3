// Save as from the reader window: the saved file becomes the open book and
// reopens unchanged, as text and as Palm DOC.

#include "controls/scripted_dialogs.h"
#include "reader/save_as.h"
#include "reader/ui/TForm1.h"
#include "temp_dir.h"

#include <QtTest>

#include <string>

namespace {

const char* const kText = "Chapter One\r\n\r\nIt was a dark and stormy night;\r\nthe rain fell in "
                          "torrents.\r\n\r\nThe end, caf\xe9.";

} // namespace

class TestSaveAs : public QObject {
    Q_OBJECT

  private slots:
    void savesAndReopensUnchanged_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("filter");
        QTest::newRow("text") << QStringLiteral("copy.txt") << 2;
        QTest::newRow("Palm DOC") << QStringLiteral("book.pdb") << 3;
    }
    void savesAndReopensUnchanged() {
        QFETCH(QString, name);
        QFETCH(int, filter);
        qw::test::TempDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(form.loader().loadFile(dir.write("book.txt", kText), "", 1, 1));
        const std::string loaded = form.book().RawText;

        const std::string target = dir.path() + "/" + name.toStdString();
        dialogs.saveChoices.push_back(qw::SaveFileChoice{target, filter});
        dialogs.answers.push_back(false); // keep the line breaks
        dialogs.inputs.push_back(std::string("Stormy Night"));
        form.SpeichernClick();
        QCOMPARE(dialogs.saveRequests.size(), size_t{1});
        QCOMPARE(dialogs.saveRequests[0].defaultName, std::string("book"));
        QCOMPARE(form.book().FileName, target);
        QVERIFY(!form.book().TextEdited);
        // The caption names the new file ("Hide file path" shows its name alone).
        QVERIFY(form.windowTitle().startsWith(name + QStringLiteral(" (")));
        if (filter == 3) {
            QVERIFY(qw::test::Slurp(target).compare(0, 13, std::string("Stormy Night\0", 13)) == 0);
            // Reopened without "DOC blank line between paragraphs", which would
            // turn single line breaks into paragraph breaks.
            form.settings().SetBool(qw::Setting::DocBlankLine, false);
        } else {
            QCOMPARE(qw::test::Slurp(target), loaded);
        }
        QVERIFY(form.loader().openKnownFile(target, ""));
        QCOMPARE(form.book().RawText, loaded);
    }

    void ctrlSAsksWhereToSaveOnlyWithABook() {
        qw::test::TempDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.SpeichernClick(); // without a book nothing is asked
        QVERIFY(dialogs.shown.empty());
        QVERIFY(form.loader().loadFile(dir.write("book.txt", kText), "", 1, 1));
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.saveRequests.size(), size_t{1});
        QCOMPARE(dialogs.saveRequests[0].title, std::string("Save as ..."));
        QCOMPARE(form.book().FileName, dir.path() + "/book.txt"); // cancelled: unchanged
    }
};

QTEST_MAIN(TestSaveAs)
#include "tst_save_as.moc"
