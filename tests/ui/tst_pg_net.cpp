// quirewell-pg lookup and get against a server on 127.0.0.1 that the test
// runs while the program works: the found names with sizes and dates, the
// download into a folder, and an exit status for each way it can end.

#include "local_http_server.h"
#include "test_books.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using qw::test::LocalHttpServer;

class TestPgNet : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void lookupAndGet_data();
    void lookupAndGet();
    void keepsFilesUnlessTold();

  private:
    // Runs quirewell-pg while this thread keeps serving; its exit status.
    int run(const QStringList& arguments) {
        QProcess pg;
        QEventLoop loop;
        connect(&pg, &QProcess::finished, &loop, &QEventLoop::quit);
        connect(&pg, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        pg.start(QStringLiteral(QW_PG_PROGRAM), arguments + QStringList{"--index", index_.path()});
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        out_ = pg.readAllStandardOutput();
        err_ = pg.readAllStandardError();
        return pg.state() == QProcess::NotRunning && pg.exitStatus() == QProcess::NormalExit
                   ? pg.exitCode()
                   : -1;
    }
    QStringList saved() const { return QDir(to_->path()).entryList(QDir::Files, QDir::Name); }

    std::unique_ptr<LocalHttpServer> server_;
    std::unique_ptr<QTemporaryDir> to_;
    QTemporaryDir index_;
    QByteArray out_, err_;
};

void TestPgNet::init() {
    server_ = std::make_unique<LocalHttpServer>();
    to_ = std::make_unique<QTemporaryDir>();
    const QByteArray base = server_->base().toUtf8();
    QVERIFY(!qw::test::WriteTestFile(index_.path(), "Quirewell.ini",
                                     "[PG Browser]\nPrimary server=" + base + "\n")
                 .isEmpty());
    QVERIFY(!qw::test::WriteTestFile(index_.path(), "GUTINDEX.ALL",
                                     "<===LISTINGS===>\r\n\r\nTwelve, by B" + QByteArray(63, ' ') +
                                         "12C\r\n\r\n")
                 .isEmpty());
    server_->files()["/dirs/1/12/"] =
        "<a href=\"../\">up</a><a href=\"12.txt\">x</a><a href=\"12-h.htm\">y</a>"
        "<a href=\"../evil.txt\">z</a>";
    server_->files()["/dirs/1/12/12.txt"] = "twelve";
    server_->files()["/dirs/1/12/12-h.htm"] = "<p>twelve</p>";
    server_->files()["/dirs/1/13/"] = "<a href=\"13.txt\">x</a>"; // the file itself is missing
}

void TestPgNet::lookupAndGet_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QStringList>("saved");
    const QByteArray date = "\tSat, 01 Jan 2005 10:00:00 GMT\n";
    const QByteArray listing = "12.txt\t6" + date + "12-h.htm\t13" + date;
    QTest::newRow("lookup") << QStringList{"lookup", "12"} << 0 << listing << QStringList();
    QTest::newRow("lookup HTML") << QStringList{"lookup", "12C", "--type", "HTML"} << 0 << listing
                                 << QStringList();
    QTest::newRow("lookup PDF") << QStringList{"lookup", "12", "--type", "PDF"} << 3 << listing
                                << QStringList();
    QTest::newRow("lookup nothing")
        << QStringList{"lookup", "14"} << 3 << QByteArray() << QStringList();
    QTest::newRow("get") << QStringList{"get", "12"} << 0 << QByteArray() << QStringList{"12.txt"};
    QTest::newRow("get HTML") << QStringList{"get", "12", "--type", "HTML"} << 0 << QByteArray()
                              << QStringList{"12-h.htm"};
    QTest::newRow("get missing") << QStringList{"get", "14"} << 3 << QByteArray() << QStringList();
    QTest::newRow("get failing") << QStringList{"get", "13"} << 4 << QByteArray() << QStringList();
    QTest::newRow("bad type") << QStringList{"get", "12", "--type", "Scroll"} << 1 << QByteArray()
                              << QStringList();
    QTest::newRow("no number") << QStringList{"lookup"} << 1 << QByteArray() << QStringList();
    QTest::newRow("not a number") << QStringList{"get", "x/y"} << 2 << QByteArray()
                                  << QStringList();
}

void TestPgNet::lookupAndGet() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QStringList, saved);
    if (arguments.value(0) == "get")
        arguments << "--to" << to_->path();
    QCOMPARE(run(arguments), status);
    if (arguments.value(0) == "get" && status == 0)
        out = (to_->path() + "/" + saved.value(0) + "\n").toUtf8();
    QCOMPARE(out_, out);
    QCOMPARE(this->saved(), saved);
    if (status != 0)
        QVERIFY(!err_.isEmpty());
}

void TestPgNet::keepsFilesUnlessTold() {
    QVERIFY(!qw::test::WriteTestFile(to_->path(), "12.txt", "mine").isEmpty());
    auto content = [this] {
        QFile f(to_->filePath("12.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QCOMPARE(run({"get", "12", "--to", to_->path()}), 5);
    QCOMPARE(content(), QByteArray("mine"));
    QCOMPARE(run({"get", "12", "--to", to_->path(), "--overwrite"}), 0);
    QCOMPARE(content(), QByteArray("twelve"));
    QCOMPARE(saved(), QStringList{"12.txt"});
}

QTEST_MAIN(TestPgNet)
#include "tst_pg_net.moc"
