// The download list's rows, the server bases in Quirewell.ini, and putting a
// downloaded index into place without ever losing the previous one.

#include "catalogue/download_list.h"
#include "catalogue/index_install.h"
#include "catalogue/server_config.h"
#include "core/import/zip_test_util.h"
#include "settings/config_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace qw {
namespace {

CatalogueEntry Entry(std::string number, std::string year = "", std::string fileName = "") {
    CatalogueEntry e;
    e.title = "Title " + number;
    e.number = std::move(number);
    e.year = std::move(year);
    e.fileName = std::move(fileName);
    return e;
}

std::vector<std::string> Column(const DownloadList& list, std::string DownloadEntry::*field) {
    std::vector<std::string> out;
    for (const DownloadEntry& e : list.entries())
        out.push_back(e.*field);
    return out;
}

TEST(DownloadList, RowsTypesAndSavedFiles) {
    std::set<std::string> saved{"2.txt", "3-h.htm"};
    const SavedFile isSaved = [&](const std::string& name) { return saved.count(name) > 0; };
    DownloadList list;
    for (const char* n : {"1", "2", "3", "4", "5"})
        list.add(Entry(n), 0, ServerBases{}, isSaved);
    list.entries()[1].foundNames = {"2.txt"};
    EXPECT_EQ(Column(list, &DownloadEntry::status),
              (std::vector<std::string>{"", "Downloaded", "", "", ""}));

    // Removing rows 2 to 3 of 5: every field moves with its title.
    list.remove(1, 2);
    EXPECT_EQ(Column(list, &DownloadEntry::number), (std::vector<std::string>{"1", "4", "5"}));
    EXPECT_EQ(Column(list, &DownloadEntry::directory).back(), ServerBases{}.primary + "/dirs/5/");
    list.remove(7, 9); // past the end: nothing
    EXPECT_EQ(list.size(), 3u);

    // A type change of selected rows keeps what a lookup found.
    list.entries()[0].foundNames = {"1-h.htm"};
    saved.insert("4-h.htm");
    list.changeType({0, 1, 9}, FileTypeByName("HTML"), isSaved);
    EXPECT_EQ(Column(list, &DownloadEntry::fileName),
              (std::vector<std::string>{"1-h.htm", "4-h.htm", "5.txt"}));
    EXPECT_EQ(Column(list, &DownloadEntry::status),
              (std::vector<std::string>{"", "Downloaded", ""}));
    EXPECT_EQ(list.entries()[0].foundNames, std::vector<std::string>{"1-h.htm"});

    // Another save folder: "Downloaded" follows the files, other words stay.
    list.entries()[2].status = download_status::kNotFound;
    saved = {"1-h.htm"};
    list.refreshSaved(isSaved);
    EXPECT_EQ(Column(list, &DownloadEntry::status),
              (std::vector<std::string>{"Downloaded", "", "Not found"}));
    list.removeDownloaded();
    EXPECT_EQ(Column(list, &DownloadEntry::number), (std::vector<std::string>{"4", "5"}));

    EXPECT_EQ(ItemCountText(0), "0 items");
    EXPECT_EQ(ItemCountText(1), "1 item");
    EXPECT_EQ(ItemCountText(2), "2 items");
}

TEST(DownloadList, FindByNumber) {
    const std::vector<CatalogueEntry> index = {Entry("71234C"), Entry(" 1234", "95", "abc10.txt"),
                                               Entry("A   11", "05", "0500011.txt")};
    struct Case {
        const char* typed;
        const char* number; // found, or "" for nothing
        const char* year;
    };
    const Case cases[] = {
        {"71234", "71234C", ""},
        {"71234C", "71234C", ""},
        {"1234", " 1234", "95"},
        {"A11", "A   11", "05"},
        {"a11", "", ""},
        {"99", "99", ""},
        {"", "", ""},
        {"12x", "", ""},
        {"../1", "", ""},
        {"1234567890", "", ""},
    };
    for (const Case& c : cases) {
        const std::optional<CatalogueEntry> found = FindByNumber(index, c.typed);
        EXPECT_EQ(found ? found->number : "", c.number) << c.typed;
        EXPECT_EQ(found ? found->year : "", c.year) << c.typed;
    }
}

TEST(ServerConfig, BasesFromPgBrowserKeys) {
    struct Case {
        const char* ini;
        const char* primary;
        const char* australian;
    };
    const ServerBases defaults;
    const Case cases[] = {
        {"", defaults.primary.c_str(), defaults.australian.c_str()},
        {"[PG Browser]\nPrimary server=http://127.0.0.1:8080/\nAustralian server=  \n",
         "http://127.0.0.1:8080", defaults.australian.c_str()},
        {"[pg browser]\nAUSTRALIAN SERVER=https://mirror.test//\n", defaults.primary.c_str(),
         "https://mirror.test"},
    };
    for (const Case& c : cases) {
        ConfigFile config;
        config.Parse(c.ini);
        const ServerBases bases = ReadServerBases(config);
        EXPECT_EQ(bases.primary, c.primary) << c.ini;
        EXPECT_EQ(bases.australian, c.australian) << c.ini;
    }
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return in ? all.str() : "(missing)";
}

TEST(IndexInstall, ReplacesOnlyByACompleteIndex) {
    test::TempDir dir;
    const std::string all = dir.write("GUTINDEX.ALL", "old index");
    const std::string zip = dir.path() + "/GUTINDEX.ZIP";
    ASSERT_TRUE(test::WriteZip(dir.path() + "/good.zip", {{"GUTINDEX.ALL", "new index"}}));
    const std::string good = Read(dir.path() + "/good.zip");
    ASSERT_TRUE(test::WriteZip(dir.path() + "/other.zip", {{"README", "no index"}}));
    const std::string other = Read(dir.path() + "/other.zip");
    struct Case {
        std::string zipBytes;
        const char* after; // GUTINDEX.ALL afterwards
        bool ok;
    };
    const Case cases[] = {
        {other, "old index", false},                           // no member
        {good.substr(0, good.size() / 2), "old index", false}, // truncated
        {"", "old index", false},                              // empty download
        {good, "new index", true},
    };
    for (const Case& c : cases) {
        dir.write("GUTINDEX.ZIP", c.zipBytes);
        const std::string error = InstallIndexArchive(zip, all);
        EXPECT_EQ(error.empty(), c.ok) << error;
        EXPECT_EQ(Read(all), c.after);
        EXPECT_FALSE(std::filesystem::exists(zip)); // the archive never stays
    }
    // Only the index, the archives of the test and no temporary file remain.
    std::set<std::string> names;
    for (const auto& f : std::filesystem::directory_iterator(dir.path()))
        names.insert(f.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"GUTINDEX.ALL", "good.zip", "other.zip"}));
}

} // namespace
} // namespace qw
