#include "catalogue/ui/FileDownload.h"

#include "catalogue/safe_name.h"

#include <QFileInfo>
#include <QSaveFile>

namespace qw {

FileDownload::FileDownload(THttpCli& http, QObject* parent) : QObject(parent), http_(http) {
    connect(&http_, &THttpCli::docData, this, &FileDownload::bodyData);
}

void FileDownload::bodyData() {
    if (!active_)
        return; // another request of the client
    if (lastProgress_.isValid() && lastProgress_.elapsed() < kProgressIntervalMs)
        return; // drawing is slower than receiving
    lastProgress_.start();
    emit progress(http_.results().receivedCount, http_.results().announcedLength);
}

TransferOutcome FileDownload::fetch(const std::string& address, const std::string& folder,
                                    const std::string& name) {
    if (!IsSafeFileName(name))
        return {TransferOutcome::Kind::Failed, "Refused to store a file named \"" + name + "\""};
    const QString target = QString::fromStdString(folder + name);
    // QSaveFile writes a temporary file in the target's folder and renames it
    // over the target on commit; destroyed without commit it removes it.
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (QFileInfo(target).isDir() || !file.open(QIODevice::WriteOnly))
        return {TransferOutcome::Kind::Failed, "Could not create a temporary file for " +
                                                   target.toStdString() + ": " +
                                                   file.errorString().toStdString()};
    lastProgress_.invalidate();
    active_ = true;
    const HttpOutcome got = http_.get(address, file);
    active_ = false;
    if (got.ok) // the last count, whatever the interval; an error page shows none
        emit progress(http_.results().receivedCount, http_.results().announcedLength);
    if (!got.ok) {
        file.cancelWriting();
        const bool aborted = got.message == http_failure::kAborted;
        return {aborted ? TransferOutcome::Kind::Aborted : TransferOutcome::Kind::Failed,
                got.message};
    }
    if (!file.commit())
        return {TransferOutcome::Kind::Failed, "Could not rename temporary file to " +
                                                   target.toStdString() + ": " +
                                                   file.errorString().toStdString()};
    return {TransferOutcome::Kind::Done, {}};
}

} // namespace qw
