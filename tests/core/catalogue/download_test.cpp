// Which file of a title is fetched from where, what the listing pages offer,
// and the rule that keeps server-given names inside the save folder.

#include "catalogue/availability.h"
#include "catalogue/download_names.h"
#include "catalogue/safe_name.h"
#include "catalogue/server_links.h"
#include "growth.h"

#include <gtest/gtest.h>

#include <map>

namespace qw {
namespace {

CatalogueEntry Entry(std::string number, std::string year = "", std::string fileName = "") {
    CatalogueEntry e;
    e.number = std::move(number);
    e.year = std::move(year);
    e.fileName = std::move(fileName);
    return e;
}

using Names = std::vector<std::string>;

TEST(DownloadNames, FileNamesAndDirectories) {
    const ServerBases bases{"https://p.test", "https://au.test"};
    struct Case {
        CatalogueEntry entry;
        const char* type;
        const char* name;
        const char* directory;
    };
    const Case cases[] = {
        {Entry("12345"), "8-bit text", "12345-8.txt", "https://p.test/dirs/1/2/3/4/12345/"},
        {Entry("    7"), "Plain text", "7.txt", "https://p.test/dirs/7/"},
        {Entry("71234C"), "HTML", "71234-h.htm", "https://p.test/dirs/7/1/2/3/71234/"},
        {Entry("100123"), "PDB ZIP", "100123-pdb.zip", "https://p.test/dirs/1/0/0/1/2/100123/"},
        {Entry("  123", "85", "?ypsy10.txt"), "Plain text", "7ypsy10.txt",
         "https://p.test/dirs/etext90/"},
        {Entry("  123", "85", "?ypsy10.txt"), "8-bit text ZIP", "8ypsy10.zip",
         "https://p.test/dirs/etext90/"},
        {Entry("  123", "71", "?ypsy10.txt"), "Big-5", "5ypsy10.txt",
         "https://p.test/dirs/etext90/"},
        {Entry("  123", "89", "?ypsy10.txt"), "HTML", "?ypsy10h.htm",
         "https://p.test/dirs/etext90/"},
        {Entry("  456", "95", "alice10.txt"), "Unicode", "alice10u.txt",
         "https://p.test/dirs/etext95/"},
        {Entry("  456", "90", "noext"), "Plain text", ".txt", "https://p.test/dirs/etext90/"},
        {Entry("A0100011", "01", "0100011.txt"), "HTML", "0100011h.htm",
         "https://au.test/ebooks01/"},
        {Entry("A0100011", "01", "?100011.txt"), "Plain text", "?100011.txt",
         "https://au.test/ebooks01/"},
    };
    for (const Case& c : cases) {
        const int type = FileTypeByName(c.type);
        ASSERT_GE(type, 0) << c.type;
        EXPECT_EQ(DownloadFileName(c.entry, type), c.name) << c.entry.number << " " << c.type;
        EXPECT_EQ(DirectoryAddress(c.entry, bases), c.directory) << c.entry.number;
    }
    // Both suffix tables: every zipped type ends ".zip" and the MP3 types keep
    // their placeholder, as the servers name those files.
    for (int t = 1; t < kFileTypeCount; t += 2) {
        EXPECT_EQ(std::string(NewStyleSuffix(t)).substr(std::string(NewStyleSuffix(t)).size() - 4),
                  ".zip");
        EXPECT_EQ(std::string(FileTypeName(t)), std::string(FileTypeName(t - 1)) + " ZIP");
    }
    EXPECT_EQ(DownloadFileName(Entry("12345"), FileTypeByName("MP3")), "12345-m-###.mp3");
    EXPECT_EQ(DownloadFileName(Entry(" 1", "99", "abcde10.zip"), FileTypeByName("PDB ZIP")),
              "abcde10p.zip");
    EXPECT_EQ(FileTypeByName("No such type"), -1);
    EXPECT_STREQ(FileTypeName(kFileTypeCount), "");
}

TEST(SafeName, OnlyPlainNamesPass) {
    for (const char* good :
         {"12345-8.txt", "a b.txt", "..hidden", "x..y", "%2e%2e%2fevil", "\xc3\xa9t\xc3\xa9.txt"})
        EXPECT_TRUE(IsSafeFileName(good)) << good;
    for (const std::string& bad : std::vector<std::string>{
             "", ".", "..", "../evil.txt", "/etc/x", "a/b.txt", "..\\evil", "a\\b", "tab\there",
             "new\nline", "bell\a", std::string("nul\0x", 5), std::string("del\x7f"),
             std::string(256, 'n')})
        EXPECT_FALSE(IsSafeFileName(bad)) << bad;
}

TEST(ServerLinks, CollectionsKeepOnlyPlainNames) {
    const std::string listing =
        "<a href=\"../\">Parent</a><a HREF=\"?C=M;O=A\">Sort</a>"
        "<A Href=\"12345-8.txt\">x</a><a href=\"sub/\">s</a><a href=\"../evil.txt\">"
        "<a href=\"/etc/x\"><a href=\"a/b.txt\"><a href=\"..\"><a href=\"bad\x01name\">"
        "<a href=\"12345-h.zip\">";
    EXPECT_EQ(NewStyleLinks(listing), (Names{"12345-8.txt", "12345-h.zip"}));
    EXPECT_EQ(NewStyleLinks("<a href=\"unterminated.txt"), (Names{"unterminated.txt"}));
    EXPECT_EQ(NewStyleLinks(""), Names{});

    const std::string yearly = "<a href=\"7ypsy10.txt\"><a href=\"8ypsy10.zip\">"
                               "<a href=\"alice10.txt\"><a href=\"7ypsy/../../x\">"
                               "<a href=\"5ypsy10.txt\">";
    EXPECT_EQ(OldStyleLinks(yearly, "8ypsy"), (Names{"8ypsy10.zip"}));
    EXPECT_EQ(OldStyleLinks(yearly, "7YPSY"), (Names{"7ypsy10.txt"}));

    const std::string aus = "<a href=\"/ebooks01/0100011.txt\"><a HREF=\"/EBOOKS01/0100011h.html\">"
                            "<a href=\"/ebooks02/0100011.txt\"><a href=\"/ebooks01/0100011/../x\">"
                            "<a href=\"/ebooks01/0100012.txt\">";
    EXPECT_EQ(AustralianLinks(aus, "010001"),
              (Names{"0100011.txt", "0100011h.html", "0100012.txt"}));
}

TEST(ServerLinks, CollectionIsLinear) {
    // Unterminated links and long runs without a quote are the costly pages.
    auto page = [](size_t n) {
        std::string text;
        for (size_t i = 0; i < n; ++i)
            text += "<a href=\"f" + std::to_string(i) + ".txt\">f</a> <a href=\"../up\">";
        return text + "<a href=\"" + std::string(n * 10, 'z');
    };
    // Pages small enough to stay in the processor's cache, so that the
    // ratio measures the work and not the memory.
    const std::string small = page(8000), large = page(32000);
    EXPECT_EQ(NewStyleLinks(small).size(), 8000u); // the endless link is too long a name
    const double ratio =
        test::GrowthRatio([&](size_t n) { NewStyleLinks(n == 8000 ? small : large); }, 8000);
    EXPECT_LT(ratio, test::kLinearGrowthBound) << ratio;
}

TEST(ServerLinks, OldStyleMatching) {
    struct Case {
        const char* wanted;
        const char* found;
        bool match;
    };
    const Case cases[] = {
        {"alice10.txt", "alice10.txt", true},
        {"alice10.txt", "alice11.txt", false},
        {"alice1?.txt", "alice11.txt", true},
        {"alicexx.txt", "alice10.txt", true}, // x matches any character
        {"aliceXX.txt", "alice10.txt", true},
        {"alicexxx.txt", "alice10.txt", true}, // an x dropped to line up the dots
        {"alicex.txt", "alice10.txt", true},   // an x added
        {"alicexx.txt", "alice100.txt", true},
        {"alice10.txt", "alice100.txt", false}, // no x to grow
        {"alice100.txt", "alice10.txt", false}, // no x to drop
        {"ALICE10.txt", "alice10.txt", false},  // letter case counts
        {"7ypsy10.txt", "7ypsy10.zip", false},
        {"xxxxx", "abc", true}, // no dots: wildcards all the way
        {"abc.txt", "abc", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OldStyleNameMatches(c.wanted, c.found), c.match) << c.wanted << " " << c.found;

    const Names found{"alice10.txt", "alice11.txt", "alice10.zip"};
    EXPECT_EQ(PickOldStyle(found, "alice1x.txt"), "alice11.txt"); // the last match
    EXPECT_EQ(PickOldStyle(found, "alice12.txt"), "");
    EXPECT_EQ(PickAustralian({"0100011.txt", "0100011h.html", "0100011.htm"}, "0100011h.htm"),
              "0100011.htm");
    EXPECT_EQ(PickAustralian({"0100011h.html", "0100011.txt"}, "0100011h.htm"), "0100011h.html");
    EXPECT_EQ(PickNewStyle({"12345-8.zip", "12345-8.TXT", "12345-8.txt"}, "12345-8.txt"),
              "12345-8.TXT");
    EXPECT_EQ(PickNewStyle({"1234-8.txt"}, "12345-8.txt"), "");
}

TEST(ServerLinks, HeadInfo) {
    struct Case {
        Names lines;
        std::int64_t length;
        const char* date;
        bool error;
    };
    const Case cases[] = {
        {{"HTTP/1.0 200 OK", "Content-Length: 1234567", "Last-Modified: Mon, 1 Jan 2001"},
         1234567,
         "Mon, 1 Jan 2001",
         false},
        {{"Content-Length: 5", "Content-Length: 7"}, 7, "", false}, // the last one wins
        {{"Content-Length: "}, 0, "", false},
        {{"content-length: 9", "Last-modified: x", "Content-Length:9"}, 0, "", false},
        {{"Content-Length: 12ab"}, 0, "", true},
        {{"Content-Length: -5"}, 0, "", true},
        {{"Content-Length: 99999999999999999999999"}, 0, "", true},
        {{}, 0, "", false},
    };
    for (const Case& c : cases) {
        const HeadInfo info = ParseHeadInfo(c.lines);
        EXPECT_EQ(info.length, c.length);
        EXPECT_EQ(info.date, c.date);
        EXPECT_EQ(!info.error.empty(), c.error);
    }
    for (auto [length, text] : {std::pair<std::int64_t, const char*>{0, ""},
                                {-1, ""},
                                {7, "7"},
                                {999, "999"},
                                {1000, "1,000"},
                                {1234567, "1,234,567"}})
        EXPECT_EQ(FormatSize(length), text);
}

} // namespace
} // namespace qw

namespace qw {
namespace {

// A server of pages and HEAD answers by address, counting the requests.
class FakeServer : public ServerPages {
  public:
    std::map<std::string, std::string> pages;
    std::map<std::string, Names> heads;
    int pageRequests = 0, headRequests = 0;

    std::string page(const std::string& address) override {
        ++pageRequests;
        return pages.count(address) ? pages[address] : std::string();
    }
    Names head(const std::string& address) override {
        ++headRequests;
        return heads.count(address) ? heads[address] : Names();
    }
};

TEST(Availability, LooksUpOnceAndPicksByKind) {
    const ServerBases bases{"http://p", "http://au"};
    FakeServer server;
    server.pages["http://p/dirs/1/12/"] =
        "<a href=\"../\"><a href=\"12-8.txt\"><a href=\"12.txt\"><a href=\"../evil.txt\">";
    server.heads["http://p/dirs/1/12/12-8.txt"] = {"Content-Length: 2048", "Last-Modified: Tue"};
    DownloadEntry today = MakeDownloadEntry(Entry("12"), FileTypeByName("8-bit text"), bases);
    EXPECT_EQ(LookUpTitle(today, server, bases).name, "12-8.txt");
    EXPECT_EQ(today.status, download_status::kFound);
    EXPECT_EQ(today.foundNames, (Names{"12-8.txt", "12.txt"}));
    EXPECT_EQ(today.foundSizes, (Names{"2,048", ""}));
    EXPECT_EQ(today.foundDates, (Names{"Tue", ""}));
    EXPECT_EQ(server.pageRequests, 1);
    EXPECT_EQ(server.headRequests, 2);
    // Another type: the kept names answer without a request.
    ChangeFileType(today, FileTypeByName("HTML"));
    EXPECT_EQ(today.fileName, "12-h.htm");
    EXPECT_EQ(LookUpTitle(today, server, bases).name, "");
    EXPECT_EQ(today.status, download_status::kNotFound);
    EXPECT_EQ(server.pageRequests + server.headRequests, 3);

    // A yearly "?" name: the 7, 8 and 5 variants from the one page.
    server.pages["http://p/dirs/etext90/"] = "<a href=\"7ypsy10.txt\"><a href=\"8ypsy10.txt\">"
                                             "<a href=\"5ypsy10.zip\"><a href=\"other.txt\">";
    DownloadEntry yearly =
        MakeDownloadEntry(Entry(" 123", "85", "?ypsy10.txt"), FileTypeByName("HTML"), bases);
    EXPECT_EQ(yearly.fileName, "?ypsy10h.htm");
    EXPECT_EQ(LookUpTitle(yearly, server, bases).name, "");
    EXPECT_EQ(yearly.foundNames, (Names{"7ypsy10.txt", "8ypsy10.txt", "5ypsy10.zip"}));
    EXPECT_EQ(server.pageRequests, 2);
    ChangeFileType(yearly, FileTypeByName("8-bit text"));
    EXPECT_EQ(LookUpTitle(yearly, server, bases).name, "8ypsy10.txt");

    // Australian: one listing page for all, ".html" answers ".htm".
    server.pages["http://au/plusfifty.html"] =
        "<a href=\"/ebooks01/0100011h.html\"><a href=\"/ebooks01/0100011.txt\">";
    DownloadEntry aus =
        MakeDownloadEntry(Entry("A0100011", "01", "0100011.txt"), FileTypeByName("HTML"), bases);
    EXPECT_EQ(LookUpTitle(aus, server, bases).name, "0100011h.html");
    EXPECT_EQ(server.pageRequests, 3);

    // A malformed length stops the lookup with the error and stores nothing.
    server.heads["http://p/dirs/etext95/alice10.txt"] = {"Content-Length: lots"};
    server.pages["http://p/dirs/etext95/"] = "<a href=\"alice10.txt\">";
    DownloadEntry broken = MakeDownloadEntry(Entry(" 5", "95", "alice10.txt"), 0, bases);
    const LookupResult failed = LookUpTitle(broken, server, bases);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_TRUE(broken.foundNames.empty());
    EXPECT_EQ(broken.status, "");
}

} // namespace
} // namespace qw
