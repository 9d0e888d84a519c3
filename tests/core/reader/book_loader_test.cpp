#include "reader/book_loader.h"

#include "controls/scripted_dialogs.h"
#include "core/import/zip_test_util.h"
#include "import/palm_doc.h"
#include "settings/book_fingerprint.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

using qw::Book;
using qw::FileRef;
using std::string;

// Stands in for the reader window: records what the loading flow asks of it.
class FakeHost : public qw::LoadHost {
  public:
    std::vector<string> progress;
    int busyDepth = 0;
    int maxBusyDepth = 0;
    std::map<string, std::vector<string>> archives;      // archive -> members to open
    std::map<string, std::optional<string>> memberBytes; // "archive|member" -> bytes
    std::optional<std::vector<FileRef>> ordering;        // what the ordering dialog returns
    bool removalSwitchedOff = false;
    int firstFileCalls = 0, layOutCalls = 0, loadedCalls = 0, closedCalls = 0, captionCalls = 0;
    std::vector<FileRef> lastRead;

    void showProgress(const string& caption) override { progress.push_back(caption); }
    void setBusy(bool busy) override {
        busyDepth += busy ? 1 : -1;
        maxBusyDepth = std::max(maxBusyDepth, busyDepth);
    }
    std::vector<string> archiveMembersToOpen(const string& archivePath) override {
        return archives[archivePath];
    }
    std::optional<string> extractArchiveMember(const string& archivePath,
                                               const string& entry) override {
        return memberBytes[archivePath + "|" + entry];
    }
    std::vector<FileRef> orderFiles(std::vector<FileRef> files) override {
        return ordering ? *ordering : files;
    }
    qw::ImportOptions options;
    qw::ImportOptions importOptions() override { return options; }
    void switchOffLineBreakRemoval() override { removalSwitchedOff = true; }
    void firstFileLoaded(Book&, bool) override { ++firstFileCalls; }
    void layOutBook(Book& book) override {
        ++layOutCalls;
        book.WorkText = book.RawText;
    }
    void bookLoaded(Book&) override { ++loadedCalls; }
    void registerLastRead(const FileRef& file) override { lastRead.push_back(file); }
    void bookClosed(Book&) override { ++closedCalls; }
    void updateCaption() override { ++captionCalls; }
};

class BookLoaderTest : public testing::Test {
  protected:
    qw::test::TempDir dir;
    Book book;
    FakeHost host;
    qw::ScriptedDialogs dialogs;
    qw::BookLoader loader{book, host, dialogs};

    string file(const string& name, const string& content) { return dir.write(name, content); }
};

TEST_F(BookLoaderTest, OpensOnePlainFile) {
    const string path = file("a.txt", "one\ntwo\n");
    ASSERT_TRUE(loader.loadFiles({path}));
    EXPECT_EQ(book.FileName, path);
    EXPECT_EQ(book.ArchiveEntry, "");
    EXPECT_EQ(book.RawText, "one\r\ntwo");
    EXPECT_FALSE(book.TextEdited);
    EXPECT_TRUE(book.RestoreRawText);
    EXPECT_EQ(book.ChangeReason, "");
    EXPECT_EQ(host.layOutCalls, 1);
    EXPECT_EQ(host.firstFileCalls, 1);
    EXPECT_EQ(host.busyDepth, 0);
    ASSERT_EQ(host.lastRead.size(), 1u);
    EXPECT_EQ(host.lastRead[0].path, path);
    EXPECT_EQ(host.progress.front(), "Opening file " + path + " ...");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(BookLoaderTest, AGutenbergFrameAndAFingerprintOnlyForABookOfItsOwn) {
    const string framed = "Title: T\n*** START OF THE PROJECT GUTENBERG EBOOK T ***\nText\n";
    const string a = file("a.txt", framed);
    ASSERT_TRUE(loader.loadFiles({a}));
    EXPECT_TRUE(book.Frame.found);
    EXPECT_EQ(book.Frame.header.title, "T");
    EXPECT_EQ(book.Fingerprint, qw::FileFingerprint(framed)); // of the file as it is on disk
    ASSERT_TRUE(loader.loadFiles({a, file("b.txt", "Beta")}));
    EXPECT_FALSE(book.Frame.found); // joined books are shown whole
    EXPECT_EQ(book.Fingerprint, "");
    dialogs.answers.push_back(true); // the joined text was never saved: close anyway
    EXPECT_TRUE(loader.closeBook());
    EXPECT_FALSE(book.Frame.found);
}

TEST_F(BookLoaderTest, LineEndStylesGiveTheSameText) {
    const string crlf = "first line\r\nsecond\r\n\r\nthird";
    for (const string& variant :
         {crlf, string("first line\nsecond\n\nthird"), string("first line\rsecond\r\rthird")}) {
        ASSERT_TRUE(loader.loadFiles({file("v.txt", variant)}));
        EXPECT_EQ(book.RawText, crlf);
    }
}

TEST_F(BookLoaderTest, BlankFileShowsThePlaceholder) {
    for (const string& blank : {string(""), string("   \r\n\t\n  "), string(100, '\0')}) {
        ASSERT_TRUE(loader.loadFiles({file("blank.txt", blank)}));
        EXPECT_EQ(book.RawText, qw::kNoTextFound);
    }
}

TEST_F(BookLoaderTest, TwoFilesAreJoinedWithHeadings) {
    const string a = file("a.txt", "Alpha");
    const string b = file("b.txt", "Beta\n");
    ASSERT_TRUE(loader.loadFiles({a, b}));
    EXPECT_EQ(book.RawText,
              " ~ a.txt\r\n\r\n\r\nAlpha\r\n\r\n\r\n\r\n\r\n\r\n ~ b.txt\r\n\r\n\r\nBeta");
    EXPECT_EQ(book.FileName, dir.path() + "/Unnamed.txt");
    EXPECT_TRUE(book.TextEdited);
    EXPECT_FALSE(book.AppendMode);
    EXPECT_EQ(host.layOutCalls, 1);
    EXPECT_TRUE(host.lastRead.empty()); // a joined book is not a file to reopen

    EXPECT_FALSE(loader.closeBook()); // the question is answered Cancel
    EXPECT_EQ(dialogs.messages().back(), "Edited text has not been saved!\rClose file?");
    EXPECT_TRUE(book.isOpen());
    dialogs.answers.push_back(true);
    EXPECT_TRUE(loader.closeBook());
    EXPECT_FALSE(book.isOpen());
    EXPECT_TRUE(book.RawText.empty());
    EXPECT_FALSE(book.TextEdited);
}

TEST_F(BookLoaderTest, AppendGivesOnlyTheAppendedPartAHeading) {
    ASSERT_TRUE(loader.loadFiles({file("first.txt", "First")}));
    dialogs.openChoices.push_back({file("second.txt", "Second")});
    loader.openCommand(true);
    EXPECT_EQ(dialogs.openRequests.back().title, "Append");
    EXPECT_EQ(book.RawText, "First\r\n\r\n\r\n\r\n\r\n\r\n ~ second.txt\r\n\r\n\r\nSecond");
    EXPECT_TRUE(book.TextEdited);
    EXPECT_FALSE(book.AppendMode);
}

TEST_F(BookLoaderTest, OpenCommandAsksForFiles) {
    loader.openCommand(true); // nothing open: Append becomes Open
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    const qw::OpenFilesRequest& request = dialogs.openRequests[0];
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.filterIndex, 10);
    EXPECT_TRUE(request.multiple);
    EXPECT_EQ(string(request.filters).substr(0, 21), "Text files|*.txt|Zip ");
    EXPECT_FALSE(book.isOpen());
    EXPECT_FALSE(book.AppendMode);
}

TEST_F(BookLoaderTest, UnsavedEditsAreProtectedOnOpen) {
    ASSERT_TRUE(loader.loadFiles({file("a.txt", "A"), file("b.txt", "B")}));
    const string before = book.RawText;
    const string other = file("c.txt", "C");

    dialogs.openChoices.push_back({other});
    loader.openCommand(false); // Cancel: no dialog, nothing loaded
    EXPECT_EQ(dialogs.messages().back(), "Edited text has not been saved!\rOpen file?");
    EXPECT_TRUE(dialogs.openRequests.empty());
    EXPECT_EQ(book.RawText, before);

    EXPECT_FALSE(loader.openKnownFile(other, ""));
    EXPECT_EQ(book.RawText, before);

    dialogs.answers.push_back(true);
    ASSERT_TRUE(loader.openKnownFile(other, ""));
    EXPECT_EQ(book.RawText, "C");
    EXPECT_FALSE(book.TextEdited);
}

TEST_F(BookLoaderTest, UnreadableFileLeavesTheOpenBookAlone) {
    const string good = file("good.txt", "Good book");
    ASSERT_TRUE(loader.loadFiles({good}));
    const string missing = dir.path() + "/gone.txt";
    EXPECT_FALSE(loader.loadFile(missing, "", 1, 1));
    EXPECT_EQ(dialogs.messages().back(), "Cannot open file " + missing + "!");
    EXPECT_EQ(book.FileName, good);
    EXPECT_EQ(book.RawText, "Good book");
    EXPECT_FALSE(loader.loadFile(dir.path(), "", 1, 1)); // a folder
    EXPECT_EQ(book.FileName, good);
    EXPECT_EQ(book.ChangeReason, "");
    EXPECT_EQ(host.busyDepth, 0);
}

TEST_F(BookLoaderTest, ConversionFailures) {
    const string good = file("good.txt", "Good book");
    ASSERT_TRUE(loader.loadFiles({good}));
    // Too large a text: an error naming the file and the reason, nothing loaded.
    host.options.maxTextBytes = 100;
    const string large = file("large.pdb", qw::BuildPalmDoc(string(200, 'x'), "Large", 0));
    EXPECT_FALSE(loader.loadFile(large, "", 1, 1));
    EXPECT_EQ(dialogs.messages().back(),
              "Cannot open contents of " + large +
                  "!\rThe text of this Palm Doc file is larger than 0 MB, the largest book "
                  "Quirewell reads.");
    EXPECT_EQ(book.FileName, good);
    EXPECT_EQ(book.ChangeReason, "");
    // A damaged file: its notice is shown in place of the book.
    const string damaged = file("damaged.pdb", "TEXt");
    ASSERT_TRUE(loader.loadFiles({damaged}));
    EXPECT_EQ(book.FileName, damaged);
    EXPECT_EQ(book.RawText.substr(0, 24), "Error opening pdb file (");
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(BookLoaderTest, FailedFileOfABatchClosesTheBook) {
    ASSERT_FALSE(loader.loadFiles({file("a.txt", "A"), dir.path() + "/missing.txt"}));
    EXPECT_FALSE(book.isOpen());
    EXPECT_FALSE(book.AppendMode);
    EXPECT_EQ(host.closedCalls, 1);
    EXPECT_EQ(host.busyDepth, 0);
}

TEST_F(BookLoaderTest, OrderingDialogMayEmptyTheBatch) {
    host.ordering = std::vector<FileRef>{};
    EXPECT_FALSE(loader.loadFiles({file("a.txt", "A"), file("b.txt", "B")}));
    EXPECT_FALSE(book.isOpen());
    host.ordering = std::vector<FileRef>{{dir.path() + "/b.txt", ""}, {dir.path() + "/a.txt", ""}};
    ASSERT_TRUE(loader.loadFiles({dir.path() + "/a.txt", dir.path() + "/b.txt"}));
    EXPECT_EQ(book.RawText.substr(0, 8), " ~ b.txt");
}

TEST_F(BookLoaderTest, ArchiveMembers) {
    const string zip = file("set.zip", "not read here");
    host.archives[zip] = {"ch1.txt", "part/ch2.txt"};
    host.memberBytes[zip + "|ch1.txt"] = string("One");
    host.memberBytes[zip + "|part/ch2.txt"] = string("Two");
    ASSERT_TRUE(loader.loadFiles({zip}));
    EXPECT_EQ(book.RawText, " ~ [ch1.txt] from set.zip\r\n\r\n\r\nOne\r\n\r\n\r\n\r\n\r\n\r\n"
                            " ~ [part/ch2.txt] from set.zip\r\n\r\n\r\nTwo");
    EXPECT_EQ(host.progress[0], "Opening file [ch1.txt] from archive " + zip + " ...");

    host.archives[zip] = {"ch1.txt"};
    ASSERT_TRUE(loader.loadFiles({zip}));
    EXPECT_EQ(book.FileName, zip);
    EXPECT_EQ(book.ArchiveEntry, "ch1.txt");
    EXPECT_EQ(book.RawText, "One");
    EXPECT_EQ(host.lastRead.back(), (FileRef{zip, "ch1.txt"}));

    // A failed extraction keeps the book that is open.
    host.memberBytes[zip + "|bad.txt"] = std::nullopt;
    EXPECT_FALSE(loader.loadFile(zip, "bad.txt", 1, 1));
    EXPECT_EQ(book.ArchiveEntry, "ch1.txt");

    // An archive with nothing chosen loads nothing; one that cannot be read
    // says why.
    const size_t shown = dialogs.messages().size();
    const string good = dir.path() + "/good.zip";
    ASSERT_TRUE(qw::test::WriteZip(good, {{"a.txt", "A"}, {"b.txt", "B"}}));
    EXPECT_FALSE(loader.loadFiles({good}));
    EXPECT_EQ(dialogs.messages().size(), shown);
    host.archives[zip] = {};
    EXPECT_FALSE(loader.loadFiles({zip}));
    EXPECT_EQ(book.ArchiveEntry, "ch1.txt");
    ASSERT_EQ(dialogs.messages().size(), shown + 1);
    EXPECT_EQ(dialogs.messages().back(), "Cannot read archive " + zip + ": Not a zip archive");
}

TEST_F(BookLoaderTest, DocumentFormatsSwitchOffLineBreakRemoval) {
    struct Case {
        const char* name;
        bool switchesOff;
    };
    for (const Case& c : {Case{"page.htm", true}, Case{"page.HTML", true}, Case{"doc.rtf", true},
                          Case{"word.doc", true}, Case{"plain.txt", false}, Case{"book.qwl", false},
                          Case{"data.xml", false}}) {
        book = Book{};
        host.removalSwitchedOff = false;
        ASSERT_TRUE(loader.loadFiles({file(c.name, "text")})) << c.name;
        EXPECT_EQ(host.removalSwitchedOff, c.switchesOff) << c.name;
        EXPECT_EQ(book.BreaksAutoOff, c.switchesOff) << c.name;
    }
    // An archive member follows its own format, not the archive's.
    const string zip = file("set.zip", "not read here");
    for (const Case& c : {Case{"in/page.html", true}, Case{"word.DOC", true},
                          Case{"plain.txt", false}, Case{"x.rtf.txt", false}}) {
        book = Book{};
        host.removalSwitchedOff = false;
        host.archives[zip] = {c.name};
        host.memberBytes[zip + "|" + c.name] = string("text");
        ASSERT_TRUE(loader.loadFiles({zip})) << c.name;
        EXPECT_EQ(host.removalSwitchedOff, c.switchesOff) << c.name;
        EXPECT_EQ(book.BreaksAutoOff, c.switchesOff) << c.name;
    }
}

TEST_F(BookLoaderTest, KnownFileMissing) {
    const string missing = dir.path() + "/old.txt";
    EXPECT_FALSE(loader.openKnownFile(missing, ""));
    EXPECT_EQ(dialogs.messages().back(), "File " + missing + " not found!");
    EXPECT_FALSE(loader.openKnownFile("", ""));
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(BookLoaderTest, StartupPathIsMadeAbsolute) {
    const string path = file("start book.txt", "Start");
    const string cwd = std::filesystem::current_path().string();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(qw::ResolveStartupPath("start book.txt"), path);
    EXPECT_EQ(qw::ResolveStartupPath("./sub/../start book.txt"), "");
    std::filesystem::create_directory(dir.path() + "/sub");
    EXPECT_EQ(qw::ResolveStartupPath("./sub/../start book.txt"), path);
    ASSERT_TRUE(loader.openStartupFile("start book.txt"));
    std::filesystem::current_path(cwd);
    EXPECT_EQ(book.FileName, path);
    EXPECT_EQ(host.lastRead.back().path, path);
    EXPECT_FALSE(loader.openStartupFile(dir.path() + "/nothing.txt"));
}

TEST_F(BookLoaderTest, CloseWithoutEditsAsksNothing) {
    ASSERT_TRUE(loader.loadFiles({file("a.txt", "A")}));
    EXPECT_TRUE(loader.closeBook());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(host.closedCalls, 1);
    EXPECT_EQ(book.FileName, "");
    EXPECT_EQ(book.Pages.PageCount, 0);
}

} // namespace
