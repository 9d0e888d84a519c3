#include "settings/file_stamp.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace qw {

namespace {

FileStamp FromStat(const struct stat& info) {
    FileStamp s;
    s.exists = true;
    s.device = static_cast<std::uint64_t>(info.st_dev);
    s.inode = static_cast<std::uint64_t>(info.st_ino);
    s.size = static_cast<std::int64_t>(info.st_size);
    s.mtimeSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
    s.mtimeNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
    return s;
}

} // namespace

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return FromStat(info);
}

std::uint64_t ContentHash(std::string_view bytes) {
    return static_cast<std::uint64_t>(std::hash<std::string_view>{}(bytes));
}

StampedContent ReadStampedFile(const std::string& path, std::uintmax_t maxSize) {
    StampedContent result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            result.missing = true;
        else
            result.error = std::strerror(errno);
        return result;
    }
    // The stamp and the bytes come from the same open file, so a rewrite in
    // between cannot pair one file's stamp with another's content.
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.error = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.error = "not a regular file";
    } else if (static_cast<std::uintmax_t>(info.st_size) > maxSize) {
        result.error = "the file is too large";
    } else {
        result.stamp = FromStat(info);
        result.bytes.reserve(static_cast<size_t>(info.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                result.error = "read error";
                break;
            }
            if (n == 0)
                break;
            result.bytes.append(buffer, static_cast<size_t>(n));
            if (result.bytes.size() > maxSize) {
                result.error = "the file is too large";
                break;
            }
        }
    }
    ::close(fd);
    if (!result.error.empty())
        result.bytes.clear();
    return result;
}

} // namespace qw
