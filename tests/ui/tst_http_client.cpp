// The HTTP client against servers on 127.0.0.1 that the test starts: GET and
// HEAD over HTTP and HTTPS, redirections, abort, and every misbehaviour of
// the server the client must turn into a clear failure.

#include "catalogue/ui/THttpCli.h"
#include "local_http_server.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using qw::HttpOutcome;
using qw::THttpCli;
using qw::test::LocalHttpServer;

namespace {
QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

class TestHttpClient : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void answers_data();
    void answers();
    void headReadsOnlyTheHeader();
    void selfSignedCertificateIsRefused();
    void timeOuts();
    void abortAndBusy();
    void failuresBeforeConnecting();

  private:
    std::unique_ptr<THttpCli> client(bool trustTestCertificate = true) {
        auto c = std::make_unique<THttpCli>();
        if (trustTestCertificate)
            c->addCaCertificates({certificate_});
        c->limits().connectTimeoutMs = 5000;
        c->limits().idleTimeoutMs = 5000;
        return c;
    }

    QTemporaryDir folder_;
    QSslCertificate certificate_;
    QSslKey key_;
    std::unique_ptr<LocalHttpServer> http_, https_;
};

void TestHttpClient::initTestCase() {
    // A certificate made for this run only, valid for 127.0.0.1.
    QVERIFY(folder_.isValid());
    const QString cert = folder_.filePath("cert.pem"), key = folder_.filePath("key.pem");
    QProcess openssl;
    openssl.start("openssl",
                  {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                   "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                   "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", cert});
    QVERIFY2(openssl.waitForFinished(30000) && openssl.exitCode() == 0,
             openssl.readAllStandardError().constData());
    QFile certFile(cert), keyFile(key);
    QVERIFY(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
    certificate_ = QSslCertificate(&certFile, QSsl::Pem);
    key_ = QSslKey(&keyFile, QSsl::Ec, QSsl::Pem);
    QVERIFY(!certificate_.isNull() && !key_.isNull());

    http_ = std::make_unique<LocalHttpServer>();
    https_ = std::make_unique<LocalHttpServer>(certificate_, key_);
    QVERIFY(http_->isListening() && https_->isListening());
}

void TestHttpClient::answers_data() {
    QTest::addColumn<bool>("secure");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("announced");

    for (bool secure : {false, true}) {
        const char* s = secure ? "https " : "http ";
        auto row = [&](const char* name) {
            return &QTest::newRow((QByteArray(s) + name).constData());
        };
        *row("ok") << secure << "/ok" << 200 << "" << QByteArray("hello world") << qint64(11);
        *row("404") << secure << "/404" << 404 << "Not Found" << QByteArray() << qint64(12);
        *row("500") << secure << "/500" << 500 << "Internal Server Error" << QByteArray()
                    << qint64(6);
        *row("redirect chain") << secure << "/chain/5" << 200 << "" << QByteArray("hello world")
                               << qint64(11);
        *row("absolute redirections")
            << secure << "/abs/10" << 200 << "" << QByteArray("hello world") << qint64(11);
        *row("redirect loop") << secure << "/loop" << 404 << "More than 10 redirections"
                              << QByteArray() << qint64(0);
        *row("truncated") << secure << "/truncated" << 404
                          << "Connection closed after 10 of 1000 bytes" << QByteArray("0123456789")
                          << qint64(1000);
        *row("no length") << secure << "/nolength" << 200 << "" << QByteArray("no length here")
                          << qint64(-1);
        *row("split byte by byte")
            << secure << "/split" << 200 << "" << QByteArray("hello world") << qint64(11);
        *row("10 MB header") << secure << "/bigheader" << 404
                             << "HTTP header larger than 65536 bytes" << QByteArray() << qint64(-1);
        *row("reset") << secure << "/reset" << 404 << "Connection closed after 10 of 1000 bytes"
                      << QByteArray("0123456789") << qint64(1000);
    }
}

void TestHttpClient::answers() {
    QFETCH(bool, secure);
    QFETCH(QString, path);
    QFETCH(int, code);
    QFETCH(QString, message);
    QFETCH(QByteArray, body);
    QFETCH(qint64, announced);

    const auto http = client();
    qint64 reported = 0;
    connect(http.get(), &THttpCli::docData, this, [&](qint64 n) { reported += n; });
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    const LocalHttpServer& server = secure ? *https_ : *http_;
    const HttpOutcome done = http->get((server.base() + path).toStdString(), stream);
    QCOMPARE(done.ok, code < 400);
    QCOMPARE(done.code, code);
    QCOMPARE(Text(done.message), message);
    QCOMPARE(stream.data(), body);
    QCOMPARE(http->results().receivedCount, body.size());
    QCOMPARE(reported, body.size());
    QCOMPARE(http->results().announcedLength, announced);
    QVERIFY(!http->busy());
    if (path == "/split")
        QCOMPARE(Text(http->results().receivedHeaders.at(2)), "X-Split: one byte at a time");
}

void TestHttpClient::headReadsOnlyTheHeader() {
    const auto http = client();
    const HttpOutcome done = http->head((https_->base() + "/head").toStdString());
    QVERIFY(done.ok);
    QCOMPARE(http->results().announcedLength, 11);
    QCOMPARE(http->results().receivedCount, 0);
    QCOMPARE(Text(http->results().acceptRanges), "bytes");
    QCOMPARE(Text(http->results().mimeType), "text/plain");
    QCOMPARE(https_->requests().last(), "HEAD /head HTTP/1.0");
    QVERIFY(https_->headers().last().endsWith("\r\nHost: 127.0.0.1"));
    QCOMPARE(Text(http->documentName()), "head");

    QByteArray memory;
    QVERIFY(http->get((http_->base() + "/ok").toStdString(), memory).ok);
    QCOMPARE(memory, "hello world");
}

void TestHttpClient::selfSignedCertificateIsRefused() {
    const auto http = client(false);
    QByteArray memory;
    const int before = https_->requests().size();
    const HttpOutcome done = http->get((https_->base() + "/ok").toStdString(), memory);
    QVERIFY(!done.ok);
    QCOMPARE(done.code, 404);
    QVERIFY2(QString::fromStdString(done.message).startsWith("Certificate not accepted: "),
             done.message.c_str());
    QVERIFY2(QString::fromStdString(done.message).contains("self signed", Qt::CaseInsensitive) ||
                 QString::fromStdString(done.message).contains("self-signed", Qt::CaseInsensitive),
             done.message.c_str());
    QVERIFY(memory.isEmpty());
    QCOMPARE(https_->requests().size(), before); // nothing was sent
}

void TestHttpClient::timeOuts() {
    const auto http = client();
    http->limits().idleTimeoutMs = 300;
    QByteArray memory;
    HttpOutcome done = http->get((http_->base() + "/stall").toStdString(), memory);
    QCOMPARE(Text(done.message), "No data received for 0.3 seconds");
    QCOMPARE(memory, "part");
    done = http->get((https_->base() + "/silent").toStdString(), memory);
    QCOMPARE(Text(done.message), "No data received for 0.3 seconds");

    // A plain server behind an https address never completes the handshake.
    http->limits().connectTimeoutMs = 300;
    LocalHttpServer plain;
    QString address = plain.base();
    address.replace("http://", "https://");
    done = http->get((address + "/ok").toStdString(), memory);
    QCOMPARE(done.code, 404);
    QCOMPARE(Text(done.message), "can't connect: no connection within 0.3 seconds");

    http->limits().maxBody = 5;
    done = http->get((http_->base() + "/ok").toStdString(), memory);
    QCOMPARE(Text(done.message), "Document larger than 5 bytes");
}

void TestHttpClient::abortAndBusy() {
    const auto http = client();
    HttpOutcome nested;
    qint64 chunks = 0;
    connect(http.get(), &THttpCli::docData, this, [&] {
        if (++chunks == 1) {
            QByteArray ignored;
            nested = http->get((http_->base() + "/ok").toStdString(), ignored);
        } else if (chunks == 2) {
            http->abort();
        }
    });
    QByteArray memory;
    const HttpOutcome done = http->get((https_->base() + "/slow").toStdString(), memory);
    QCOMPARE(Text(nested.message), "HTTP component is busy");
    QCOMPARE(done.code, 404);
    QCOMPARE(Text(done.message), "Connection aborted on request");
    QCOMPARE(chunks, 2);
    QVERIFY(memory.size() < 100 * 1000);

    // Abort from a timer while nothing arrives, as the Abort button does.
    QTimer::singleShot(100, http.get(), [&] { http->abort(); });
    const HttpOutcome stalled = http->get((http_->base() + "/silent").toStdString(), memory);
    QCOMPARE(Text(stalled.message), "Connection aborted on request");
    QVERIFY(http->get((http_->base() + "/ok").toStdString(), memory).ok); // usable again
}

void TestHttpClient::failuresBeforeConnecting() {
    const auto http = client();
    QByteArray memory;
    HttpOutcome done = http->get("http://127.0.0.1:99999/x", memory);
    QCOMPARE(Text(done.message), "Invalid address: http://127.0.0.1:99999/x");

    LocalHttpServer closed;
    const quint16 port = closed.serverPort();
    closed.close(); // nothing listens there now
    done = http->get("http://127.0.0.1:" + std::to_string(port) + "/x", memory);
    QCOMPARE(done.code, 404);
    QVERIFY2(QString::fromStdString(done.message).startsWith("can't connect: Connection refused"),
             done.message.c_str());
    QVERIFY(QString::fromStdString(done.message).endsWith(" (Error #0)"));
    // An unknown host name is not tried: its lookup would leave this machine.
}

QTEST_MAIN(TestHttpClient)
#include "tst_http_client.moc"
