#include "import/zip_archive.h"

#include "import/ignored_files.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace qw {

namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveCloser>;
using EntryHandle = std::unique_ptr<zip_file_t, EntryCloser>;

std::string ErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

// libzip turns the DOS time of every entry into a time_t through mktime(),
// and with TZ unset glibc looks at /etc/localtime again on every call: that
// was two thirds of listing a large archive. Naming the system's zone file
// in TZ gives the same local time and lets glibc read it once. Done on first
// use, before the program's one thread opens an archive.
void PinLocalTimeZone() {
    static const bool pinned = [] {
        if (std::getenv("TZ") == nullptr)
            ::setenv("TZ", ":/etc/localtime", 0);
        ::tzset();
        return true;
    }();
    (void)pinned;
}

ArchiveHandle OpenArchive(const std::string& path, std::string& error) {
    PinLocalTimeZone();
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr)
        error = "Cannot read archive " + path + ": " + ErrorText(code);
    return ArchiveHandle(archive);
}

bool IsFolderName(const char* name) {
    if (name == nullptr || *name == '\0')
        return true;
    const char last = name[std::char_traits<char>::length(name) - 1];
    return last == '/' || last == '\\';
}

std::string MegaBytes(std::uint64_t bytes) {
    return std::to_string(bytes / (1024 * 1024));
}

} // namespace

ArchiveListing ListArchive(const std::string& archivePath, bool hideIgnored,
                           const std::vector<std::string>& ignoredPatterns) {
    ArchiveListing listing;
    ArchiveHandle archive = OpenArchive(archivePath, listing.error);
    if (!archive)
        return listing;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name =
            zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        if (IsFolderName(name))
            continue;
        if (hideIgnored && IsIgnoredFile(name, true, ignoredPatterns))
            continue;
        listing.entries.emplace_back(name);
    }
    return listing;
}

ArchiveEntryBytes ExtractArchiveEntry(const std::string& archivePath, const std::string& entry,
                                      std::uint64_t limit) {
    ArchiveEntryBytes result;
    auto fail = [&](const std::string& reason) {
        result.bytes.clear();
        result.bytes.shrink_to_fit();
        result.error = "Error unzipping file " + entry + " from archive " + archivePath;
        if (!reason.empty())
            result.error += "\r" + reason;
        return std::move(result);
    };

    std::string openError;
    ArchiveHandle archive = OpenArchive(archivePath, openError);
    if (!archive)
        return fail(openError);
    const zip_int64_t index = zip_name_locate(archive.get(), entry.c_str(), ZIP_FL_ENC_GUESS);
    if (index < 0)
        return fail("The archive holds no such file.");
    const auto at = static_cast<zip_uint64_t>(index);

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), at, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return fail("The archive's directory is damaged.");
    if (stat.size > limit)
        return fail("The file is larger than " + MegaBytes(limit) + " MB.");
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE)
        return fail("The file is encrypted.");

    EntryHandle file(zip_fopen_index(archive.get(), at, 0));
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(archive.get()));
        if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD)
            return fail("The file is encrypted.");
        return fail(ErrorText(code));
    }

    // Read one byte more than declared: data that inflates past its stated
    // size is refused as soon as it shows.
    const std::uint64_t declared = stat.size;
    result.bytes.reserve(static_cast<size_t>(std::min<std::uint64_t>(declared, 16u << 20)));
    char chunk[64 * 1024];
    std::uint64_t total = 0;
    while (total <= declared) {
        const std::uint64_t want = std::min<std::uint64_t>(sizeof chunk, declared + 1 - total);
        const zip_int64_t got = zip_fread(file.get(), chunk, want);
        if (got < 0)
            return fail(zip_file_strerror(file.get()));
        if (got == 0)
            break;
        total += static_cast<std::uint64_t>(got);
        if (total > declared)
            return fail("The file's data is larger than the archive states.");
        result.bytes.append(chunk, static_cast<size_t>(got));
    }
    if (total != declared)
        return fail("The file's data is shorter than the archive states.");
    return result;
}

bool ArchiveHasEntry(const std::string& archivePath, const std::string& entry) {
    const ArchiveListing listing = ListArchive(archivePath, false, {});
    return std::find(listing.entries.begin(), listing.entries.end(), entry) !=
           listing.entries.end();
}

} // namespace qw
