// quirewell-pg: the catalogue browser without a window, for scripts that
// search the Project Gutenberg catalogue, look titles up on its servers and
// download them.

#include "catalogue/ascii.h"
#include "catalogue/catalogue_list.h"
#include "catalogue/gutindex.h"
#include "settings/config_load.h"
#ifdef QW_PG_NET
#include "pg/net_commands.h"
#endif

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

const char* const kUsage =
    "Usage: quirewell-pg list [--filter TEXT] [--case] [--sort number|title] [--index DIR]\n"
    "       quirewell-pg lookup NUMBER [--type NAME] [--index DIR]\n"
    "       quirewell-pg get NUMBER [--type NAME] [--to DIR] [--overwrite] [--index DIR]\n"
    "\n"
    "Prints the entries of the catalogue index files GUTINDEX.ALL and GUTINDEX.AUS,\n"
    "one a line: the number, a TAB, title and author, a TAB, the entry's further\n"
    "lines joined by \" | \" (UTF-8, LF line ends), in index order.\n"
    "\n"
    "  --filter TEXT     only entries whose number, title or further lines hold TEXT\n"
    "  --case            letter case matters for --filter\n"
    "  --sort number     sort by number (six digits after five) ascending\n"
    "  --sort title      sort by title and author\n"
    "  --index DIR       the folder of the index files (default: the folder of\n"
    "                    Quirewell.ini: QUIREWELL_CONFIG_DIR, the program's folder\n"
    "                    when it holds Quirewell.ini, else ~/.config/Quirewell)\n"
    "\n"
    "\n"
    "lookup prints the files the catalogue server holds for the title, one a line:\n"
    "the name, a TAB, the size, a TAB, the date. get downloads the file of the\n"
    "type (default \"Plain text\"; \"8-bit text\", \"HTML ZIP\", ...) into DIR (default:\n"
    "the working folder) and prints its path; an existing file is replaced only\n"
    "with --overwrite. The servers are the keys \"Primary server\" and \"Australian\n"
    "server\" of the section [PG Browser] of Quirewell.ini in the index folder.\n"
    "\n"
    "Exit status: 0 done, 1 bad command line, 2 no index file or no such entry,\n"
    "3 the file is not on the server, 4 the lookup or the download failed,\n"
    "5 the file exists and was not replaced.\n";

constexpr int kBadCommandLine = 1;
constexpr int kNoIndex = 2;

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : WithSlash(self.parent_path().string());
}

// Where the reader keeps Quirewell.ini, and the index files beside it.
std::string DefaultIndexFolder() {
    const std::string override = qw::ConfigDirOverrideFromEnvironment();
    if (!override.empty())
        return override;
    const std::string program = ProgramFolder();
    std::error_code error;
    if (!program.empty() && std::filesystem::exists(program + "Quirewell.ini", error))
        return program;
    return qw::UserConfigDirFromEnvironment();
}

// One field on one output line: tabs and line breaks become blanks.
std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return out;
}

std::string InfoLines(std::string_view info) {
    std::string out;
    while (!info.empty()) {
        const size_t end = info.find("\r\n");
        const std::string_view line = qw::TrimBlanks(info.substr(0, end));
        if (!line.empty())
            out += (out.empty() ? "" : " | ") + OneLine(line);
        info = end == std::string_view::npos ? std::string_view() : info.substr(end + 2);
    }
    return out;
}

int List(int argc, char** argv) {
    std::string filter, folder, sort;
    bool caseSensitive = false, filtered = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--filter" && hasValue) {
            filter = argv[++i];
            filtered = true;
        } else if (arg == "--index" && hasValue) {
            folder = WithSlash(argv[++i]);
        } else if (arg == "--sort" && hasValue) {
            sort = argv[++i];
            if (sort != "number" && sort != "title") {
                std::fprintf(stderr, "quirewell-pg: --sort takes number or title\n");
                return kBadCommandLine;
            }
        } else if (arg == "--case") {
            caseSensitive = true;
        } else {
            std::fprintf(stderr, "quirewell-pg: unknown or incomplete option %s\n%s", arg.c_str(),
                         kUsage);
            return kBadCommandLine;
        }
    }
    if (folder.empty())
        folder = DefaultIndexFolder();

    const std::vector<qw::CatalogueEntry> entries = qw::LoadCatalogue(folder);
    if (entries.empty()) {
        std::fprintf(stderr, "quirewell-pg: no entry in GUTINDEX.ALL or GUTINDEX.AUS in %s\n",
                     folder.c_str());
        return kNoIndex;
    }
    qw::CatalogueList list(entries);
    if (filtered)
        list.filter(filter, caseSensitive);
    if (!sort.empty())
        list.sort(sort == "title" ? qw::CatalogueList::kTitle : qw::CatalogueList::kNumber, true);
    std::string out;
    for (size_t row = 0; row < list.rows().size(); ++row) {
        const qw::CatalogueEntry& e = list.entry(row);
        out += OneLine(qw::TrimBlanks(e.number));
        out += '\t';
        out += OneLine(e.title);
        out += '\t';
        out += InfoLines(e.info);
        out += '\n';
        if (out.size() >= 1 << 16) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : kNoIndex;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc >= 2 && (std::strcmp(argv[1], "lookup") == 0 || std::strcmp(argv[1], "get") == 0)) {
#ifdef QW_PG_NET
        return qw::pg::RunNetCommand(argc, argv, DefaultIndexFolder());
#else
        std::fputs("quirewell-pg: built without the network commands\n", stderr);
        return kBadCommandLine;
#endif
    }
    if (argc < 2 || std::strcmp(argv[1], "list") != 0) {
        std::fputs(kUsage, stderr);
        return kBadCommandLine;
    }
    return List(argc, argv);
}
