#pragma once
// An HTTP and HTTPS server on 127.0.0.1 inside the test, answering by path,
// with the misbehaviours a client must survive:
//   /ok /head            "hello world" with Content-Length
//   /404 /500            errors with reason phrases and a body
//   /chain/N             N redirections, then /ok   (/abs/N: absolute Locations)
//   /loop                redirects to itself for ever
//   /truncated           announces 1000 bytes, sends 10 and closes
//   /toolong             announces 5 bytes and sends 10
//   /nolength            a body without Content-Length, ended by closing
//   /split               the whole answer one byte at a time
//   /bigheader           a 10 MB header block
//   /stall               the header and part of the body, then nothing
//   /silent              never answers
//   /reset               part of the body, then a TCP reset
//   /slow                100 pieces of 1000 bytes, one every 10 ms
//   any path of files()  that body, with Content-Length and Last-Modified
// HTTPS needs a certificate and key (PEM) for 127.0.0.1.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace qw::test {

class LocalHttpServer : public QTcpServer {
  public:
    // Plain HTTP, or HTTPS with the certificate and key.
    LocalHttpServer() { listen(QHostAddress::LocalHost, 0); }
    LocalHttpServer(QSslCertificate certificate, QSslKey key)
        : certificate_(std::move(certificate)), key_(std::move(key)) {
        listen(QHostAddress::LocalHost, 0);
    }

    QString base() const {
        return QStringLiteral("%1://127.0.0.1:%2")
            .arg(certificate_.isNull() ? "http" : "https")
            .arg(serverPort());
    }
    // The request lines received, in order ("GET /ok HTTP/1.0").
    const QList<QByteArray>& requests() const { return requests_; }
    const QList<QByteArray>& headers() const { return headers_; }
    // Documents served by path ("/dirs/1/2/12/12-8.txt"); HEAD answers without body.
    QMap<QByteArray, QByteArray>& files() { return files_; }
    // Paths of files() sent 1000 bytes every 10 ms.
    QList<QByteArray>& slowFiles() { return slow_; }

  protected:
    void incomingConnection(qintptr descriptor) override {
        QTcpSocket* socket;
        if (certificate_.isNull()) {
            socket = new QTcpSocket(this);
            socket->setSocketDescriptor(descriptor);
        } else {
            auto* ssl = new QSslSocket(this);
            ssl->setSocketDescriptor(descriptor);
            ssl->setLocalCertificate(certificate_);
            ssl->setPrivateKey(key_);
            ssl->startServerEncryption();
            socket = ssl;
        }
        auto* received = new QByteArray;
        connect(socket, &QObject::destroyed, [received] { delete received; });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QIODevice::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const qsizetype end = received->indexOf("\r\n\r\n");
            if (end < 0 || received->isEmpty())
                return;
            headers_.append(received->left(end));
            const QByteArray line = received->left(received->indexOf("\r\n"));
            received->clear();
            requests_.append(line);
            answer(socket, line.split(' ').value(0), line.split(' ').value(1));
        });
    }

  private:
    static QByteArray Answer(const QByteArray& status, const QByteArray& body,
                             const QByteArray& extra = {}) {
        return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\n" + extra +
               "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }

    void send(QTcpSocket* socket, const QByteArray& bytes, bool close = true) {
        socket->write(bytes);
        if (close)
            socket->disconnectFromHost();
    }

    void answer(QTcpSocket* socket, const QByteArray& method, const QByteArray& path) {
        const QByteArray hello = "hello world";
        if (files_.contains(path)) {
            QByteArray a =
                Answer("200 OK", files_[path], "Last-Modified: Sat, 01 Jan 2005 10:00:00 GMT\r\n");
            if (method == "HEAD")
                a.chop(files_[path].size());
            if (slow_.contains(path) && method != "HEAD")
                drip(socket, a, 1000, 10);
            else
                send(socket, a);
        } else if (path == "/ok" || path == "/head") {
            QByteArray a = Answer("200 OK", hello, "Accept-Ranges: bytes\r\n");
            if (method == "HEAD")
                a.chop(hello.size());
            send(socket, a);
        } else if (path == "/404") {
            send(socket, Answer("404 Not Found", "no such file"));
        } else if (path == "/500") {
            send(socket, Answer("500 Internal Server Error", "broken"));
        } else if (path.startsWith("/chain/") || path.startsWith("/abs/")) {
            const int n = path.mid(path.lastIndexOf('/') + 1).toInt();
            const QByteArray prefix = path.left(path.lastIndexOf('/') + 1);
            QByteArray next = n <= 1 ? "/ok" : prefix + QByteArray::number(n - 1);
            if (path.startsWith("/abs/"))
                next = base().toUtf8() + next;
            send(socket, Answer("302 Found", "moved", "Location: " + next + "\r\n"));
        } else if (path == "/loop") {
            send(socket, Answer("301 Moved Permanently", "", "Location: /loop\r\n"));
        } else if (path == "/truncated") {
            send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n0123456789");
        } else if (path == "/toolong") {
            send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\n0123456789");
        } else if (path == "/nolength") {
            send(socket, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nno length here");
        } else if (path == "/split") {
            drip(socket, Answer("200 OK", hello, "X-Split: one byte at a time\r\n"), 1, 0);
        } else if (path == "/bigheader") {
            QByteArray big = "HTTP/1.0 200 OK\r\n";
            const QByteArray line = "X-Big: " + QByteArray(90, 'b') + "\r\n";
            while (big.size() < 10 * 1024 * 1024)
                big += line;
            send(socket, big + "\r\nbody");
        } else if (path == "/stall") {
            send(socket, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\npart", false);
        } else if (path == "/silent") {
        } else if (path == "/reset") {
            socket->write("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n0123456789");
            socket->flush();
            QTimer::singleShot(50, socket, [socket] {
                const linger hard{1, 0}; // closing then sends a reset, not a FIN
                ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                             &hard, sizeof hard);
                socket->abort();
                socket->deleteLater();
            });
        } else if (path == "/slow") {
            drip(socket, Answer("200 OK", QByteArray(100 * 1000, 's')), 1000, 10);
        } else {
            send(socket, Answer("400 Bad Request", "?"));
        }
    }

    // Writes the bytes `piece` at a time, one piece every `ms` milliseconds.
    void drip(QTcpSocket* socket, const QByteArray& bytes, int piece, int ms) {
        auto* timer = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        connect(timer, &QTimer::timeout, socket, [socket, timer, bytes, piece, sent] {
            if (socket->state() != QAbstractSocket::ConnectedState)
                return timer->stop();
            socket->write(bytes.mid(*sent, piece));
            socket->flush();
            *sent += piece;
            if (*sent >= bytes.size()) {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(ms);
    }

    QSslCertificate certificate_;
    QSslKey key_;
    QList<QByteArray> requests_, headers_;
    QMap<QByteArray, QByteArray> files_;
    QList<QByteArray> slow_;
};

} // namespace qw::test
