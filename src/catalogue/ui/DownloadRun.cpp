#include "catalogue/ui/DownloadRun.h"

#include "catalogue/download_entry.h"
#include "catalogue/index_install.h"
#include "controls/dialogs.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace qw {

namespace {
QString u(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

DownloadRun::DownloadRun(THttpCli& http, Dialogs& dialogs, ServerBases bases, QObject* parent)
    : QObject(parent), http_(http), dialogs_(dialogs), bases_(std::move(bases)), file_(http) {
    connect(&file_, &FileDownload::progress, this, [this](qint64 received, qint64 announced) {
        emit statusText(2, u(ProgressText(received, announced)));
    });
}

std::string DownloadRun::page(const std::string& address) {
    if (const auto hit = cache_.find(address); hit != cache_.end())
        return hit->second;
    emit statusText(1, u(address));
    QByteArray body;
    std::string text;
    if (http_.get(address, body).ok) {
        text = body.toStdString();
        std::string joined;
        joined.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            else
                joined += text[i];
        }
        text = std::move(joined);
        if (!text.empty() && !abortCurrent_)
            cache_.emplace(address, text);
    }
    emit statusText(1, {});
    emit statusText(2, {});
    return text;
}

std::vector<std::string> DownloadRun::head(const std::string& address) {
    if (abortCurrent_ || !http_.head(address).ok)
        return {};
    return http_.results().receivedHeaders;
}

void DownloadRun::status(const std::string& text) {
    emit statusText(1, u(text));
}

void DownloadRun::begin() {
    abortCurrent_ = abortAll_ = notFound_ = false;
    running_ = true;
    emit runningChanged(true);
}

void DownloadRun::end(const char* doneText) {
    emit statusText(0, QLatin1String(abortCurrent_ ? run_text::kAborted : doneText));
    emit statusText(1, {});
    emit statusText(2, {});
    running_ = false;
    emit runningChanged(false);
    if (notFound_)
        dialogs_.information(run_text::kNotFound);
}

void DownloadRun::abortCurrent() {
    abortCurrent_ = true;
    http_.abort();
}

void DownloadRun::abortAll() {
    abortAll_ = true;
    abortCurrent();
}

bool DownloadRun::lookUp(std::vector<DownloadEntry>& entries, size_t i, std::string& name) {
    const LookupResult found = LookUpTitle(entries[i], *this, bases_);
    name = found.name;
    emit entryChanged(static_cast<int>(i));
    QCoreApplication::processEvents();
    emit statusText(2, {});
    if (!found.error.empty()) {
        if (!abortCurrent_ && !abortAll_)
            dialogs_.error("Error looking up files:\r\n" + found.error);
        if (!abortCurrent_ || abortAll_)
            return false;
    }
    if (name.empty())
        notFound_ = true;
    return true;
}

void DownloadRun::lookUpAll(std::vector<DownloadEntry>& entries) {
    if (entries.empty() || running_)
        return;
    begin();
    for (size_t i = 0; i < entries.size(); ++i) {
        abortCurrent_ = false;
        emit statusText(0, QStringLiteral("Checking %1/%2").arg(i + 1).arg(entries.size()));
        std::string name;
        if (!lookUp(entries, i, name) || abortAll_)
            break;
    }
    end();
}

bool DownloadRun::transfer(const std::string& address, const std::string& folder,
                           const std::string& name) {
    const TransferOutcome done = file_.fetch(address, folder, name);
    if (done.ok())
        return true;
    if (!abortCurrent_) {
        dialogs_.error("Error downloading file " + address + ":\r\n" + done.message);
        abortCurrent_ = abortAll_ = true;
    }
    return false;
}

void DownloadRun::download(std::vector<DownloadEntry>& entries, const std::string& folder) {
    if (entries.empty() || running_)
        return;
    begin();
    bool overwriteAll = false;
    const size_t n = entries.size();
    for (size_t i = 0; i < n; ++i) {
        abortCurrent_ = false;
        emit statusText(0, QStringLiteral("Searching %1/%2").arg(i + 1).arg(n));
        std::string name;
        if (!lookUp(entries, i, name))
            break;
        if (name.empty()) {
            if (abortAll_)
                break;
            continue;
        }
        if (QFileInfo::exists(u(folder + name)) && !overwriteAll) {
            const Choice answer = dialogs_.askChoice(
                "File " + name + " already exists in " + folder + "\r\nOverwrite?",
                {Choice::Yes, Choice::No, Choice::Abort, Choice::All});
            if (answer == Choice::Abort) {
                abortCurrent_ = true;
                break;
            }
            if (answer == Choice::No) {
                entries[i].status = download_status::kDownloaded;
                emit entryChanged(static_cast<int>(i));
                continue;
            }
            overwriteAll = answer == Choice::All;
        }
        emit statusText(0, QStringLiteral("Downloading %1/%2").arg(i + 1).arg(n));
        emit statusText(1, u(entries[i].directory + name));
        if (transfer(entries[i].directory + name, folder, name)) {
            entries[i].status = download_status::kDownloaded;
            emit statusText(1, {});
            emit statusText(2, {});
            emit entryChanged(static_cast<int>(i));
        } else if (abortAll_) {
            break;
        }
        QCoreApplication::processEvents();
    }
    end();
}

void DownloadRun::refreshIndex(const std::string& configDir, bool usa, bool australian) {
    if (running_ || (!usa && !australian))
        return;
    begin();
    auto fetch = [&](const char* path, const char* name) {
        const std::string address = bases_.primary + path;
        emit statusText(0, QLatin1String(run_text::kDownloadingIndex));
        emit statusText(1, u(address));
        return transfer(address, configDir, name);
    };
    if (usa && fetch(index_files::kZipPath, index_files::kZip)) {
        const std::string error =
            InstallIndexArchive(configDir + index_files::kZip, configDir + index_files::kAll);
        if (!error.empty())
            dialogs_.error(error);
    }
    QCoreApplication::processEvents();
    abortCurrent_ = false;
    if (australian && !abortAll_)
        fetch(index_files::kAustralianPath, index_files::kAustralian);
    abortCurrent_ = false; // the index is read again in every case: "Done."
    end(run_text::kIndexDone);
}

} // namespace qw
