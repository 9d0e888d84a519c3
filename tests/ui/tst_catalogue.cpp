// The catalogue browser: both index files listed, sorting twice, three
// filters in a row, the info tip, the message without an index, choosing
// entries, and the bounds kept in "PG Browser".

#include "catalogue/gutindex.h"
#include "catalogue/ui/CatalogueModel.h"
#include "catalogue/ui/TPGftpForm.h"
#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "gutindex_gen.h"
#include "settings/configuration.h"
#include "settings/ui/qt_config_environment.h"
#include "test_books.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolTip>
#include <QtTest>

#include <memory>

using qw::TPGftpForm;

class TestCatalogue : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { config_.end(); }
    void listsBothIndexFiles();
    void sortsTwiceByEachHeader();
    void threeFiltersInARow();
    void infoTipAndChoosing();
    void tellsWhenThereIsNoIndex();
    void keepsItsBounds();

  private:
    void writeIndexes() {
        QVERIFY(!qw::test::WriteTestFile(config_.path(), "GUTINDEX.ALL",
                                         QByteArray::fromStdString(qw::test::TodaysIndex(300)))
                     .isEmpty());
        char line[128];
        std::snprintf(line, sizeof line, "%-8s %-50s[%-12s]%5s%s", "Jan 2005", "Aussie Book, by Y",
                      "0500011.txt", "11", "A");
        QVERIFY(!qw::test::WriteTestFile(config_.path(), "GUTINDEX.AUS",
                                         QByteArray("GUTINDEX.AUS\nMon  Year\n") + line +
                                             "\nEnd of GUTINDEX.AUS\n")
                     .isEmpty());
    }
    std::unique_ptr<TPGftpForm> open() {
        configuration_ = std::make_unique<qw::Configuration>();
        if (!configuration_->load(qw::QtConfigEnvironment(), dialogs_))
            return nullptr;
        auto form = std::make_unique<TPGftpForm>(*configuration_, dialogs_);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return nullptr;
        return form;
    }
    static QStringList column(const TPGftpForm& form, int c) {
        QStringList cells;
        for (int r = 0; r < form.model()->rowCount(); ++r)
            cells << form.model()->cell(r, c);
        return cells;
    }
    static void clickHeader(TPGftpForm& form, int section) {
        QHeaderView* header = form.PGList->horizontalHeader();
        QTest::mousePress(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(section) + 5, 5));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {},
                            QPoint(header->sectionViewportPosition(section) + 5, 5));
    }
    static bool numbered(const TPGftpForm& form) {
        const QStringList seq = column(form, 5);
        for (int r = 0; r < seq.size(); ++r)
            if (seq[r] != QStringLiteral("%1").arg(r + 1, 6))
                return false;
        return true;
    }

    qw::test::ConfigFolder config_;
    qw::ScriptedDialogs dialogs_;
    std::unique_ptr<qw::Configuration> configuration_;
};

void TestCatalogue::init() {
    QVERIFY(config_.begin());
    dialogs_ = qw::ScriptedDialogs();
}

void TestCatalogue::listsBothIndexFiles() {
    writeIndexes();
    const auto form = open();
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), "Browse and download Project Gutenberg files");
    QCOMPARE(form->model()->rowCount(), 301);
    QCOMPARE(form->ItemsLabel->text(), "301 items");
    QCOMPARE(form->model()->cell(0, 0), "100150");
    QCOMPARE(form->model()->cell(0, 1), QString::fromStdString(qw::test::GeneratedTitle(0)));
    QCOMPARE(form->model()->cell(3, 0), "100147C");
    QCOMPARE(form->model()->cell(300, 0), "A   11");
    QCOMPARE(form->model()->cell(300, 4), "0500011.txt ");
    QCOMPARE(form->model()->cell(0, 5), ""); // no sequence before a sort or filter
    QCOMPARE(form->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole), "Title and Author");
    for (int c : {3, 4, 5})
        QVERIFY(form->PGList->isColumnHidden(c));
    QVERIFY(!form->PGList->isColumnHidden(2));
    QCOMPARE(form->PGList->selectionModel()->selectedRows().value(0).row(), 0);
    QVERIFY(form->FilterText->hasFocus());
    QVERIFY(dialogs_.shown.empty());
    // The scheme's list colours.
    QCOMPARE(form->PGList->palette().color(QPalette::Base), QColor(0xA6, 0xA6, 0xD2));
}

void TestCatalogue::sortsTwiceByEachHeader() {
    writeIndexes();
    const auto form = open();
    QVERIFY(form);
    clickHeader(*form, 0);
    QStringList numbers = column(*form, 0);
    QCOMPARE(numbers.first(), "99851");
    QCOMPARE(numbers.at(148), "99999");
    QCOMPARE(numbers.at(149), "100000C"); // six digits after five
    QCOMPARE(numbers.at(150), "100001");
    QCOMPARE(numbers.last(), "A   11");
    QVERIFY(numbered(*form));
    clickHeader(*form, 0);
    QCOMPARE(column(*form, 0).first(), "A   11");
    QCOMPARE(column(*form, 0).last(), "99851");

    clickHeader(*form, 2); // does not sort
    QCOMPARE(column(*form, 0).first(), "A   11");
    clickHeader(*form, 1);
    const QStringList titles = column(*form, 1);
    QVERIFY(titles.first().startsWith(QString::fromUtf8("Äpfel Äpfel"))); // as "apfel"
    QVERIFY(titles.at(30).startsWith("Aussie"));
    clickHeader(*form, 1);
    QVERIFY(column(*form, 1).at(270).startsWith("Aussie"));
    QVERIFY(numbered(*form));
}

void TestCatalogue::threeFiltersInARow() {
    writeIndexes();
    const auto form = open();
    QVERIFY(form);
    clickHeader(*form, 1);
    QTest::keyClicks(form->FilterText, "STORY 10");
    QCOMPARE(form->ItemsLabel->text(), "11 items"); // 10 and 100 to 109
    QVERIFY(numbered(*form));
    form->FilterText->setText(QString::fromUtf8("émile"));
    QCOMPARE(form->ItemsLabel->text(), "57 items"); // Émile in 19 of 100 titles, x 3
    QVERIFY(numbered(*form));
    QCOMPARE(form->model()->cell(0, 0), "100149"); // index order, not title order
    form->CaseSens->click();
    QCOMPARE(form->ItemsLabel->text(), "0 items");
    form->FilterText->setText("Finnish");
    QCOMPARE(form->ItemsLabel->text(), "150 items");
    QVERIFY(numbered(*form));

    form->FilterActive->click(); // off: typing no longer filters
    QTest::keyClicks(form->FilterText, "x");
    QCOMPARE(form->ItemsLabel->text(), "150 items");
    QTest::keyClick(form->FilterText, Qt::Key_Return);
    QCOMPARE(form->ItemsLabel->text(), "0 items");
    form->FilterReset->click();
    QCOMPARE(form->FilterText->text(), "");
    QCOMPARE(form->ItemsLabel->text(), "301 items");
    QVERIFY(numbered(*form));
    form->FilterText->setText("   ");
    form->FilterApply->click();
    QCOMPARE(form->ItemsLabel->text(), "301 items");
}

void TestCatalogue::infoTipAndChoosing() {
    writeIndexes();
    const auto form = open();
    QVERIFY(form);
    QTableView* list = form->PGList;
    const QPoint row3 = list->visualRect(form->model()->index(3, 1)).center();
    QTest::mouseMove(list->viewport(), row3);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), " [Subtitle: Part 3 of the tale]\n [Language: Finnish]\n"
                               " [Illustrator: Ilmari Kivi]");
    QTest::mouseMove(list->viewport(), list->visualRect(form->model()->index(0, 1)).center());
    QTRY_VERIFY(!QToolTip::isVisible()); // entry 0 has no info
    form->ShowAddInfo->setChecked(false);
    QTest::mouseMove(list->viewport(), row3);
    QTest::qWait(50);
    QVERIFY(!QToolTip::isVisible());

    std::vector<qw::CatalogueEntry> chosen;
    connect(form.get(), &TPGftpForm::entriesChosen, this,
            [&](const std::vector<qw::CatalogueEntry>& e) { chosen = e; });
    list->selectRow(1);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(chosen.size(), size_t{2});
    QCOMPARE(chosen[1].number, "100148");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row3);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row3);
    QCOMPARE(chosen.size(), size_t{1});
    QCOMPARE(chosen[0].number, "100147C");
}

void TestCatalogue::tellsWhenThereIsNoIndex() {
    const auto form = open();
    QVERIFY(form);
    QCOMPARE(dialogs_.shown.size(), size_t{1});
    QCOMPARE(dialogs_.shown[0].text, qw::kNoIndexMessage);
    QCOMPARE(form->ItemsLabel->text(), "0 items");
    form->hide();
    form->show(); // tried again while there is no entry
    QCOMPARE(dialogs_.shown.size(), size_t{2});
    writeIndexes();
    form->hide();
    form->show();
    QCOMPARE(dialogs_.shown.size(), size_t{2});
    QCOMPARE(form->ItemsLabel->text(), "301 items");
}

void TestCatalogue::keepsItsBounds() {
    {
        const auto form = open();
        QVERIFY(form);
        // First opening: the design size, centred on the 1920 x 1200 screen.
        QCOMPARE(form->size(), QSize(TPGftpForm::kDesignWidth, TPGftpForm::kDesignHeight));
        form->move(100, 120);
        form->resize(900, 650);
        form->reject();
    }
    qw::ConfigFile ini(config_.iniPath().toStdString());
    QCOMPARE(ini.ReadString("PG Browser", "Maximized", ""), "No");
    QCOMPARE(ini.ReadInteger("PG Browser", "Left", 0), 100);
    QCOMPARE(ini.ReadInteger("PG Browser", "Top", 0), 120);
    QCOMPARE(ini.ReadInteger("PG Browser", "Width", 0), 900);
    QCOMPARE(ini.ReadInteger("PG Browser", "Height", 0), 650);

    ini.WriteString("PG Browser", "Maximized", "Yes");
    ini.WriteString("PG Browser", "Height", "5000"); // taller than the screen
    QVERIFY(ini.UpdateFile());
    {
        const auto form = open();
        QVERIFY(form);
        QVERIFY(form->isMaximized());
        form->accept();
    }
    QVERIFY(ini.Open(config_.iniPath().toStdString()));
    QCOMPARE(ini.ReadString("PG Browser", "Maximized", ""), "Yes");
    QCOMPARE(ini.ReadInteger("PG Browser", "Width", 0), 900); // untouched

    ini.WriteString("PG Browser", "Maximized", "No");
    QVERIFY(ini.UpdateFile());
    const auto form = open();
    QVERIFY(form);
    QCOMPARE(form->height(), 1200 - 30); // shrunk to the screen
    QCOMPARE(form->pos(), QPoint(100, 120));
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
