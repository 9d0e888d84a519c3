#include "tools/ui/FileSearchRun.h"

#include <QMetaObject>

#include <chrono>

namespace qw {

namespace {

// The file being searched is shown at most this often: thousands of small
// files a second would otherwise flood the window's event queue.
constexpr auto kProgressInterval = std::chrono::milliseconds(25);

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class PostingObserver : public FileSearchObserver {
  public:
    PostingObserver(FileSearchRun& run, const std::atomic<bool>& cancelled,
                    const std::function<void(int)>& beforeFile)
        : run_(run), cancelled_(cancelled), beforeFile_(beforeFile) {}

    bool keepGoing() override { return !cancelled_.load(std::memory_order_relaxed); }
    void listed(int count) override {
        post([count](FileSearchRun& run) { emit run.listed(count); });
    }
    void searching(int index, int count, const FileRef& file) override {
        if (beforeFile_)
            beforeFile_(index);
        const auto now = std::chrono::steady_clock::now();
        if (index > 1 && index < count && now - lastProgress_ < kProgressInterval)
            return;
        lastProgress_ = now;
        const QString path = fromUtf8(file.path);
        const QString entry = fromUtf8(file.entry);
        post([=](FileSearchRun& run) { emit run.searching(index, count, path, entry); });
    }
    void found(const FileRef& file) override {
        const QString path = fromUtf8(file.path);
        const QString entry = fromUtf8(file.entry);
        post([=](FileSearchRun& run) { emit run.found(path, entry); });
    }
    template <typename Emit> void post(Emit emitOnWindowThread) {
        FileSearchRun* run = &run_;
        QMetaObject::invokeMethod(
            run, [run, emitOnWindowThread] { emitOnWindowThread(*run); }, Qt::QueuedConnection);
    }

  private:
    FileSearchRun& run_;
    const std::atomic<bool>& cancelled_;
    const std::function<void(int)>& beforeFile_;
    std::chrono::steady_clock::time_point lastProgress_;
};

} // namespace

FileSearchRun::FileSearchRun(FileSearchRequest request, std::function<void(int)> beforeFile,
                             QObject* parent)
    : QObject(parent), request_(std::move(request)), beforeFile_(std::move(beforeFile)),
      cancelled_(std::make_shared<std::atomic<bool>>(false)) {}

FileSearchRun::~FileSearchRun() {
    cancel();
    if (thread_.joinable())
        thread_.join();
}

void FileSearchRun::start() {
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
}

void FileSearchRun::run() {
    PostingObserver observer(*this, *cancelled_, beforeFile_);
    const FileSearchEnd end = SearchFiles(request_, observer);
    observer.post([end](FileSearchRun& run) { emit run.finished(end); });
}

} // namespace qw
