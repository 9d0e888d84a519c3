#pragma once
// The runs of the download list: "Start download" (look each title up, ask
// before overwriting, transfer it into the save folder) and the lookup of all
// titles. Both keep processing window events, so Abort works meanwhile; the
// page cache of the server lives as long as this object.
//
//   DownloadRun run(http, dialogs, bases);
//   connect(&run, &DownloadRun::statusText, ...);          // the three status panels
//   run.download(entries, "/home/me/books/");
//   run.abortCurrent(); run.abortAll();                 // from the Abort button

#include "catalogue/availability.h"
#include "catalogue/ui/FileDownload.h"

#include <QObject>

#include <map>
#include <string>
#include <vector>

namespace qw {

class Dialogs;

namespace run_text {
constexpr const char* kNotFound = "Some files could not be found - check available file types";
constexpr const char* kAborted = "Aborted";
constexpr const char* kDone = "Done";
constexpr const char* kIndexDone = "Done.";
constexpr const char* kDownloadingIndex = "Downloading...";
} // namespace run_text

class DownloadRun : public QObject, private ServerPages {
    Q_OBJECT
  public:
    DownloadRun(THttpCli& http, Dialogs& dialogs, ServerBases bases, QObject* parent = nullptr);

    const ServerBases& bases() const { return bases_; }
    bool running() const { return running_; }
    bool abortRequested() const { return abortCurrent_; }

    // Looks up, asks, transfers every entry into folder (ending with "/").
    void download(std::vector<DownloadEntry>& entries, const std::string& folder);
    // Looks up every entry.
    void lookUpAll(std::vector<DownloadEntry>& entries);
    // Fetches GUTINDEX.ALL (as the archive GUTINDEX.zip) and GUTINDEX.AUS
    // from the primary server into configDir (ending with "/"). Each index
    // is replaced only by a complete new one; a failure keeps the old.
    void refreshIndex(const std::string& configDir, bool usa, bool australian);
    // Fetches address into folder/name as one transfer of a run; false
    // after a failure (shown, the run ends) or an abort.
    bool transfer(const std::string& address, const std::string& folder, const std::string& name);

    // Stops the current transfer or lookup; the run goes on with the next title.
    void abortCurrent();
    // Stops the current transfer and ends the run.
    void abortAll();

    // Pages fetched so far (each once).
    size_t cachedPages() const { return cache_.size(); }

  signals:
    void statusText(int panel, const QString& text);
    void entryChanged(int index);
    void runningChanged(bool running);

  private:
    std::string page(const std::string& address) override;
    std::vector<std::string> head(const std::string& address) override;
    void status(const std::string& text) override;

    void begin();
    void end(const char* doneText = run_text::kDone);
    bool lookUp(std::vector<DownloadEntry>& entries, size_t i, std::string& name);

    THttpCli& http_;
    Dialogs& dialogs_;
    ServerBases bases_;
    FileDownload file_;
    std::map<std::string, std::string> cache_;
    bool running_ = false;
    bool abortCurrent_ = false, abortAll_ = false, notFound_ = false;
};

} // namespace qw
