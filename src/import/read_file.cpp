#include "import/read_file.h"

#include "import/file_descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qw {

namespace {

FileBytes failure(const std::string& path) {
    return {{}, "Cannot open file " + path + "!"};
}

FileBytes tooLarge(const std::string& path, std::uint64_t limit) {
    return {{},
            "Cannot open file " + path + "!\rIt is larger than " +
                std::to_string(limit / (1024 * 1024)) + " MB, the largest book Quirewell reads."};
}

} // namespace

FileBytes ReadWholeFile(const std::string& path, std::uint64_t limit) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return failure(path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || S_ISDIR(info.st_mode))
        return failure(path);
    if (S_ISREG(info.st_mode) && static_cast<std::uint64_t>(info.st_size) > limit)
        return tooLarge(path, limit);

    FileBytes result;
    std::string& bytes = result.bytes;
    // Regular files are read in one go into a buffer of their size; pipes and
    // other streams grow the buffer as they deliver, up to the limit.
    size_t capacity = S_ISREG(info.st_mode) ? static_cast<size_t>(info.st_size) + 1 : 65536;
    bytes.resize(capacity);
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > limit)
                return tooLarge(path, limit);
            bytes.resize(std::min<std::uint64_t>(bytes.size() * 2, limit + 1));
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failure(path);
        }
        if (got == 0)
            break;
        used += static_cast<size_t>(got);
    }
    if (used > limit)
        return tooLarge(path, limit);
    bytes.resize(used);
    return result;
}

} // namespace qw
