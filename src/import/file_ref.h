#pragma once
// A file reference: a path, or for a member of a ZIP archive the archive's
// path and the member's name as stored, written "archive.zip|member" in
// lists, records and on the command line. This is the one place that reads
// and writes that form.

#include <string>
#include <string_view>

namespace qw {

struct FileRef {
    std::string path;  // the file, or the archive
    std::string entry; // the member; empty for a plain file

    // "path", or "path|entry" for a member.
    std::string format() const;
    // The bar that separates a member follows an archive's name (".zip",
    // ".sxw" or ".odt" in any case); any other "|" belongs to the path (a
    // folder or file name may hold one). The member may hold "|" too.
    static FileRef parse(std::string_view reference);

    bool isMember() const { return !entry.empty(); }
    bool operator==(const FileRef& other) const {
        return path == other.path && entry == other.entry;
    }
};

} // namespace qw
