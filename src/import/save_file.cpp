#include "import/save_file.h"

#include "import/file_descriptor.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qw {

const char* const kSaveFailed = "Error saving this file - (disk full?)";

namespace {

WriteOutcome Failed(const std::string& what, int error) {
    return {false, what + ": " + std::strerror(error)};
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names, following symbolic links (relative ones
// from the link's own folder); the path itself when it is no link. A link
// whose target is missing names that target, which the save then creates.
bool FollowLinks(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer);
        if (n < 0 || static_cast<size_t>(n) >= sizeof buffer)
            return false;
        const std::string next(buffer, static_cast<size_t>(n));
        target = next.front() == '/' ? next : FolderOf(target) + "/" + next;
    }
    errno = ELOOP;
    return false;
}

// Writes everything at the offset, or reports the error number.
int WriteAt(int fd, std::string_view bytes, off_t offset, long failAfter = -1) {
    size_t done = 0;
    while (done < bytes.size()) {
        size_t chunk = bytes.size() - done;
        if (failAfter >= 0) {
            if (done >= static_cast<size_t>(failAfter))
                return ENOSPC;
            chunk = std::min(chunk, static_cast<size_t>(failAfter) - done);
        }
        const ssize_t n =
            ::pwrite(fd, bytes.data() + done, chunk, offset + static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

// A device or a pipe takes the bytes as they come; there is nothing to rename.
WriteOutcome WriteStraight(const std::string& target, std::string_view bytes) {
    FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return Failed("cannot write " + target, errno);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Failed("cannot write " + target, errno);
        }
        done += static_cast<size_t>(n);
    }
    if (const int error = fd.close())
        return Failed("cannot write " + target, error);
    return {true, {}};
}

// Rewrites an existing file in place, keeping its old content to put back.
WriteOutcome WriteInPlace(const std::string& target, std::string_view bytes,
                          const SaveFaults* faults) {
    FileDescriptor fd(::open(target.c_str(), O_RDWR | O_CLOEXEC));
    if (fd.get() < 0)
        return Failed("cannot write " + target, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return Failed("cannot write " + target, errno);
    std::string old(static_cast<size_t>(info.st_size), '\0');
    size_t got = 0;
    while (got < old.size()) {
        const ssize_t n =
            ::pread(fd.get(), old.data() + got, old.size() - got, static_cast<off_t>(got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Failed("cannot read " + target + " before rewriting it", n < 0 ? errno : EIO);
        got += static_cast<size_t>(n);
    }
    // Room for a longer text first: a full disk shows before anything changed.
    if (bytes.size() > old.size()) {
        const int error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(bytes.size()));
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            (void)::ftruncate(fd.get(), static_cast<off_t>(old.size()));
            return Failed("cannot write " + target, error);
        }
    }
    const long failAfter = faults ? faults->failInPlaceAfterBytes : -1;
    int error = WriteAt(fd.get(), bytes, 0, failAfter);
    if (error == 0 && ::ftruncate(fd.get(), static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    if (error != 0) {
        // Put the old content back as well as the disk allows.
        (void)WriteAt(fd.get(), old, 0);
        (void)::ftruncate(fd.get(), static_cast<off_t>(old.size()));
        (void)::fsync(fd.get());
        return Failed("cannot write " + target, error);
    }
    if (const int closeError = fd.close())
        return Failed("cannot write " + target, closeError);
    return {true, {}};
}

// The permissions a new file gets: those of the file it replaces, or the
// usual ones under the process's umask.
mode_t ModeFor(const struct stat* existing) {
    if (existing != nullptr)
        return existing->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool FolderRefusesNewFiles(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

WriteOutcome ReplaceFileContents(const std::string& path, std::string_view bytes,
                                 const SaveFaults* faults) {
    if (path.empty())
        return {false, "no file name"};
    std::string target;
    if (!FollowLinks(path, target))
        return Failed("cannot follow the link " + path, errno);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return {false, path + " is a folder"};
    if (exists && !S_ISREG(info.st_mode))
        return WriteStraight(target, bytes);

    std::string temp = FolderOf(target) + "/.quirewell-save-XXXXXX";
    const int tempFd = faults && faults->tempFileError ? -1 : ::mkstemp(temp.data());
    if (tempFd < 0) {
        const int error = faults && faults->tempFileError ? faults->tempFileError : errno;
        if (exists && FolderRefusesNewFiles(error))
            return WriteInPlace(target, bytes, faults);
        return Failed("cannot create a file in " + FolderOf(target), error);
    }
    FileDescriptor fd(tempFd);
    auto abandon = [&](const std::string& what, int error) {
        ::unlink(temp.c_str());
        return Failed(what, error);
    };
    if (const int error = WriteAt(fd.get(), bytes, 0))
        return abandon("cannot write " + path, error);
    if (::fchmod(fd.get(), ModeFor(exists ? &info : nullptr)) != 0)
        return abandon("cannot set the permissions of " + path, errno);
    if (::fsync(fd.get()) != 0)
        return abandon("cannot write " + path, errno);
    if (const int error = fd.close())
        return abandon("cannot write " + path, error);
    if (std::rename(temp.c_str(), target.c_str()) != 0)
        return abandon("cannot replace " + path, errno);
    return {true, {}};
}

} // namespace qw
