#include "import/palm_doc_writer.h"

#include "import/palm_doc.h"

#include <cerrno>
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

// The permissions a new file gets: those of the file it replaces, or the
// usual ones under the process's umask.
mode_t ModeFor(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

WriteOutcome ReplaceFileContents(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return {false, "no file name"};
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode))
        return {false, path + " is a folder"};

    std::string temp = FolderOf(path) + "/.quirewell-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return Failed("cannot create a file in " + FolderOf(path), errno);
    auto abandon = [&](const std::string& what) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        return Failed(what, error);
    };
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return abandon("cannot write " + path);
        }
        written += static_cast<size_t>(n);
    }
    if (::fchmod(fd, ModeFor(path)) != 0)
        return abandon("cannot set the permissions of " + path);
    if (::fsync(fd) != 0)
        return abandon("cannot write " + path);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failed("cannot write " + path, error);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return Failed("cannot replace " + path, error);
    }
    return {true, {}};
}

WriteOutcome WritePalmDoc(const std::string& path, std::string_view text, std::string_view title) {
    const std::string database = BuildPalmDoc(text, title, PalmDocTimestampNow());
    if (database.empty())
        return {false, "the text is too long for a Palm Doc file"};
    return ReplaceFileContents(path, database);
}

} // namespace qw
