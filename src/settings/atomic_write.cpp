#include "settings/atomic_write.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace qw {

namespace {

std::string Failure(const std::string& path, int error) {
    return "Cannot write the configuration file " + path + ": " + std::strerror(error) + ".";
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes everything or reports the error number.
int WriteAll(int fd, std::string_view bytes, const WriteFaults* faults) {
    size_t done = 0;
    while (done < bytes.size()) {
        size_t chunk = bytes.size() - done;
        if (faults && faults->failAfterBytes >= 0) {
            const auto limit = static_cast<size_t>(faults->failAfterBytes);
            if (done >= limit)
                return ENOSPC;
            chunk = std::min(chunk, limit - done);
        }
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

} // namespace

std::string WriteTarget(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        const auto resolved = std::filesystem::canonical(path, ec);
        if (!ec)
            return resolved.string();
    }
    return path;
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes,
                                const WriteFaults* faults) {
    // A link stays a link: the file it points to is replaced.
    const std::string target = WriteTarget(path);

    // The user's read-only flag is respected even where the rename would be
    // allowed (a writable folder, or running as the superuser).
    mode_t mode = 0644;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            return Failure(path, EISDIR);
        if ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return Failure(path, EACCES);
        mode = existing.st_mode & 07777;
    }

    std::string temp = FolderOf(target) + "/.Quirewell.ini.XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failure(path, errno);

    int error = WriteAll(fd, bytes, faults);
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && faults && faults->beforeRename)
        faults->beforeRename();
    if (error == 0 && faults && faults->failRename)
        error = EIO;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return Failure(path, error);
    }

    // The folder is not flushed after the rename: a power loss right after
    // it may bring back the previous file, whole, and page turns stay cheap.
    return {};
}

} // namespace qw
