#pragma once
// An advisory lock on a lock file, held while one running copy of the program
// reads, merges and rewrites the configuration file, so that two copies never
// interleave their writes. The lock file itself stays; only the lock goes.

#include <chrono>
#include <string>

namespace qw {

class FileLock {
  public:
    // Takes the exclusive lock on the file at path (created when missing),
    // waiting at most timeout for a copy that holds it. Never throws; see
    // held() and error().
    FileLock(const std::string& path, std::chrono::milliseconds timeout);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return held_; }
    // Why the lock is not held; empty when it is.
    const std::string& error() const { return error_; }

  private:
    int fd_ = -1;
    bool held_ = false;
    std::string error_;
};

} // namespace qw
