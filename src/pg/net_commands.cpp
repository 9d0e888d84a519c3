#include "pg/net_commands.h"

#include "catalogue/download_list.h"
#include "catalogue/gutindex.h"
#include "catalogue/server_config.h"
#include "catalogue/ui/DownloadRun.h"
#include "controls/dialogs.h"
#include "settings/config_file.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <unistd.h>

namespace qw::pg {

namespace {

// Messages go to standard error; the overwrite question is answered by
// --overwrite (All) or not (No: the file stays).
class TerminalDialogs : public Dialogs {
  public:
    explicit TerminalDialogs(bool overwrite) : overwrite_(overwrite) {}
    bool failed = false, declined = false;

    void information(const std::string& text) override { say(text); }
    void warning(const std::string& text) override { say(text); }
    void error(const std::string& text) override {
        failed = true;
        say(text);
    }
    bool askYesNo(const std::string&) override { return false; }
    bool askOkCancel(const std::string&) override { return false; }
    Choice askChoice(const std::string& text, const std::vector<Choice>&) override {
        if (overwrite_)
            return Choice::All;
        declined = true;
        say(text + " No (give --overwrite to replace it)");
        return Choice::No;
    }
    std::optional<std::string> inputLine(const InputLineRequest&) override { return {}; }
    std::vector<std::string> chooseOpenFiles(const OpenFilesRequest&) override { return {}; }
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest&) override { return {}; }
    std::string chooseFolder(const std::string&, const std::string&) override { return {}; }

    static void say(std::string text) {
        for (size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.replace(at, 2, "\n");
        std::fprintf(stderr, "quirewell-pg: %s\n", text.c_str());
    }

  private:
    bool overwrite_;
};

struct Options {
    std::string command, number, folder, to;
    int type = 0;
    bool overwrite = false;
};

bool Parse(int argc, char** argv, Options& o) {
    o.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--type" && hasValue) {
            o.type = FileTypeByName(argv[++i]);
            if (o.type < 0) {
                std::fprintf(stderr, "quirewell-pg: unknown file type %s; the types are:\n",
                             argv[i]);
                for (int t = 0; t < kFileTypeCount; ++t)
                    std::fprintf(stderr, "  %s\n", FileTypeName(t));
                return false;
            }
        } else if (arg == "--index" && hasValue) {
            o.folder = argv[++i];
        } else if (arg == "--to" && hasValue && o.command == "get") {
            o.to = argv[++i];
        } else if (arg == "--overwrite" && o.command == "get") {
            o.overwrite = true;
        } else if (o.number.empty() && !arg.empty() && arg[0] != '-') {
            o.number = arg;
        } else {
            std::fprintf(stderr, "quirewell-pg: unknown or incomplete option %s\n", arg.c_str());
            return false;
        }
    }
    if (o.number.empty())
        std::fprintf(stderr, "quirewell-pg: %s needs the number of a title\n", o.command.c_str());
    return !o.number.empty();
}

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

int RunNetCommand(int argc, char** argv, const std::string& configFolder) {
    Options o;
    if (!Parse(argc, argv, o))
        return kBadCommandLine;
    const std::string folder = WithSlash(o.folder.empty() ? configFolder : o.folder);
    const std::optional<CatalogueEntry> entry = FindByNumber(LoadCatalogue(folder), o.number);
    if (!entry) {
        std::fprintf(stderr, "quirewell-pg: no title %s in the index files in %s\n",
                     o.number.c_str(), folder.c_str());
        return kNoIndex;
    }
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    const ServerBases bases = ReadServerBases(ConfigFile(folder + "Quirewell.ini"));
    TerminalDialogs dialogs(o.overwrite);
    THttpCli http;
    DownloadRun run(http, dialogs, bases);
    std::vector<DownloadEntry> entries{MakeDownloadEntry(*entry, o.type, bases)};
    const DownloadEntry& e = entries.front();

    if (o.command == "lookup") {
        run.lookUpAll(entries);
        for (size_t i = 0; i < e.foundNames.size(); ++i)
            std::printf("%s\t%s\t%s\n", e.foundNames[i].c_str(),
                        i < e.foundSizes.size() ? e.foundSizes[i].c_str() : "",
                        i < e.foundDates.size() ? e.foundDates[i].c_str() : "");
        if (dialogs.failed)
            return kFailed;
        if (e.status == download_status::kFound)
            std::fprintf(stderr, "quirewell-pg: %s is %s%s\n", FileTypeName(o.type),
                         e.directory.c_str(), e.fileName.c_str());
        return e.status == download_status::kFound ? kOk : kNotFound;
    }

    const std::string to = WithSlash(o.to.empty() ? QDir::currentPath().toStdString() : o.to);
    const bool terminal = isatty(STDERR_FILENO) != 0;
    bool progressShown = false;
    QObject::connect(&run, &DownloadRun::statusText, [&](int panel, const QString& text) {
        if (panel != 2 || !terminal)
            return;
        if (!text.isEmpty())
            std::fprintf(stderr, "\r%s\x1b[K", text.toLocal8Bit().constData());
        else if (progressShown)
            std::fputs("\n", stderr);
        progressShown = !text.isEmpty();
    });
    run.download(entries, to);
    if (progressShown)
        std::fputs("\n", stderr);
    if (e.status == download_status::kNotFound)
        return kNotFound;
    if (dialogs.failed || e.status != download_status::kDownloaded)
        return kFailed;
    if (dialogs.declined)
        return kExists;
    std::printf("%s%s\n", to.c_str(), e.fileName.c_str());
    return kOk;
}

} // namespace qw::pg
