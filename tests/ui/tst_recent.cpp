// The recent files and favourites panel of the reader window, and the file
// it keeps them in.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/RecentPanel.h"
#include "reader/ui/RecentPart.h"
#include "reader/ui/TForm1.h"
#include "settings/config_file.h"
#include "show_window.h"
#include "test_books.h"

#include <QtTest>

class RecentTest : public QObject {
    Q_OBJECT

  private:
    qw::test::ConfigFolder config_;

    QString writeBook(const QString& name) {
        return qw::test::WriteTestFile(config_.path(), name, "Text of " + name.toUtf8());
    }
    static qw::PathListBox* list(qw::TForm1& form, qw::PathList which) {
        return form.recentPart()->panel()->list(which);
    }
    static QStringList names(qw::PathListBox* box) {
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->item(i)->text();
        return shown;
    }
    static void click(qw::PathListBox* box, int row, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(box->viewport(), Qt::LeftButton, mods,
                          box->visualItemRect(box->item(row)).center());
    }
    std::string iniValue(const char* section, const std::string& key) const {
        return qw::ConfigFile(config_.iniPath().toStdString()).ReadString(section, key, "-");
    }

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }

    void elevenFilesLeaveTheNewestTenAndTheirEntriesAct() {
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QStringList opened; // newest first, as the list shows them
        for (int i = 0; i < 11; ++i) {
            const QString name = i == 10 ? QStringLiteral("Grüße %1.txt").arg(i)
                                         : QStringLiteral("book %1.txt").arg(i);
            dialogs.openChoices.push_back({writeBook(name).toStdString()});
            QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
            opened.prepend(name);
        }
        opened.removeLast();
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(form.recentPart()->isOpen());
        // "Hide file paths" is on by default: bare names.
        QCOMPARE(names(list(form, qw::PathList::Recent)), opened);
        QCOMPARE(iniValue("Recent", "Recent 0"),
                 config_.filePath(QStringLiteral("Grüße 10.txt")).toStdString());
        QCOMPARE(iniValue("Recent", "Recent 10"), std::string("-"));

        // Ctrl+click: a favourite; Shift+click: removed.
        click(list(form, qw::PathList::Recent), 2, Qt::ControlModifier);
        QCOMPARE(names(list(form, qw::PathList::Favorite)), QStringList{opened[2]});
        click(list(form, qw::PathList::Recent), 2, Qt::ShiftModifier);
        opened.removeAt(2);
        QCOMPARE(names(list(form, qw::PathList::Recent)), opened);
        QCOMPARE(iniValue("Recent", "Recent 9"), std::string("-"));

        // A file that is gone shows greyed, says so when clicked and stays.
        QFile::remove(config_.filePath(opened[3]));
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.recentPart()->isOpen());
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        qw::PathListBox* recent = list(form, qw::PathList::Recent);
        QCOMPARE(recent->item(2)->foreground().style(), Qt::NoBrush);
        QVERIFY(recent->item(3)->foreground().color() != recent->palette().color(QPalette::Text));
        click(recent, 3);
        QCOMPARE(dialogs.messages().back(),
                 "File " + config_.filePath(opened[3]).toStdString() + " not found!");
        QCOMPARE(names(list(form, qw::PathList::Recent)), opened);

        // A click opens the entry, which moves to the top; Enter as well.
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        click(list(form, qw::PathList::Recent), 4);
        QVERIFY(!form.recentPart()->isOpen());
        QCOMPARE(form.book().FileName, config_.filePath(opened[4]).toStdString());
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(list(form, qw::PathList::Recent)->item(0)->text(), opened[4]);
        QTest::keyClick(list(form, qw::PathList::Recent), Qt::Key_Down);
        QTest::keyClick(list(form, qw::PathList::Recent), Qt::Key_Return);
        QCOMPARE(form.book().FileName, config_.filePath(opened[0]).toStdString());

        // A press on the page text closes the panel (and selects nothing).
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(form.recentPart()->isOpen());
        QTest::mouseClick(form.pageArea()->rightPage(), Qt::LeftButton, {}, QPoint(20, 10));
        QVERIFY(!form.recentPart()->isOpen());

        // Closed: Ctrl+Shift+R and the right click on "Recent" open the latest.
        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(iniValue("Last", "Last read file"), std::string());
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(form.book().FileName, config_.filePath(opened[0]).toStdString());
        QTest::keyClick(&form, Qt::Key_W, Qt::ControlModifier);
        auto* button = form.findChild<qw::TPanelButton*>(QStringLiteral("MBRecent"));
        QVERIFY(button->toolTip().endsWith(config_.filePath(opened[0])));
        emit button->customContextMenuRequested({});
        QCOMPARE(form.book().FileName, config_.filePath(opened[0]).toStdString());
    }

    void favouriteFoldersAndTheBaseFolder() {
        const QString path = writeBook(QStringLiteral("a.txt"));
        QVERIFY(QDir(config_.path()).mkpath(QStringLiteral("sub")));
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        QVERIFY(qw::test::ShowNormalAt(form, QSize(1000, 700)));
        form.settings().SetBool(qw::Setting::HideFilePath, false);
        form.startupOpen({QStringLiteral("quirewell"), path});
        // The first book sets the base folder, under which names are relative.
        QCOMPARE(form.settings().BaseDirectory(), config_.path().toStdString() + "/");
        const std::string sub = config_.filePath(QStringLiteral("sub")).toStdString();
        dialogs.folderChoices.push_back(sub);
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(names(list(form, qw::PathList::Recent)), QStringList{QStringLiteral("a.txt")});
        QTest::mouseClick(
            form.recentPart()->panel()->findChild<QWidget*>(QStringLiteral("AddDirectoryFavorite")),
            Qt::LeftButton);
        QCOMPARE(names(list(form, qw::PathList::Favorite)), QStringList{QStringLiteral("sub/")});

        // A folder favourite starts the open dialog there.
        click(list(form, qw::PathList::Favorite), 0);
        QCOMPARE(dialogs.openRequests.back().initialFolder, sub + "/");

        // A new base folder: the names follow it.
        dialogs.folderChoices.push_back(sub);
        QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
        QTest::mouseClick(
            form.recentPart()->panel()->findChild<QWidget*>(QStringLiteral("BrowseBase")),
            Qt::LeftButton);
        QCOMPARE(iniValue("Base Directory", "InitialDir"), sub + "/");
        QCOMPARE(names(list(form, qw::PathList::Recent)),
                 QStringList{QString::fromStdString(path.toStdString())});
        QCOMPARE(names(list(form, qw::PathList::Favorite)),
                 QStringList{QString::fromStdString(sub + "/")});
    }
};

QTEST_MAIN(RecentTest)
#include "controls/ui/TPanelButton.h"
#include "tst_recent.moc"
