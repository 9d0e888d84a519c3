// The download half of the catalogue browser against a server on 127.0.0.1
// that the test starts: titles copied from the catalogue, looked up, chosen
// in "List available files", downloaded with progress, one aborted, the
// overwrite question answered both ways, and the index refreshed (also a
// refresh that fails and keeps the old index).

#include "catalogue/ui/CatalogueModel.h"
#include "catalogue/ui/DownloadPane.h"
#include "catalogue/ui/TPGftpForm.h"
#include "config_folder.h"
#include "controls/scripted_dialogs.h"
#include "controls/ui/TPanelButton.h"
#include "core/import/zip_test_util.h"
#include "local_http_server.h"
#include "settings/configuration.h"
#include "settings/ui/qt_config_environment.h"
#include "test_books.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace qw;
using qw::test::LocalHttpServer;

namespace {

// Today's index: one entry a line, the number ending at column 78.
QByteArray Index(const QList<QPair<QByteArray, QByteArray>>& entries) {
    QByteArray out = "GUTINDEX.ALL\r\n\r\n<===LISTINGS===>\r\n\r\n";
    for (const auto& [title, number] : entries)
        out += title + QByteArray(78 - title.size() - number.size(), ' ') + number + "\r\n\r\n";
    return out + "<==End of GUTINDEX.ALL==>\r\n";
}

QByteArray Listing(const QList<QByteArray>& names) {
    QByteArray page = "<html><a href=\"../\">Parent</a><a href=\"?C=M;O=A\">Date</a>\r\n";
    for (const QByteArray& n : names)
        page += "<a href=\"" + n + "\">" + n + "</a>\r\n";
    return page;
}

QByteArray Zip(const QByteArray& index) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("i.zip").toStdString();
    if (!test::WriteZip(path, {{"GUTINDEX.ALL", index.toStdString()}}))
        return {};
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `act` on the modal dialog the next click opens; a dialog that `act`
// left open (a failed check) is closed, so the test never hangs.
void OnNextDialog(std::function<void(QWidget&)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start(10);
}

} // namespace

class TestDownloadWindow : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void looksUpChoosesAndDownloads();
    void abortsOneTitleAndRefusesToClose();
    void refreshesTheIndexAndKeepsItOnFailure();

  private:
    QStringList column(int c) const {
        QStringList cells;
        for (int r = 0; r < pane()->DLList->rowCount(); ++r)
            cells << pane()->DLList->item(r, c)->text();
        return cells;
    }
    DownloadPane* pane() const { return form_->Downloads; }
    QStringList saved() const { return QDir(folder_->path()).entryList(QDir::Files, QDir::Name); }
    QByteArray content(const QString& name) const {
        QFile f(folder_->filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    void offer(const QByteArray& directory, const QList<QByteArray>& names) {
        server_->files()[directory] = Listing(names);
        for (const QByteArray& n : names)
            server_->files()[directory + n] = "text of " + n;
    }
    // Copies every catalogue entry to the download list.
    void copyAll() {
        form_->PGList->selectAll();
        QTest::mouseClick(form_->EtextSelect, Qt::LeftButton);
    }

    test::ConfigFolder config_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<LocalHttpServer> server_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Configuration> configuration_;
    std::unique_ptr<TPGftpForm> form_;
};

void TestDownloadWindow::init() {
    QVERIFY(config_.begin());
    dialogs_ = ScriptedDialogs();
    server_ = std::make_unique<LocalHttpServer>();
    folder_ = std::make_unique<QTemporaryDir>();
    const QByteArray base = server_->base().toUtf8();
    QVERIFY(!test::WriteTestFile(config_.path(), "Quirewell.ini",
                                 "[PG Browser]\nPrimary server=" + base +
                                     "\nAustralian server=" + base + "/au\n")
                 .isEmpty());
    QVERIFY(!test::WriteTestFile(config_.path(), "GUTINDEX.ALL",
                                 Index({{"Fourteen, by D", "14"},
                                        {"Thirteen, by C", "13"},
                                        {"Twelve, by B", "12"},
                                        {"Eleven, by A", "11"}}))
                 .isEmpty());
    offer("/dirs/1/11/", {"11.txt", "11-8.txt", "11-h.htm"});
    offer("/dirs/1/12/", {"12.txt"});
    offer("/dirs/1/13/", {"13.txt"});
    configuration_ = std::make_unique<Configuration>();
    QVERIFY(configuration_->load(QtConfigEnvironment(), dialogs_));
    form_ = std::make_unique<TPGftpForm>(*configuration_, dialogs_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    dialogs_.folderChoices = {folder_->path().toStdString()};
    QTest::mouseClick(pane()->DLFolder, Qt::LeftButton);
    QCOMPARE(pane()->DLSavePath->text(), folder_->path() + "/");
}

void TestDownloadWindow::cleanup() {
    form_.reset();
    configuration_.reset();
    config_.end();
}

void TestDownloadWindow::looksUpChoosesAndDownloads() {
    QCOMPARE(pane()->DLLabel->text(), "0 items");
    QVERIFY(!pane()->StartDownload->isEnabled());
    QVERIFY(!pane()->AbortDownload->isEnabled());
    copyAll();
    QCOMPARE(pane()->DLLabel->text(), "4 items");
    QCOMPARE(column(0), QStringList({"14", "13", "12", "11"}));
    QCOMPARE(column(2), QStringList({"14.txt", "13.txt", "12.txt", "11.txt"}));
    QVERIFY(pane()->StartDownload->isEnabled());
    QVERIFY(!pane()->Available->isEnabled()); // no status yet

    // "Look up available files": one page and a HEAD per file of each title.
    QTest::mouseClick(pane()->CheckAvailability, Qt::LeftButton);
    QCOMPARE(column(3), QStringList({"Not found", "Found", "Found", "Found"}));
    QCOMPARE(
        dialogs_.messages(),
        std::vector<std::string>{"Some files could not be found - check available file types"});
    QCOMPARE(pane()->StatusPanel[0]->text(), "Done");

    // "List available files" on the last title (Enter): a click on a row takes it.
    pane()->DLList->setFocus();
    pane()->DLList->selectRow(3);
    QVERIFY(pane()->Available->isEnabled());
    QString caption;
    OnNextDialog([&caption](QWidget& dialog) {
        caption = dialog.windowTitle();
        auto* list = dialog.findChild<QTableWidget*>("AvailableList");
        QCOMPARE(list->item(1, 0)->text(), "11-8.txt");
        QCOMPARE(list->item(1, 1)->text(), "16"); // "text of 11-8.txt"
        QCOMPARE(list->item(1, 2)->text(), "Sat, 01 Jan 2005 10:00:00 GMT");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1, 0)).center());
    });
    QTest::keyClick(pane()->DLList, Qt::Key_Return);
    QCOMPARE(caption, "3 files available");
    QCOMPARE(pane()->DLList->item(3, 2)->text(), "11-8.txt");

    // A type change of the first title; its lookup list stays empty.
    pane()->DLList->selectRow(0);
    pane()->DLFileType->setCurrentIndex(0);
    QTest::keyClick(pane()->DLFileType, Qt::Key_Down); // "Plain text ZIP"
    QCOMPARE(pane()->DLList->item(0, 2)->text(), "14.zip");
    QTest::keyClick(pane()->DLList, Qt::Key_Delete); // and away with it
    QCOMPARE(column(0), QStringList({"13", "12", "11"}));
    QCOMPARE(pane()->DLLabel->text(), "3 items");

    // 12.txt and 13.txt are there already: Yes replaces, No keeps and marks.
    QVERIFY(!test::WriteTestFile(folder_->path(), "12.txt", "old twelve").isEmpty());
    QVERIFY(!test::WriteTestFile(folder_->path(), "13.txt", "old thirteen").isEmpty());
    dialogs_.clear();
    dialogs_.choices = {Choice::No, Choice::Yes};
    QStringList progress;
    connect(&pane()->run(), &DownloadRun::statusText, this, [&](int panel, const QString& text) {
        if (panel == 2 && !text.isEmpty())
            progress << text;
    });
    const qsizetype requests = server_->requests().size();
    QTest::mouseClick(pane()->StartDownload, Qt::LeftButton);
    QCOMPARE(dialogs_.messages().size(), size_t(2));
    QCOMPARE(dialogs_.messages()[0],
             "File 13.txt already exists in " + folder_->path().toStdString() + "/\r\nOverwrite?");
    QCOMPARE(server_->requests().size() - requests, 2); // the pages and HEADs were kept
    QCOMPARE(saved(), QStringList({"11-8.txt", "12.txt", "13.txt"}));
    QCOMPARE(content("13.txt"), QByteArray("old thirteen"));
    QCOMPARE(content("12.txt"), QByteArray("text of 12.txt"));
    QCOMPARE(content("11-8.txt"), QByteArray("text of 11-8.txt"));
    QCOMPARE(column(3), QStringList({"Downloaded", "Downloaded", "Downloaded"}));
    QVERIFY(progress.contains("16 of 16 Bytes received (100%)"));
    QCOMPARE(pane()->StatusPanel[0]->text(), "Done");

    QTest::mouseClick(pane()->RemoveDL, Qt::LeftButton);
    QCOMPARE(pane()->DLLabel->text(), "0 items");
    QVERIFY(!pane()->StartDownload->isEnabled());
}

void TestDownloadWindow::abortsOneTitleAndRefusesToClose() {
    server_->files()["/dirs/1/11/11.txt"] = QByteArray(100 * 1000, 's');
    server_->slowFiles() << "/dirs/1/11/11.txt";
    form_->PGList->selectRow(2); // 12, 11
    form_->PGList->selectionModel()->select(
        form_->model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::mouseClick(form_->EtextSelect, Qt::LeftButton);
    QCOMPARE(column(0), QStringList({"12", "11"}));
    pane()->DLList->selectRow(1);
    QTest::keyClick(pane()->DLFileType, Qt::Key_Up); // still "Plain text"

    bool tried = false, stayed = false, disabled = false;
    QString address;
    connect(&pane()->run(), &DownloadRun::statusText, this, [&](int panel, const QString& text) {
        if (panel == 1)
            address = text;
        if (panel != 2 || text.isEmpty() || tried || !address.endsWith("/11.txt"))
            return;
        tried = true;
        disabled = !form_->EtextSelect->isEnabled() && !pane()->StartDownload->isEnabled() &&
                   !pane()->DLFileType->isEnabled() && pane()->AbortDownload->isEnabled();
        form_->close();
        stayed = form_->isVisible();
        dialogs_.choices = {Choice::Yes};
        QTest::mouseClick(pane()->AbortDownload, Qt::LeftButton);
    });
    QTest::mouseClick(pane()->StartDownload, Qt::LeftButton);
    QVERIFY(tried && stayed && disabled);
    QCOMPARE(dialogs_.messages(), std::vector<std::string>{"Abort download?"});
    QCOMPARE(saved(), QStringList{"12.txt"}); // 11.txt neither whole nor in part
    QCOMPARE(column(3), QStringList({"Downloaded", "Found"}));
    QCOMPARE(pane()->StatusPanel[0]->text(), "Aborted"); // the last title was
    QCOMPARE(pane()->StatusPanel[2]->text(), "");
    QVERIFY(pane()->StartDownload->isEnabled() && !pane()->AbortDownload->isEnabled());
    form_->close();
    QVERIFY(!form_->isVisible());
}

void TestDownloadWindow::refreshesTheIndexAndKeepsItOnFailure() {
    QCOMPARE(form_->model()->rowCount(), 4);
    const QByteArray fresh = Index({{"Fifteen, by E", "15"}, {"Sixteen, by F", "16"}});
    server_->files()["/dirs/GUTINDEX.zip"] = Zip(fresh);
    server_->files()["/dirs/GUTINDEX.AUS"] = "GUTINDEX.AUS\nEnd of GUTINDEX.AUS\n";
    auto refresh = [this](bool usa, bool australia) {
        OnNextDialog([usa, australia](QWidget& dialog) {
            QCOMPARE(dialog.windowTitle(), "Download the latest index file(s)");
            dialog.findChild<QCheckBox*>("PGUSA")->setChecked(usa);
            dialog.findChild<QCheckBox*>("PGAustralia")->setChecked(australia);
            QTest::mouseClick(dialog.findChild<qw::TPanelButton*>("OK"), Qt::LeftButton);
        });
        QTest::mouseClick(pane()->IndexRefresh, Qt::LeftButton);
    };
    auto index = [this](const char* name) {
        QFile f(config_.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    };
    auto leftovers = [this] {
        return QDir(config_.path())
            .entryList({"GUTINDEX.ZIP", "GUTINDEX.TMP", "*.tmp", "GUTINDEX.*.*"}, QDir::Files);
    };

    refresh(false, false); // neither: nothing happens
    QCOMPARE(server_->requests().size(), 0);
    refresh(true, true);
    QCOMPARE(server_->requests(), QList<QByteArray>({"GET /dirs/GUTINDEX.zip HTTP/1.0",
                                                     "GET /dirs/GUTINDEX.AUS HTTP/1.0"}));
    QCOMPARE(index("GUTINDEX.ALL"), fresh);
    QCOMPARE(index("GUTINDEX.AUS"), server_->files()["/dirs/GUTINDEX.AUS"]);
    QCOMPARE(form_->model()->rowCount(), 2); // read again
    QCOMPARE(form_->windowTitle(), "Browse and download Project Gutenberg files");
    QCOMPARE(pane()->StatusPanel[0]->text(), "Done.");
    QVERIFY(dialogs_.messages().empty());

    // A failed download and a damaged archive keep the index as it was.
    server_->files().remove("/dirs/GUTINDEX.zip");
    refresh(true, true);
    QCOMPARE(index("GUTINDEX.ALL"), fresh);
    QCOMPARE(dialogs_.messages().size(), size_t(1)); // and the Australian step is skipped
    QVERIFY(dialogs_.messages()[0].rfind("Error downloading file " + server_->base().toStdString() +
                                             "/dirs/GUTINDEX.zip:\r\n",
                                         0) == 0);
    QCOMPARE(server_->requests().size(), 3);
    dialogs_.clear();
    server_->files()["/dirs/GUTINDEX.zip"] = Zip(fresh).left(40);
    refresh(true, false);
    QCOMPARE(index("GUTINDEX.ALL"), fresh);
    QCOMPARE(dialogs_.messages().size(), size_t(1));
    QCOMPARE(form_->model()->rowCount(), 2);
    QCOMPARE(leftovers(), QStringList());
}

QTEST_MAIN(TestDownloadWindow)
#include "tst_download_window.moc"
