#include "catalogue/ui/THttpCli.h"

#include <QByteArray>
#include <QEventLoop>
#include <QIODevice>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

namespace qw {

THttpCli::THttpCli(QObject* parent) : QObject(parent) {
    connectTimer_.setSingleShot(true);
    idleTimer_.setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this,
            [this] { fail(http_failure::ConnectTimeout(limits_.connectTimeoutMs)); });
    connect(&idleTimer_, &QTimer::timeout, this,
            [this] { fail(http_failure::IdleTimeout(limits_.idleTimeoutMs)); });
}

THttpCli::~THttpCli() {
    abort();
    dropSocket();
}

HttpOutcome THttpCli::get(const std::string& address, const HttpBodySink& sink) {
    return run(HttpMethod::Get, address, sink);
}

HttpOutcome THttpCli::get(const std::string& address, QIODevice& stream) {
    return run(HttpMethod::Get, address, [&stream](std::string_view chunk) {
        return stream.write(chunk.data(), static_cast<qint64>(chunk.size())) ==
               static_cast<qint64>(chunk.size());
    });
}

HttpOutcome THttpCli::get(const std::string& address, QByteArray& memory) {
    return run(HttpMethod::Get, address, [&memory](std::string_view chunk) {
        memory.append(chunk.data(), static_cast<qsizetype>(chunk.size()));
        return true;
    });
}

HttpOutcome THttpCli::head(const std::string& address) {
    return run(HttpMethod::Head, address, nullptr);
}

HttpOutcome THttpCli::run(HttpMethod method, const std::string& address, const HttpBodySink& sink) {
    if (busy())
        return {false, 0, http_failure::kBusy};
    ++request_;
    transfer_ = std::make_unique<HttpTransfer>(options_, limits_);
    sink_ = sink;
    if (transfer_->start(method, address, results_)) {
        state_ = State::NotConnected;
        openConnection();
        QEventLoop loop;
        loop_ = &loop;
        if (busy())
            loop.exec();
        loop_ = nullptr;
    }
    sink_ = nullptr;
    if (results_.status >= 400)
        return {false, results_.status, results_.statusText};
    return {true, results_.status, {}};
}

void THttpCli::openConnection() {
    dropSocket();
    sslErrors_.clear();
    const QString host = QString::fromStdString(transfer_->connectHost());
    const auto port = static_cast<quint16>(transfer_->connectPort());
    QSslSocket* ssl = nullptr;
    if (transfer_->secure()) {
        ssl = new QSslSocket(this);
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setPeerVerifyMode(QSslSocket::VerifyPeer);
        if (!extraCa_.isEmpty())
            config.addCaCertificates(extraCa_);
        ssl->setSslConfiguration(config);
        connect(ssl, &QSslSocket::encrypted, this, &THttpCli::sendRequest);
        connect(ssl, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
            for (const QSslError& e : errors)
                sslErrors_ += (sslErrors_.isEmpty() ? "" : "; ") + e.errorString();
        });
        socket_ = ssl;
    } else {
        socket_ = new QTcpSocket(this);
        connect(socket_, &QTcpSocket::connected, this, &THttpCli::sendRequest);
    }
    connect(socket_, &QAbstractSocket::stateChanged, this, [this](QAbstractSocket::SocketState s) {
        if (s == QAbstractSocket::HostLookupState)
            state_ = State::NameLookup;
        else if (s == QAbstractSocket::ConnectingState)
            state_ = State::LookupDone;
        else if (s == QAbstractSocket::ConnectedState && state_ == State::LookupDone)
            state_ = State::Connected;
    });
    connect(socket_, &QIODevice::readyRead, this, &THttpCli::readAnswer);
    connect(socket_, &QAbstractSocket::disconnected, this, &THttpCli::serverClosed);
    connect(socket_, &QAbstractSocket::errorOccurred, this, &THttpCli::socketFailed);

    connectTimer_.start(limits_.connectTimeoutMs);
    if (ssl)
        ssl->connectToHostEncrypted(host, port);
    else
        socket_->connectToHost(host, port);
}

void THttpCli::sendRequest() {
    connectTimer_.stop();
    state_ = State::WaitingHeader;
    socket_->write(QByteArray::fromStdString(transfer_->request()));
    idleTimer_.start(limits_.idleTimeoutMs);
}

void THttpCli::readAnswer() {
    if (!busy() || state_ == State::Aborting || !socket_)
        return;
    idleTimer_.start(limits_.idleTimeoutMs);
    const unsigned request = request_;
    const HttpBodySink sink = [this](std::string_view chunk) {
        state_ = State::WaitingBody;
        if (sink_ && !sink_(chunk))
            return false;
        emit docData(static_cast<qint64>(chunk.size()));
        return true;
    };
    while (socket_ && socket_->bytesAvailable() > 0) {
        const QByteArray bytes = socket_->read(64 * 1024);
        const HttpTransfer::Step step =
            transfer_->receive(std::string_view(bytes.constData(), bytes.size()), results_, sink);
        if (request != request_ || !busy())
            return; // a docData receiver aborted the request
        if (step != HttpTransfer::Step::More) {
            handle(step);
            return;
        }
    }
}

void THttpCli::handle(HttpTransfer::Step step) {
    switch (step) {
    case HttpTransfer::Step::More:
        return;
    case HttpTransfer::Step::Redirect:
        if (transfer_->followRedirect(results_)) {
            state_ = State::NotConnected;
            openConnection();
            return;
        }
        finish();
        return;
    case HttpTransfer::Step::Done:
    case HttpTransfer::Step::Failed:
        finish();
        return;
    }
}

void THttpCli::serverClosed() {
    if (!busy() || sender() != socket_)
        return;
    readAnswer(); // what arrived with the close
    if (!busy())
        return;
    if (state_ == State::WaitingHeader || state_ == State::WaitingBody)
        handle(transfer_->closed(results_));
    else
        fail(http_failure::CantConnect("The remote host closed the connection", 1));
}

void THttpCli::socketFailed() {
    if (!busy() || sender() != socket_)
        return;
    const QAbstractSocket::SocketError error = socket_->error();
    if (error == QAbstractSocket::RemoteHostClosedError)
        return serverClosed();
    const std::string text = socket_->errorString().toStdString();
    const int number = static_cast<int>(error);
    if (error == QAbstractSocket::HostNotFoundError)
        fail(http_failure::kCantResolve);
    else if (!sslErrors_.isEmpty())
        fail(http_failure::Certificate(sslErrors_.toStdString()));
    else if (state_ == State::WaitingHeader || state_ == State::WaitingBody)
        fail(http_failure::SocketError(text, number));
    else
        fail(http_failure::CantConnect(text, number));
}

void THttpCli::fail(const std::string& text) {
    if (!busy())
        return;
    results_.status = 404;
    results_.statusText = text;
    finish();
}

void THttpCli::abort() {
    if (!busy()) {
        dropSocket();
        return;
    }
    state_ = State::Aborting;
    results_.status = 404;
    results_.statusText = http_failure::kAborted;
    finish();
}

void THttpCli::finish() {
    connectTimer_.stop();
    idleTimer_.stop();
    dropSocket();
    state_ = State::Ready;
    if (loop_)
        loop_->quit();
}

void THttpCli::dropSocket() {
    if (!socket_)
        return;
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
}

} // namespace qw
