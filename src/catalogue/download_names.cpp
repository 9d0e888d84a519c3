#include "catalogue/download_names.h"

#include "catalogue/ascii.h"

namespace qw {

namespace {

struct FileType {
    const char* name;
    const char* newSuffix;
    const char* oldSuffix;
};

constexpr FileType kTypes[kFileTypeCount] = {
    {"Plain text", ".txt", ".txt"},
    {"Plain text ZIP", ".zip", ".zip"},
    {"8-bit text", "-8.txt", ".txt"},
    {"8-bit text ZIP", "-8.zip", ".zip"},
    {"Big-5", "-5.txt", ".txt"},
    {"Big-5 ZIP", "-5.zip", ".zip"},
    {"Unicode", "-0.txt", "u.txt"},
    {"Unicode ZIP", "-0.zip", "u.zip"},
    {"HTML", "-h.htm", "h.htm"},
    {"HTML ZIP", "-h.zip", "h.zip"},
    {"TeX", "-t.tex", ".tex"},
    {"TeX ZIP", "-t.zip", "t.zip"},
    {"XML", "-x.xml", "x.xml"},
    {"XML ZIP", "-x.zip", "x.zip"},
    {"MP3", "-m-###.mp3", "###.mp3"},
    {"MP3 ZIP", "-m.zip", "m.zip"},
    {"RTF", "-r.rtf", "r.rtf"},
    {"RTF ZIP", "-r.zip", "r.zip"},
    {"PDF", "-pdf.pdf", "p.pdf"},
    {"PDF ZIP", "-pdf.zip", "p.zip"},
    {"LIT", "-lit.lit", "l.lit"},
    {"LIT ZIP", "-lit.zip", "l.zip"},
    {"MS Word Doc", "-doc.doc", "w.doc"},
    {"MS Word Doc ZIP", "-doc.zip", "w.zip"},
    {"PDB", "-pdb.pdb", ".pdb"},
    {"PDB ZIP", "-pdb.zip", "p.zip"},
};

const FileType* Type(int type) {
    return type >= 0 && type < kFileTypeCount ? &kTypes[type] : nullptr;
}

// The number of today's entries without blanks and without the "C" that
// marks a copyrighted title.
std::string PlainNumber(std::string_view number) {
    std::string_view n = TrimBlanks(number);
    while (!n.empty() && !(n.back() >= '0' && n.back() <= '9'))
        n.remove_suffix(1);
    return std::string(n);
}

} // namespace

const char* FileTypeName(int type) {
    return Type(type) ? Type(type)->name : "";
}

int FileTypeByName(std::string_view name) {
    for (int t = 0; t < kFileTypeCount; ++t)
        if (name == kTypes[t].name)
            return t;
    return -1;
}

const char* NewStyleSuffix(int type) {
    return Type(type) ? Type(type)->newSuffix : "";
}

const char* OldStyleSuffix(int type) {
    return Type(type) ? Type(type)->oldSuffix : "";
}

std::string DownloadFileName(const CatalogueEntry& entry, int type) {
    if (!entry.australian() && !entry.oldFormat())
        return PlainNumber(entry.number) + NewStyleSuffix(type);
    const size_t dot = entry.fileName.find('.');
    std::string name = (dot == std::string::npos ? std::string() : entry.fileName.substr(0, dot)) +
                       OldStyleSuffix(type);
    if (!entry.australian() && !name.empty() && name[0] == '?' && type >= 0 && type <= 5)
        name[0] = "785"[type / 2];
    return name;
}

std::string DirectoryAddress(const CatalogueEntry& entry, const ServerBases& bases) {
    if (entry.australian())
        return bases.australian + "/ebooks" + entry.year + "/";
    if (entry.oldFormat()) {
        if (entry.year >= "71" && entry.year < "90")
            return bases.primary + "/dirs/etext90/";
        return bases.primary + "/dirs/etext" + entry.year + "/";
    }
    const std::string n = PlainNumber(entry.number);
    std::string address = bases.primary + "/dirs/";
    for (size_t i = 0; i + 1 < n.size(); ++i)
        address += std::string(1, n[i]) + "/";
    return address + n + "/";
}

} // namespace qw
