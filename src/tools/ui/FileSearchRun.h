#pragma once
// One search of find in files on a thread of its own, so that the window
// stays responsive however large a file is. What the search finds reaches
// the window as signals on the window's thread; cancelling is a flag the
// search tests between files, steps and slices of a text.

#include "tools/file_search.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace qw {

class FileSearchRun : public QObject {
    Q_OBJECT
  public:
    // `beforeFile` (may be empty) runs on the search's thread before file
    // `index` is read; tests hold a search there.
    FileSearchRun(FileSearchRequest request, std::function<void(int index)> beforeFile,
                  QObject* parent);
    // Cancels the search and waits for its thread.
    ~FileSearchRun() override;

    void start();
    void cancel() { cancelled_->store(true); }

  signals:
    void listed(int count);
    void searching(int index, int count, const QString& path, const QString& entry);
    void found(const QString& path, const QString& entry);
    void finished(qw::FileSearchEnd end);

  private:
    void run();

    FileSearchRequest request_;
    std::function<void(int)> beforeFile_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    std::thread thread_;
};

} // namespace qw
