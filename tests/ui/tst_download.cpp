// Downloads against a server on 127.0.0.1 that the test starts: lookups over
// the listing pages, transfers through a temporary file, the overwrite
// question, abort, and the server's misbehaviours and hostile names.

#include "catalogue/ui/DownloadRun.h"
#include "controls/scripted_dialogs.h"
#include "local_http_server.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace qw;
using qw::test::LocalHttpServer;

namespace {

CatalogueEntry Today(const std::string& number) {
    CatalogueEntry e;
    e.number = number;
    e.title = "Title " + number;
    return e;
}

QByteArray Listing(const QList<QByteArray>& names) {
    QByteArray page = "<html>\r\n<a href=\"../\">Parent</a><a href=\"?C=N;O=D\">Name</a>\r\n";
    for (const QByteArray& n : names)
        page += "<a href=\"" + n + "\">" + n + "</a>\r\n";
    return page;
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void downloadsAndAsksBeforeOverwriting();
    void failuresLeaveNoFile_data();
    void failuresLeaveNoFile();
    void moreBodyThanAnnounced();
    void hostileNamesAreNeverWritten();
    void abortLeavesNoFileAndGoesOn();
    void largeTransferSpeed();

  private:
    // The files in the save folder, sorted.
    QStringList saved() const { return QDir(folder_->path()).entryList(QDir::Files, QDir::Name); }
    std::string folder() const { return folder_->path().toStdString() + "/"; }
    std::vector<DownloadEntry> entries(const std::vector<std::string>& numbers, int type = 0) {
        std::vector<DownloadEntry> list;
        for (const std::string& n : numbers)
            list.push_back(MakeDownloadEntry(Today(n), type, bases_));
        return list;
    }
    // Serves number.txt (and what else is named) in the number's directory.
    void offer(const QByteArray& directory, const QList<QByteArray>& names,
               const QByteArray& body = "the text") {
        server_->files()[directory] = Listing(names);
        for (const QByteArray& n : names)
            server_->files()[directory + n] = body;
    }

    std::unique_ptr<LocalHttpServer> server_;
    std::unique_ptr<QTemporaryDir> folder_;
    ServerBases bases_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<THttpCli> http_;
};

void TestDownload::init() {
    server_ = std::make_unique<LocalHttpServer>();
    folder_ = std::make_unique<QTemporaryDir>();
    bases_ = {server_->base().toStdString(), server_->base().toStdString()};
    dialogs_ = ScriptedDialogs();
    http_ = std::make_unique<THttpCli>();
    http_->limits().idleTimeoutMs = 5000;
}

void TestDownload::downloadsAndAsksBeforeOverwriting() {
    offer("/dirs/1/11/", {"11.txt", "11-8.txt"}, "eleven");
    offer("/dirs/1/12/", {"12.txt"}, "twelve");
    offer("/dirs/1/13/", {"13.txt"}, "thirteen");
    DownloadRun run(*http_, dialogs_, bases_);
    std::vector<DownloadEntry> list = entries({"11", "12", "13", "14"});
    QFile old(folder_->filePath("12.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QFile keep(folder_->filePath("13.txt"));
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("kept") == 4);
    keep.close();

    QStringList progress;
    connect(&run, &DownloadRun::statusText, [&](int panel, const QString& text) {
        if (panel == 2 && !text.isEmpty())
            progress << text;
    });
    dialogs_.choices = {Choice::Yes, Choice::No};
    run.download(list, folder());

    QCOMPARE(saved(), QStringList({"11.txt", "12.txt", "13.txt"}));
    auto content = [this](const char* name) {
        QFile f(folder_->filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    };
    QCOMPARE(content("11.txt"), QByteArray("eleven"));
    QCOMPARE(content("12.txt"), QByteArray("twelve")); // Yes: replaced
    QCOMPARE(content("13.txt"), QByteArray("kept"));   // No: left, marked
    QCOMPARE(list[2].status, std::string(download_status::kDownloaded));
    QCOMPARE(list[3].status, std::string(download_status::kNotFound));
    QVERIFY(progress.contains("6 of 6 Bytes received (100%)"));
    const std::vector<std::string> shown = dialogs_.messages();
    QCOMPARE(shown.size(), size_t(3));
    QCOMPARE(shown[0], "File 12.txt already exists in " + folder() + "\r\nOverwrite?");
    QCOMPARE(shown[2], std::string(run_text::kNotFound));

    // All: no further question in that run; the pages come from the cache.
    const qsizetype requests = server_->requests().size();
    dialogs_ = ScriptedDialogs();
    dialogs_.choices = {Choice::All};
    std::vector<DownloadEntry> again = entries({"11", "12", "13"});
    run.download(again, folder());
    QCOMPARE(dialogs_.messages().size(), size_t(1));
    QCOMPARE(content("13.txt"), QByteArray("thirteen"));
    QCOMPARE(server_->requests().size() - requests, 4 + 3); // no page again: 4 HEADs, 3 files
    QCOMPARE(saved().size(), 3);
}

void TestDownload::failuresLeaveNoFile_data() {
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("404") << QByteArray("/404");
    QTest::newRow("500") << QByteArray("/500");
    QTest::newRow("truncated") << QByteArray("/truncated");
    QTest::newRow("reset") << QByteArray("/reset");
    QTest::newRow("redirect loop") << QByteArray("/loop");
    QTest::newRow("10 MB header") << QByteArray("/bigheader");
    QTest::newRow("stalled") << QByteArray("/stall");
    QTest::newRow("no answer") << QByteArray("/silent");
}

void TestDownload::failuresLeaveNoFile() {
    QFETCH(QByteArray, path);
    http_->limits().idleTimeoutMs = 300; // a stalled server is given up soon
    QFile existing(folder_->filePath("book.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("previous") == 8);
    existing.close();
    DownloadRun run(*http_, dialogs_, bases_);
    QStringList progress;
    connect(&run, &DownloadRun::statusText, [&](int panel, const QString& text) {
        if (panel == 2 && !text.isEmpty())
            progress << text;
    });
    QVERIFY(!run.transfer(bases_.primary + path.toStdString(), folder(), "book.txt"));
    if (path == "/404" || path == "/500") // an error page is no progress of the file
        QCOMPARE(progress, QStringList());
    QCOMPARE(saved(), QStringList{"book.txt"}); // no temporary file left
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("previous"));
    QCOMPARE(dialogs_.messages().size(), size_t(1));
    QVERIFY(dialogs_.messages()[0].rfind(
                "Error downloading file " + bases_.primary + path.toStdString() + ":\r\n", 0) == 0);
}

void TestDownload::moreBodyThanAnnounced() {
    // The announced length ends the document; what follows is not stored.
    DownloadRun run(*http_, dialogs_, bases_);
    QVERIFY(run.transfer(bases_.primary + "/toolong", folder(), "short.txt"));
    QFile file(folder_->filePath("short.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("01234"));
    // A redirect names another document ("/ok"); the file keeps its own name.
    QVERIFY(run.transfer(bases_.primary + "/abs/2", folder(), "moved.txt"));
    QCOMPARE(saved(), QStringList({"moved.txt", "short.txt"}));
}

void TestDownload::hostileNamesAreNeverWritten() {
    // Links that name other places: only the plain name is taken.
    server_->files()["/dirs/2/"] =
        Listing({"../evil.txt", "/etc/x", "a/b.txt", "..", "2\x01.txt", "2\n.txt", "2.txt"});
    server_->files()["/dirs/2/2.txt"] = "two";
    DownloadRun run(*http_, dialogs_, bases_);
    std::vector<DownloadEntry> list = entries({"2"});
    run.download(list, folder());
    QCOMPARE(list[0].foundNames, std::vector<std::string>{"2.txt"});
    QCOMPARE(saved(), QStringList{"2.txt"});
    // Asked directly for such names, the transfer refuses before writing.
    for (const char* name : {"../evil.txt", "/etc/x", "a/b.txt", "..", ".", "x\x01y", ""}) {
        dialogs_ = ScriptedDialogs();
        DownloadRun fresh(*http_, dialogs_, bases_);
        QVERIFY(!fresh.transfer(bases_.primary + "/dirs/2/2.txt", folder(), name));
        QCOMPARE(dialogs_.messages().size(), size_t(1));
    }
    QCOMPARE(saved(), QStringList{"2.txt"});
    QVERIFY(!QFileInfo::exists(folder_->filePath("../evil.txt")));
}

void TestDownload::abortLeavesNoFileAndGoesOn() {
    // Title 3 arrives slowly and is aborted for itself alone; title 4 follows.
    offer("/dirs/3/", {"3.txt"}, QByteArray(100 * 1000, 's'));
    server_->slowFiles() << "/dirs/3/3.txt";
    offer("/dirs/4/", {"4.txt"}, "four");
    DownloadRun run(*http_, dialogs_, bases_);
    std::vector<DownloadEntry> list = entries({"3", "4"});
    QString last;
    bool abortOne = true, abortAll = false;
    connect(&run, &DownloadRun::statusText, [&](int panel, const QString& text) {
        if (panel == 2 && !text.isEmpty() && abortOne) {
            abortOne = false;
            run.abortCurrent();
        }
        if (panel == 2 && !text.isEmpty() && abortAll) {
            abortAll = false;
            run.abortAll();
        }
        if (panel == 0)
            last = text;
    });
    run.download(list, folder());
    QCOMPARE(saved(), QStringList{"4.txt"});
    QCOMPARE(list[0].status, std::string(download_status::kFound));
    QCOMPARE(list[1].status, std::string(download_status::kDownloaded));
    QVERIFY(dialogs_.messages().empty()); // an abort is no error
    QCOMPARE(last, QStringLiteral("Done"));

    // Abort all: the run ends at once with "Aborted".
    QFile::remove(folder_->filePath("4.txt"));
    list = entries({"3", "4"});
    abortAll = true;
    run.download(list, folder());
    QVERIFY(saved().isEmpty());
    QCOMPARE(last, QStringLiteral("Aborted"));
    QCOMPARE(list[1].status, std::string());
}

void TestDownload::largeTransferSpeed() {
    // 50 MB with the progress shown; the display is updated at most every 100 ms.
    const QByteArray body(50 * 1024 * 1024, 'b');
    server_->files()["/big.txt"] = body;
    DownloadRun run(*http_, dialogs_, bases_);
    int updates = 0;
    connect(&run, &DownloadRun::statusText,
            [&](int panel, const QString& text) { updates += panel == 2 && !text.isEmpty(); });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run.transfer(bases_.primary + "/big.txt", folder(), "big.txt"));
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    QCOMPARE(QFileInfo(folder_->filePath("big.txt")).size(), qint64(body.size()));
    qInfo("50 MB in %.3f s: %.0f MB/s, %d progress updates", seconds, 50 / seconds, updates);
    QVERIFY(updates >= 1);
    QVERIFY2(updates <= seconds * 10 + 2, qPrintable(QString::number(updates)));
}

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
