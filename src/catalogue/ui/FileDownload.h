#pragma once
// One file from a server into the save folder: the body goes into a
// temporary file beside the target and becomes the target only once it is
// complete, so a failed or aborted transfer leaves neither a partial file
// under the final name nor the temporary file, and an existing file is
// replaced only by a whole new one. Names that would leave the folder are
// refused before anything is written.
//
//   FileDownload download(http);
//   connect(&download, &FileDownload::progress, ...);   // at most every 100 ms
//   TransferOutcome done = download.fetch(address, "/home/me/books/", "12345-8.txt");

#include "catalogue/ui/THttpCli.h"

#include <QElapsedTimer>
#include <QObject>

#include <string>

namespace qw {

struct TransferOutcome {
    enum class Kind { Done, Aborted, Failed };
    Kind kind = Kind::Failed;
    std::string message; // why it failed, for the user
    bool ok() const { return kind == Kind::Done; }
};

class FileDownload : public QObject {
    Q_OBJECT
  public:
    static constexpr int kProgressIntervalMs = 100;

    explicit FileDownload(THttpCli& http, QObject* parent = nullptr);

    // folder ends with "/". The target folder/name is written only when the
    // whole body arrived.
    TransferOutcome fetch(const std::string& address, const std::string& folder,
                          const std::string& name);

  signals:
    // Bytes received so far and the announced length (-1: unknown).
    void progress(qint64 received, qint64 announced);

  private:
    void bodyData();

    THttpCli& http_;
    QElapsedTimer lastProgress_;
    bool active_ = false;
};

} // namespace qw
