// The INI file list page on its own, bound to a configuration file: the
// entries, sorting, the "Info" hints, "Delete data for", the Delete key and
// "Set to current".

#include "controls/ui/TMyHintWindow.h"
#include "settings/ui/IniFileListPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace qw;

namespace {

const char* const kFile = "[Options]\nBook style=Yes\n[Default]\nFontname=Serif\n"
                          "[/books/zeta.txt]\nFontname=Sans\nFontsize=14\nTitle=Zeta tale\n"
                          "Remove line breaks=Yes\nAutomatically create TOC=No\n"
                          "[/books/<Notes> Story.txt]\nPage=1\n"
                          "[/gone/old.txt]\nPage=3\n"
                          "[/d/a.zip|texts/one.txt]\nPage=2\n"
                          "[/floppy/b.txt]\nPage=4\n"
                          "[NoPath]\nx=1\n";

QStringList shown(const IniFileListPage& page) {
    QStringList items;
    for (int i = 0; i < page.list()->count(); ++i)
        items << page.list()->item(i)->text();
    return items;
}

} // namespace

class IniListTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    ConfigFile config_;
    IniListOptions options_;
    std::vector<std::string> recent_;
    BookSettings current_;
    bool tocVisible_ = false;

    IniListBinding binding() {
        IniListBinding b;
        b.config = &config_;
        b.listOptions = [this] { return options_; };
        b.exists = [](const std::string& reference) { return reference.rfind("/gone/", 0) != 0; };
        b.recentAndFavourites = [this] { return recent_; };
        b.rules = [] {
            RecordRules rules;
            rules.excludedPaths = {"/FLOPPY/*"};
            return rules;
        };
        b.currentSettings = [this] { return current_; };
        b.tocPanelVisible = [this] { return tocVisible_; };
        return b;
    }

    void select(IniFileListPage& page, std::initializer_list<int> rows) {
        page.list()->clearSelection();
        for (int row : rows)
            page.list()->item(row)->setSelected(true);
    }

    // The store as the file holds it now.
    ConfigFile reread() const { return ConfigFile(config_.FileName()); }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        const QString path = dir_->filePath(QStringLiteral("Quirewell.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kFile);
        file.close();
        QVERIFY(config_.Open(path.toStdString()));
        options_ = {};
        recent_.clear();
        current_ = {};
        tocVisible_ = false;
    }

    void showingThePageFillsTheList() {
        IniFileListPage page(binding());
        QVERIFY(page.entries().empty());
        page.show();
        QCOMPARE(shown(page),
                 (QStringList{"/books/zeta.txt", "/books/[Notes] Story.txt", "*/gone/old.txt",
                              "[texts/one.txt] in /d/a.zip", "/floppy/b.txt"}));
        QCOMPARE(page.titleLabel()->text(), QStringLiteral("5 file names"));
        // Display and record name side by side.
        QCOMPARE(page.entries()[1].recordName, std::string("/books/[Notes] Story.txt"));
        QCOMPARE(page.entries()[3].recordName, std::string("/d/a.zip|texts/one.txt"));
    }

    void hiddenPathsAndArchiveNames() {
        options_.hideFilePaths = true;
        IniFileListPage page(binding());
        page.show();
        QCOMPARE(shown(page)[1], QStringLiteral("[Notes] Story.txt"));
        QCOMPARE(shown(page)[3], QStringLiteral("[one.txt] in a.zip"));
        options_.hideArchiveNames = true;
        page.refresh();
        QCOMPARE(shown(page)[3], QStringLiteral("[one.txt]"));
    }

    void sortedSortsAndUnsortedComesBackInFileOrder() {
        options_.hideFilePaths = true;
        IniFileListPage page(binding());
        page.show();
        const QStringList fileOrder = shown(page);
        page.sortedBox()->click();
        QCOMPARE(shown(page), (QStringList{"*old.txt", "[Notes] Story.txt", "[one.txt] in a.zip",
                                           "b.txt", "zeta.txt"}));
        page.sortedBox()->click();
        QCOMPARE(shown(page), fileOrder);
    }

    void refreshWhileHiddenEmptiesTheList() {
        IniFileListPage page(binding());
        page.show();
        QCOMPARE(page.list()->count(), 5);
        page.hide();
        config_.WriteString("/books/new.txt", "Page", "0");
        page.refresh();
        QCOMPARE(page.list()->count(), 0);
        QCOMPARE(page.titleLabel()->text(), QStringLiteral("0 file names"));
        page.show(); // filled again when shown
        QCOMPARE(page.list()->count(), 6);
    }

    void infoHintsOnlyWhileInfoIsOn() {
        IniFileListPage page(binding());
        page.show();
        QCOMPARE(page.hintForRow(0), QString());
        page.infoBox()->click();
        const QString hint = page.hintForRow(0);
        QVERIFY2(hint.startsWith(QStringLiteral("/books/zeta.txt\nSans, 14 pt\nTitle: Zeta tale\n"
                                                "Remove single line breaks: Yes\n")),
                 qPrintable(hint));
        QVERIFY(hint.contains(QStringLiteral("Automatically create TOC: No")));
        QVERIFY(page.hintForRow(1).contains(QStringLiteral("?, ? pt")));
        QCOMPARE(page.hintForRow(99), QString());
        QCOMPARE(page.hintForRow(-1), QString());

        // The mouse over an entry shows it.
        QListWidget* list = page.list();
        const QPoint at = list->visualItemRect(list->item(0)).center();
        QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &help);
        // In the main window's own hint window, which stays until emptied.
        qw::TMyHintWindow* info = qw::InfoHintWindow();
        QVERIFY(info->isVisible());
        QVERIFY(!info->hideTimer().isActive());
        const QString text = info->text();
        QVERIFY2(text.contains(QStringLiteral("Title: Zeta tale")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("   Not before indentation: ?")));
        // Off the entries, the hint goes.
        const QPoint below(at.x(), list->visualItemRect(list->item(4)).bottom() + 20);
        QHelpEvent away(QEvent::ToolTip, below, list->viewport()->mapToGlobal(below));
        QApplication::sendEvent(list->viewport(), &away);
        QVERIFY(!info->isVisible());
        QApplication::sendEvent(list->viewport(), &help);
        QVERIFY(info->isVisible());
        page.infoBox()->click();
        QVERIFY(!info->isVisible());
    }

    void deleteRanges() {
        IniFileListPage page(binding());
        page.show();
        QCOMPARE(page.rangeList()->count(), 5);

        // Non-existing files: the "*" entries.
        page.rangeList()->setCurrentIndex(2);
        page.deleteButton()->click();
        QVERIFY(!reread().SectionExists("/gone/old.txt"));
        QCOMPARE(page.list()->count(), 4);
        QCOMPARE(page.titleLabel()->text(), QStringLiteral("4 file names"));

        // Excluded files: the book under an excluded path.
        page.rangeList()->setCurrentIndex(4);
        page.deleteButton()->click();
        QVERIFY(!reread().SectionExists("/floppy/b.txt"));
        QCOMPARE(page.list()->count(), 3);

        // All but recent and favourites.
        recent_ = {"/BOOKS/ZETA.TXT"};
        page.rangeList()->setCurrentIndex(3);
        page.deleteButton()->click();
        QCOMPARE(shown(page), QStringList{"/books/zeta.txt"});

        // Selected files: none selected deletes nothing.
        page.rangeList()->setCurrentIndex(0);
        page.list()->clearSelection();
        page.deleteButton()->click();
        QCOMPARE(page.list()->count(), 1);

        // All files.
        page.rangeList()->setCurrentIndex(1);
        page.deleteButton()->click();
        QCOMPARE(page.list()->count(), 0);
        const ConfigFile after = reread();
        QVERIFY(after.SectionExists("Options"));
        QVERIFY(after.SectionExists("Default"));
        QVERIFY(after.SectionExists("NoPath"));
        QVERIFY(!after.SectionExists("/books/zeta.txt"));
        QVERIFY(!after.SectionExists("/books/<Notes> Story.txt"));
        QVERIFY(!after.SectionExists("/d/a.zip|texts/one.txt"));
    }

    void deleteKeyRemovesTheSelectedEntriesWhateverTheRange() {
        IniFileListPage page(binding());
        page.show();
        page.rangeList()->setCurrentIndex(1); // "all files"
        select(page, {1, 3});
        page.list()->setFocus();
        QTest::keyClick(page.list(), Qt::Key_Delete);
        QCOMPARE(shown(page), (QStringList{"/books/zeta.txt", "*/gone/old.txt", "/floppy/b.txt"}));
        const ConfigFile after = reread();
        QVERIFY(!after.SectionExists("/books/<Notes> Story.txt"));
        QVERIFY(!after.SectionExists("/d/a.zip|texts/one.txt"));
        QVERIFY(after.SectionExists("/books/zeta.txt"));
        QVERIFY(after.SectionExists("/gone/old.txt"));
    }

    void setToCurrentWritesTheSelectedRecords() {
        current_.fontName = "Mono";
        current_.fontSize = 16;
        current_.removeLineBreaks = false;
        current_.checkPunctuationMarks = true;
        current_.checkIndentation = true;
        current_.automaticToc = true;
        current_.precedingBlankLines = 3;
        current_.sectionHeaderSize = 2;
        current_.countBlankLines = true;
        current_.tocOnLeftSide = true;
        IniFileListPage page(binding());
        page.show();
        QStringList parameters;
        for (int i = 0; i < page.parameterList()->count(); ++i)
            parameters << page.parameterList()->itemText(i);
        QCOMPARE(parameters, (QStringList{"font name", "font size", "line break settings",
                                          "TOC settings", "font+line+TOC"}));

        // Nothing selected: nothing written.
        page.list()->clearSelection();
        page.setToCurrentButton()->click();
        QCOMPARE(reread().ReadString("/books/zeta.txt", "Fontname", "?"), std::string("Sans"));

        select(page, {0});
        page.parameterList()->setCurrentIndex(1); // font size only
        page.setToCurrentButton()->click();
        ConfigFile after = reread();
        QCOMPARE(after.ReadString("/books/zeta.txt", "Fontsize", "?"), std::string("16"));
        QCOMPARE(after.ReadString("/books/zeta.txt", "Fontname", "?"), std::string("Sans"));

        select(page, {1, 3});
        page.parameterList()->setCurrentIndex(4); // font+line+TOC
        page.setToCurrentButton()->click();
        after = reread();
        for (const char* record : {"/books/<Notes> Story.txt", "/d/a.zip|texts/one.txt"}) {
            QCOMPARE(after.ReadString(record, "Fontname", "?"), std::string("Mono"));
            QCOMPARE(after.ReadString(record, "Fontsize", "?"), std::string("16"));
            QCOMPARE(after.ReadString(record, "Remove line breaks", "?"), std::string("No"));
            QCOMPARE(after.ReadString(record, "Check indentation", "?"), std::string("Yes"));
            QCOMPARE(after.ReadString(record, "Automatically create TOC", "?"), std::string("Yes"));
            QCOMPARE(after.ReadString(record, "Preceding blank lines", "?"), std::string("3"));
            // The contents panel is not shown: "TOC on left side" stays off.
            QCOMPARE(after.ReadString(record, "TOC on left side", "?"), std::string("No"));
        }
        QCOMPARE(after.ReadString("/books/zeta.txt", "Fontname", "?"), std::string("Sans"));
        QVERIFY(!after.ValueExists("/gone/old.txt", "Fontname"));
    }

    void handEditedRecordNamesAreListedAndDeletedAlone() {
        const std::string longName = "/deep/" + std::string(4000, 'x') + ".txt";
        QFile file(QString::fromStdString(config_.FileName()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[/odd/a=b;c.txt]\nPage=1\n[/odd/caf\xe9.txt]\nPage=2\n[") +
                   QByteArray::fromStdString(longName) +
                   "]\nPage=x\nFontsize=-4\n[/odd/]\n[/odd/|]\nPage=\n[Default]\nFontname=S\n");
        file.close();
        QVERIFY(config_.Open(config_.FileName()));
        options_.hideFilePaths = true;
        IniFileListPage page(binding());
        page.show();
        page.infoBox()->click();
        QCOMPARE(page.list()->count(), 5);
        QCOMPARE(shown(page)[0], QStringLiteral("a=b;c.txt"));
        // A name that is not UTF-8 is read as Windows-1252.
        QCOMPARE(shown(page)[1], QStringLiteral("caf\u00e9.txt"));
        QCOMPARE(shown(page)[2].size(), 4004);
        QCOMPARE(shown(page)[3], QString());
        QCOMPARE(shown(page)[4], QStringLiteral("|")); // a bar is no member without an archive
        QVERIFY(page.hintForRow(2).contains(QStringLiteral(", -4 pt")));

        select(page, {2});
        page.list()->setFocus();
        QTest::keyClick(page.list(), Qt::Key_Delete);
        const ConfigFile after = reread();
        QVERIFY(!after.SectionExists(longName));
        QVERIFY(after.SectionExists("/odd/a=b;c.txt"));
        QVERIFY(after.SectionExists("/odd/caf\xc3\xa9.txt"));
        QVERIFY(after.SectionExists("/odd/|"));
        QCOMPARE(after.ReadString("Default", "Fontname", "?"), std::string("S"));
        QCOMPARE(page.list()->count(), 4);
    }
};

QTEST_MAIN(IniListTest)
#include "tst_ini_list.moc"
