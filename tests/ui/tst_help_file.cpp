// "Open Help.txt" opens the guide as a book from the data folders, and says
// so when there is none.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/book.h"
#include "reader/ui/TForm1.h"
#include "show_window.h"
#include "test_books.h"

#include <QDir>
#include <QtTest>

class HelpFileTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void opensTheGuideFromTheDataFolders() {
        const QString data = config_.path() + QStringLiteral("/data");
        QVERIFY(QDir().mkpath(data + QStringLiteral("/quirewell")));
        const QString guide =
            qw::test::WriteTestFile(data + QStringLiteral("/quirewell"), QStringLiteral("Help.txt"),
                                    "Quirewell - a reader\r\n\r\nKEYS\r\n");
        qputenv("XDG_DATA_HOME", "/nonexistent");
        qputenv("XDG_DATA_DIRS", QFile::encodeName(QStringLiteral("/nonexistent:") + data));
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1024, 700)));
        form.OpenHelpFile();
        QCOMPARE(QString::fromStdString(form.book().FileName), guide);
        QVERIFY(dialogs.shown.empty());

        QVERIFY(QFile::remove(guide));
        form.OpenHelpFile();
        QCOMPARE(dialogs.shown.size(), size_t(1));
        QVERIFY(dialogs.shown[0].text.find("Help.txt was not found") == 0);
        QCOMPARE(QString::fromStdString(form.book().FileName), guide); // the open book stays
    }
};

QTEST_MAIN(HelpFileTest)
#include "tst_help_file.moc"
