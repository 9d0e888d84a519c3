#pragma once
// Owns a POSIX file descriptor: closes it when it goes out of scope, or now
// with the error a late write-back brings.

#include <cerrno>
#include <unistd.h>

namespace qw {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    // 0, or the errno of a failed close.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

} // namespace qw
