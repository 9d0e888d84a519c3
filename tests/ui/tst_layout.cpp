// Window layout: docking the contents panel keeps the pages' size, full
// screen and the docked panel leave the stored bounds as they were, and the
// style, margin and font options lay the pages out again at once, fitting the
// lines only when they must.

#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "reader/page_moves.h"
#include "reader/ui/ContentsPanel.h"
#include "reader/ui/FileSpecificPage.h"
#include "reader/ui/MarginsPage.h"
#include "reader/ui/PageArea.h"
#include "reader/ui/PageView.h"
#include "reader/ui/TForm1.h"
#include "settings/config_file.h"
#include "settings/ui/CheckOptionsPage.h"
#include "settings/ui/OptionsWindow.h"
#include "settings/ui/option_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A hard-wrapped book of paragraphs that re-flow with the page width.
QString writeBook(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("novel.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    for (int paragraph = 0; paragraph < 120; ++paragraph) {
        for (int line = 0; line < 5; ++line)
            file.write("It was a long and quiet evening, and the words ran on as words do\r\n");
        file.write("\r\n");
    }
    return path;
}

qw::ConfigFile storedConfiguration() {
    // The file of the configuration folder the running test set up.
    return qw::ConfigFile(qgetenv("QUIREWELL_CONFIG_DIR").toStdString() + "/Quirewell.ini");
}

QRect storedBounds() {
    const qw::ConfigFile ini = storedConfiguration();
    return QRect(ini.ReadInteger("Window", "Left", -1), ini.ReadInteger("Window", "Top", -1),
                 ini.ReadInteger("Window", "Width", -1), ini.ReadInteger("Window", "Height", -1));
}

// The reader window at a given size with the book open and its layout settled.
void openAt(qw::TForm1& form, const QRect& bounds, const QString& book) {
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setGeometry(bounds);
    QTRY_COMPARE(form.pageArea()->size(), bounds.size());
    form.flushPendingRelayout();
    form.startupOpen({QStringLiteral("quirewell"), book});
    QVERIFY(form.book().isOpen());
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

    qw::test::ConfigFolder config_;

  private slots:
    void init() { QVERIFY(config_.begin()); }
    void cleanup() { config_.end(); }
    void dockingWidensTheWindowInsteadOfShrinkingThePages() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int chapter = 1; chapter <= 5; ++chapter) {
            file.write("\r\n\r\n\r\nCHAPTER " + QByteArray::number(chapter) + "\r\n\r\n");
            for (int i = 0; i < 80; ++i)
                file.write("Some words of a hard-wrapped line of the book.\r\n");
        }
        file.close();

        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setGeometry(520, 40, 620, 450); // room on the left for the panel
        QTRY_COMPARE(form.pageArea()->size(), QSize(620, 450));
        form.startupOpen({QStringLiteral("quirewell"), path});

        QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier); // the contents panel
        auto* panel = form.findChild<qw::ContentsPanel*>();
        QVERIFY(panel && panel->isVisible());
        // A book that was never scanned has its contents when the panel opens.
        QStringList listed;
        for (int row = 0; row < panel->list()->rowCount(); ++row)
            for (int column = 0; column < panel->list()->columnCount(); ++column)
                if (const QTableWidgetItem* item = panel->list()->item(row, column))
                    listed << item->text();
        for (int chapter = 2; chapter <= 5; ++chapter)
            QVERIFY2(listed.contains(QStringLiteral("CHAPTER %1").arg(chapter)),
                     qPrintable(listed.join(QLatin1Char('|'))));
        auto* left = panel->findChild<QCheckBox*>(QStringLiteral("TOCLeft"));
        QVERIFY(left);
        const QSize pages = form.pageArea()->size();
        const int width = form.width();

        left->click(); // dock it on the left
        QTRY_COMPARE(form.width(), width + qw::ContentsPanel::panelWidth());
        QTRY_COMPARE(form.pageArea()->size(), pages);
        // A size that passes through another one and comes back changes
        // nothing: the list keeps its sections.
        const int rows = panel->list()->rowCount();
        QVERIFY(rows > 0);
        form.resize(form.width() - 60, form.height());
        QTRY_COMPARE(form.pageArea()->width(), pages.width() - 60);
        form.resize(form.width() + 60, form.height());
        QTRY_COMPARE(form.pageArea()->size(), pages);
        form.flushPendingRelayout();
        QCOMPARE(panel->list()->rowCount(), rows);

        left->click(); // float it again
        QTRY_COMPARE(form.width(), width);
        QTRY_COMPARE(form.pageArea()->size(), pages);
    }

    void fullScreenRestoresTheWindowAndKeepsItsBounds_data() {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << false;
        QTest::newRow("maximized") << true;
    }
    void fullScreenRestoresTheWindowAndKeepsItsBounds() {
        QFETCH(bool, maximized);
        QTemporaryDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        const QRect bounds(30, 20, 620, 420);
        openAt(form, bounds, writeBook(dir));
        if (maximized) {
            form.showMaximized();
            QTRY_VERIFY(form.isMaximized());
            QTRY_COMPARE(form.normalGeometry(), bounds);
        }
        const int linesPerPage = form.book().Pages.LinesPerPage;

        QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(form.isFullScreenOn());
        QTRY_VERIFY(form.isFullScreen());
        // The button row is above the screen's edge; the pages reach up to it.
        auto* topRow = form.pageArea()->findChild<QWidget*>(QStringLiteral("TopRow"));
        QVERIFY(topRow);
        QVERIFY(topRow->geometry().bottom() < 0);
        QVERIFY(form.pageArea()->leftPage()->geometry().top() < 30);
        QTRY_VERIFY(form.book().Pages.LinesPerPage > linesPerPage);

        QTest::keyClick(&form, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(!form.isFullScreenOn());
        QTRY_VERIFY(!form.isFullScreen());
        if (maximized) {
            QTRY_VERIFY(form.isMaximized());
            QCOMPARE(form.normalGeometry(), bounds);
        } else {
            QTRY_COMPARE(form.geometry(), bounds);
        }
        QTRY_VERIFY(topRow->geometry().top() == 0);

        // Closed while in full screen, the window keeps the bounds from before.
        form.FullScreen(true);
        QTRY_VERIFY(form.isFullScreen());
        form.close();
        QCOMPARE(storedBounds(), bounds);
        QCOMPARE(storedConfiguration().ReadString("Window", "Maximized", ""),
                 std::string(maximized ? "Yes" : "No"));
    }

    void dockedContentsPanelIsLeftOutOfTheStoredBounds_data() {
        QTest::addColumn<int>("left");
        QTest::newRow("room on the left") << 520;
        QTest::newRow("near the screen's edge") << 100;
    }
    void dockedContentsPanelIsLeftOutOfTheStoredBounds() {
        QFETCH(int, left);
        QTemporaryDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        const QRect bounds(left, 30, 620, 420);
        openAt(form, bounds, writeBook(dir));
        QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
        auto* panel = form.findChild<qw::ContentsPanel*>();
        QVERIFY(panel && panel->isVisible());
        auto* dock = panel->findChild<QCheckBox*>(QStringLiteral("TOCLeft"));
        dock->click();
        // The window grows to the left, but not past the screen's edge; the
        // right edge stays where it was.
        const int screenLeft = form.screen()->availableGeometry().left();
        const int frame = form.geometry().left() - form.frameGeometry().left();
        const int grown = std::min(qw::ContentsPanel::panelWidth(), left - frame - screenLeft);
        QTRY_COMPARE(form.geometry().left(), left - grown);
        QCOMPARE(form.geometry().right(), bounds.right());

        // Undocked it gives the room back exactly.
        dock->click();
        QTRY_COMPARE(form.geometry(), bounds);
        dock->click();
        QTRY_COMPARE(form.geometry().left(), left - grown);
        form.close();
        QCOMPARE(storedBounds(), bounds);
    }

    void marginsAreStoredAndAppliedAtOnce() {
        QTemporaryDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        openAt(form, QRect(30, 20, 700, 480), writeBook(dir));
        form.ShowOptions(2);
        auto* page = form.findChild<qw::MarginsPage*>();
        QVERIFY(page && page->isVisible());
        qw::TPanelButton* change = page->changeButton();
        QVERIFY(!change->isEnabled());
        auto edit = [&](const char* name) {
            return page->findChild<QSpinBox*>(QString::fromLatin1(name));
        };
        // Enabled exactly while an edit differs from the stored margins.
        edit("MarginBottom")->setValue(17);
        QVERIFY(change->isEnabled());
        edit("MarginBottom")->setValue(0);
        QVERIFY(!change->isEnabled());
        edit("MarginBottom")->setValue(250);
        QCOMPARE(edit("MarginBottom")->value(), 99);

        const int width = form.pageArea()->pageWidth();
        const int lines = form.book().LineCount;
        edit("MarginLeft")->setValue(20);
        edit("MarginRight")->setValue(10);
        edit("MarginTop")->setValue(5);
        edit("MarginBottom")->setValue(17);
        change->click();
        QVERIFY(!change->isEnabled());
        qw::ConfigFile ini = storedConfiguration();
        QCOMPARE(ini.ReadInteger("Page margins", "Left", -1), 20);
        QCOMPARE(ini.ReadInteger("Page margins", "Right", -1), 10);
        QCOMPARE(ini.ReadInteger("Page margins", "Top", -1), 5);
        QCOMPARE(ini.ReadInteger("Page margins", "Bottom", -1), 17);
        QCOMPARE(ini.ReadString("Page margins", "Apply", ""), std::string("No"));
        // Stored but not applied: the pages stay as they are.
        QCOMPARE(form.pageArea()->pageWidth(), width);
        auto* general = form.findChild<qw::CheckOptionsPage*>(QStringLiteral("OPanel0"));
        QCheckBox* numbersBelow = general->checkBox(qw::Id(qw::GeneralOption::PageNumbersBelow));
        QVERIFY(!numbersBelow->isEnabled());

        // Applied: narrower pages and new line breaks, without waiting for a timer.
        page->applyBox()->click();
        QCOMPARE(form.pageArea()->pageWidth(), width - 30);
        QVERIFY(form.book().LineCount > lines);
        QCOMPARE(storedConfiguration().ReadString("Page margins", "Apply", ""), std::string("Yes"));

        // A bottom margin of 17 has room for the page numbers under the pages.
        QVERIFY(numbersBelow->isEnabled());
        numbersBelow->click();
        QLabel* number = form.pageArea()->leftPageNumber();
        QCOMPARE(number->y(), form.pageArea()->layout().left.bottom());
        // 16 has not: the numbers go back to the top corners.
        edit("MarginBottom")->setValue(16);
        change->click();
        QVERIFY(!numbersBelow->isEnabled());
        QVERIFY(number->geometry().bottom() < form.pageArea()->layout().left.y);
    }

    void bookStyleSwitchesAtOnceAndFitsOnlyWhenAutomatic_data() {
        QTest::addColumn<bool>("automaticallyFit");
        QTest::newRow("automatic fitting") << true;
        QTest::newRow("fitting on request") << false;
    }
    void bookStyleSwitchesAtOnceAndFitsOnlyWhenAutomatic() {
        QFETCH(bool, automaticallyFit);
        QTemporaryDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.settings().SetBool(qw::Setting::AutomaticallyFit, automaticallyFit);
        openAt(form, QRect(30, 20, 700, 480), writeBook(dir));
        const int width = form.pageArea()->pageWidth();
        const int lines = form.book().LineCount;
        const int height = form.pageArea()->leftPage()->height();
        form.ShowOptions(0);
        auto* general = form.findChild<qw::CheckOptionsPage*>(QStringLiteral("OPanel0"));
        QCheckBox* style = general->checkBox(qw::Id(qw::GeneralOption::BookStyle));
        QVERIFY(style->isChecked());
        style->click();
        QCOMPARE(storedConfiguration().ReadString("Options", "Book style", ""), std::string("No"));
        QVERIFY(form.pageArea()->pageWidth() > width); // no book picture around the pages
        QVERIFY(form.pageArea()->leftPage()->height() != height);
        QCOMPARE(form.book().Pages.LinesPerPage, form.pageArea()->computeLinesPerPage());
        // The last fitting's page width tells whether the lines were fitted again.
        if (automaticallyFit) {
            QCOMPARE(form.book().Snapshot.pageWidth, form.pageArea()->pageWidth());
            QVERIFY(!form.book().Snapshot.bookStyle);
        } else {
            QCOMPARE(form.book().Snapshot.pageWidth, width);
            QCOMPARE(form.book().LineCount, lines);
        }
        QCOMPARE(form.book().Pages.PageCount,
                 qw::PageCountFor(form.book().LineCount, form.book().Pages.LinesPerPage));
    }

    void fontSizeWithoutAutomaticFittingKeepsTheLineBreaks() {
        QTemporaryDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.settings().SetBool(qw::Setting::AutomaticallyFit, false);
        form.settings().SetBool(qw::Setting::FitLeavingMenu, true);
        openAt(form, QRect(30, 20, 700, 480), writeBook(dir));
        const int lines = form.book().LineCount;
        const int linesPerPage = form.book().Pages.LinesPerPage;
        form.ShowOptions(6);
        auto* page = form.findChild<qw::FileSpecificPage*>();
        QComboBox* sizes = page->sizeBox();
        QCOMPARE(sizes->currentData().toInt(), form.fontSize());
        const int larger = sizes->currentIndex() + 4;
        sizes->setCurrentIndex(larger);
        emit sizes->activated(larger);
        QCOMPARE(form.fontSize(), sizes->itemData(larger).toInt());
        QVERIFY(form.book().Pages.LinesPerPage < linesPerPage);
        QCOMPARE(form.book().LineCount, lines);
        QCOMPARE(form.book().Pages.PageCount,
                 qw::PageCountFor(lines, form.book().Pages.LinesPerPage));

        // Leaving the options fits the lines that waited.
        form.optionsWindow()->close();
        QVERIFY(form.book().LineCount > lines);

        // The font left the window's bounds alone; a resize is what is stored.
        const QRect resized(40, 30, 720, 500);
        form.setGeometry(resized);
        QTRY_COMPARE(form.pageArea()->size(), resized.size());
        form.close();
        QCOMPARE(storedBounds(), resized);
    }

    void switchingAutomaticFittingOnCatchesUp() {
        QTemporaryDir dir;
        qw::ScriptedDialogs dialogs;
        qw::TForm1 form(dialogs);
        form.settings().SetBool(qw::Setting::AutomaticallyFit, false);
        form.ShowOptions(3);
        auto* control = form.findChild<qw::CheckOptionsPage*>(QStringLiteral("OPanel3"));
        auto* fitNow = form.findChild<qw::TPanelButton*>(QStringLiteral("Anpassen"));
        QVERIFY(control && fitNow);
        QVERIFY(!fitNow->isEnabled()); // no book
        openAt(form, QRect(30, 20, 700, 480), writeBook(dir));
        QVERIFY(fitNow->isEnabled());
        QCheckBox* leaving = control->checkBox(qw::Id(qw::ControlOption::FitLeavingMenu));
        QVERIFY(leaving->isEnabled());

        const int lines = form.book().LineCount;
        form.runCommand({qw::Command::LargerFont});
        form.runCommand({qw::Command::LargerFont});
        QCOMPARE(form.book().LineCount, lines); // waits for a fitting

        control->checkBox(qw::Id(qw::ControlOption::AutomaticallyFit))->click();
        QVERIFY(form.book().LineCount > lines);
        QVERIFY(!leaving->isEnabled());
        QVERIFY(!fitNow->isEnabled());
        QCOMPARE(storedConfiguration().ReadString("Options", "Automatically fit", ""),
                 std::string("Yes"));
    }
};

QTEST_MAIN(LayoutTest)
#include "controls/ui/TPanelButton.h"
#include "tst_layout.moc"
