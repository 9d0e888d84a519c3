#pragma once
// The program's HTTP/1.0 client over Qt sockets ("https://" addresses over
// TLS with the certificates checked). GET and HEAD are synchronous for the
// caller: they run a local event loop until the request has ended, so the
// windows, their Abort buttons and progress displays stay alive meanwhile.
//
//   THttpCli http;
//   QFile file(...); file.open(QIODevice::WriteOnly);
//   HttpOutcome done = http.get("https://www.gutenberg.org/dirs/GUTINDEX.zip", file);
//   if (!done.ok) show(done.message);

#include "catalogue/http_transfer.h"

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QTimer>

#include <memory>
#include <string>

class QByteArray;
class QEventLoop;
class QIODevice;
class QTcpSocket;

namespace qw {

struct HttpOutcome {
    bool ok = false;
    int code = 0;        // the status; 404 for the client's own failures
    std::string message; // the status text when not ok
};

class THttpCli : public QObject {
    Q_OBJECT
  public:
    // The request states; busy whenever not Ready.
    enum class State {
        Ready,
        NotConnected,
        Connected,
        NameLookup,
        LookupDone,
        WaitingHeader,
        WaitingBody,
        Aborting
    };

    explicit THttpCli(QObject* parent = nullptr);
    ~THttpCli() override;

    HttpRequestOptions& options() { return options_; }
    HttpLimits& limits() { return limits_; }
    // Certificates trusted besides the system's (a test's own authority).
    void addCaCertificates(const QList<QSslCertificate>& certificates) { extraCa_ += certificates; }

    [[nodiscard]] HttpOutcome get(const std::string& address, const HttpBodySink& sink);
    [[nodiscard]] HttpOutcome get(const std::string& address, QIODevice& stream);
    [[nodiscard]] HttpOutcome get(const std::string& address, QByteArray& memory);
    [[nodiscard]] HttpOutcome head(const std::string& address);
    // Ends a running request with "Connection aborted on request".
    void abort();

    bool busy() const { return state_ != State::Ready; }
    State state() const { return state_; }
    // Of the running or the last request.
    const HttpResults& results() const { return results_; }
    std::string documentName() const { return transfer_ ? transfer_->documentName() : ""; }

  signals:
    // A chunk of the body was stored and counted in results().receivedCount.
    void docData(qint64 length);

  private:
    HttpOutcome run(HttpMethod method, const std::string& address, const HttpBodySink& sink);
    void openConnection();
    void sendRequest();
    void readAnswer();
    void serverClosed();
    void socketFailed();
    void handle(HttpTransfer::Step step);
    void fail(const std::string& text);
    void finish();
    void dropSocket();

    HttpRequestOptions options_;
    HttpLimits limits_;
    QList<QSslCertificate> extraCa_;
    std::unique_ptr<HttpTransfer> transfer_;
    HttpResults results_;
    HttpBodySink sink_;
    State state_ = State::Ready;
    QTcpSocket* socket_ = nullptr; // owned; deleted later, as it may be signalling
    QString sslErrors_;
    QTimer connectTimer_, idleTimer_;
    QEventLoop* loop_ = nullptr;
    unsigned request_ = 0; // tells a request that ended from the next one
};

} // namespace qw
