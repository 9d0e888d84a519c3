#include "reader/save_as.h"

#include "controls/scripted_dialogs.h"
#include "import/convert.h"
#include "import/palm_doc.h"
#include "import/palm_doc_writer.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using std::string;
using Kind = qw::ScriptedDialogs::Kind;

using qw::test::Slurp;

class FakeHost : public qw::SaveHost {
  public:
    bool removal = false;
    string title;
    std::vector<string> calls;
    std::vector<qw::FileRef> recent;

    void closePanels() override { calls.push_back("closePanels"); }
    bool removeLineBreaksChecked() override { return removal; }
    void uncheckLineBreakRemoval() override {
        removal = false;
        calls.push_back("uncheck");
    }
    string bookTitle() override { return title; }
    void showProgress(const string& caption) override { calls.push_back(caption); }
    void addRecentFile(const qw::FileRef& file) override { recent.push_back(file); }
    void bookSaved(const qw::Book& book) override { calls.push_back("saved " + book.FileName); }
    void updateCaption() override { calls.push_back("caption"); }
};

class SaveAsTest : public testing::Test {
  protected:
    void SetUp() override {
        book.FileName = dir.path() + "/novel.txt";
        book.RawText = "Line one\r\nline two.\r\n\r\nNext";
        book.WorkText = "Line one line two.\r\n\r\nNext";
        book.TextEdited = true;
    }
    void choose(const string& name) {
        dialogs.saveChoices.push_back(qw::SaveFileChoice{dir.path() + "/" + name, 2});
    }

    qw::test::TempDir dir;
    qw::Book book;
    FakeHost host;
    qw::ScriptedDialogs dialogs;
};

TEST_F(SaveAsTest, NoBookNothingHappens) {
    qw::Book none;
    EXPECT_EQ(qw::SaveAs(none, host, dialogs), qw::SaveOutcome::NothingToSave);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(SaveAsTest, DialogProposesTheBooksNameInItsFolder) {
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Cancelled);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const qw::SaveFileRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.title, "Save as ...");
    EXPECT_EQ(request.filters,
              "Quirewell files|*.qwl|Text files|*.txt|Palm Doc files|*.pdb|All files|*|"
              "Text, Windows-1252|*.txt");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_EQ(request.initialFolder, dir.path());
    EXPECT_EQ(request.defaultName, "novel");
    // Cancelled: untouched.
    EXPECT_EQ(book.FileName, dir.path() + "/novel.txt");
    EXPECT_TRUE(book.TextEdited);
    EXPECT_EQ(host.calls, std::vector<string>{"closePanels"});
}

TEST_F(SaveAsTest, SavesPlainTextAndSwitchesToTheNewFile) {
    choose("copy.txt");
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Saved);
    const string path = dir.path() + "/copy.txt";
    EXPECT_EQ(Slurp(path), book.RawText);
    EXPECT_EQ(book.FileName, path);
    EXPECT_FALSE(book.TextEdited);
    EXPECT_EQ(host.recent, (std::vector<qw::FileRef>{{path, ""}}));
    EXPECT_EQ(host.calls, (std::vector<string>{"closePanels", "Saving file " + path + " ...",
                                               "saved " + path}));
    EXPECT_TRUE(dialogs.messages().empty());
    // A name without extension gets ".txt".
    choose("plain");
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Saved);
    EXPECT_EQ(book.FileName, dir.path() + "/plain.txt");
    EXPECT_EQ(Slurp(dir.path() + "/plain.txt"), book.RawText);
}

TEST_F(SaveAsTest, ArchiveMemberProposesItsNameAndBecomesAPlainFile) {
    book.FileName = dir.path() + "/set.zip";
    book.ArchiveEntry = "books/part1.txt";
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Cancelled);
    EXPECT_EQ(dialogs.saveRequests.at(0).defaultName, "part1");
    EXPECT_EQ(dialogs.saveRequests.at(0).initialFolder, dir.path());
    EXPECT_EQ(book.ArchiveEntry, "books/part1.txt");
    choose("part1.txt");
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Saved);
    EXPECT_EQ(book.FileName, dir.path() + "/part1.txt");
    EXPECT_TRUE(book.ArchiveEntry.empty());
}

TEST_F(SaveAsTest, ExistingFileAsksAndCancelKeepsIt) {
    const string path = dir.write("old.txt", "keep me");
    choose("old.txt");
    dialogs.answers.push_back(false);
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Cancelled);
    EXPECT_EQ(dialogs.messages(),
              std::vector<string>{"File " + path + " already exists! Overwrite?"});
    EXPECT_EQ(Slurp(path), "keep me");
    EXPECT_NE(book.FileName, path);

    choose("old.txt");
    dialogs.answers.push_back(true);
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Saved);
    EXPECT_EQ(Slurp(path), book.RawText);
}

TEST_F(SaveAsTest, WithRemovalOnTheAnswerSaysWhetherToSaveOneLinePerParagraph) {
    const string raw = book.RawText, work = book.WorkText;
    for (bool join : {false, true}) {
        SCOPED_TRACE(join);
        host.removal = true;
        book.RawText = raw;
        qw::ScriptedDialogs d;
        const string path = dir.path() + (join ? "/b.txt" : "/a.txt");
        d.saveChoices.push_back(qw::SaveFileChoice{path, 2});
        d.answers.push_back(join);
        EXPECT_EQ(qw::SaveAs(book, host, d), qw::SaveOutcome::Saved);
        EXPECT_EQ(Slurp(path), join ? work : raw);
        EXPECT_EQ(book.RawText, join ? work : raw);
        EXPECT_EQ(host.removal, !join);
        EXPECT_EQ(d.messages(), join ? (std::vector<string>{qw::kSaveWithoutBreaksQuestion,
                                                            qw::kSavedWithoutBreaksInfo})
                                     : std::vector<string>{qw::kSaveWithoutBreaksQuestion});
    }
}

TEST_F(SaveAsTest, WithoutBreaksKeepsTheGutenbergHeaderAndLicence) {
    const string header = "Title: X\r\n*** START OF THE PROJECT GUTENBERG EBOOK X ***\r\n";
    const string licence = "*** END OF THE PROJECT GUTENBERG EBOOK X ***\r\nLicence.\r\n";
    book.RawText = header + "Line one\r\nline two.\r\n" + licence;
    book.Frame = qw::FindGutenbergFrame(book.RawText);
    book.FrameSkipped = true;
    book.WorkText = "Line one line two.\r\n";
    host.removal = true;
    choose("c.txt");
    dialogs.answers.push_back(true);
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Saved);
    EXPECT_EQ(Slurp(dir.path() + "/c.txt"), header + "Line one line two.\r\n" + licence);
    ASSERT_TRUE(book.Frame.found);
    EXPECT_EQ(book.RawText.substr(book.Frame.bodyBegin, book.Frame.bodyEnd - book.Frame.bodyBegin),
              book.WorkText);
}

TEST_F(SaveAsTest, PalmDocAsksForTheTitleAndWrites) {
    host.title = "My Novel";
    choose("novel.pdb");
    dialogs.inputs.push_back(string("Typed Title"));
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Saved);
    ASSERT_EQ(dialogs.shown.at(1).kind, Kind::Input);
    EXPECT_EQ(dialogs.shown.at(1).text, "Title of the Palm Doc file (max. 31 characters)");
    const qw::PalmDocText read = qw::PalmDocToText(Slurp(dir.path() + "/novel.pdb"), false);
    EXPECT_EQ(read.title, "Typed Title");
    EXPECT_EQ(read.text, book.RawText);
    EXPECT_EQ(book.FileName, dir.path() + "/novel.pdb");
    // A cancelled title leaves the book.
    book.TextEdited = true;
    choose("x.PDB");
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::Cancelled);
    EXPECT_EQ(book.FileName, dir.path() + "/novel.pdb");
    EXPECT_TRUE(book.TextEdited);
}

TEST_F(SaveAsTest, PalmDocTitleProposalIsCutTo31Characters) {
    qw::ScriptedDialogs titles;
    titles.saveChoices.push_back(
        qw::SaveFileChoice{dir.path() + "/A very long file name of many words.pdb", 3});
    titles.inputs.push_back(string(40, 'x')); // the field takes 31 at most
    EXPECT_EQ(qw::SaveAs(book, host, titles), qw::SaveOutcome::Saved);
    EXPECT_EQ(titles.inputRequests.back().value, "A very long file name of many w");
    EXPECT_EQ(titles.inputRequests.back().title, "Palm Doc title");
    EXPECT_EQ(titles.inputRequests.back().maxLength, 31);
    const qw::PalmDocText read =
        qw::PalmDocToText(Slurp(dir.path() + "/A very long file name of many words.pdb"), false);
    EXPECT_EQ(read.title, string(31, 'x'));

    host.title = "\xc3\xa9" + string(35, 'e'); // UTF-8: cut by characters, not bytes
    titles.saveChoices.push_back(qw::SaveFileChoice{dir.path() + "/t.pdb", 3});
    titles.inputs.push_back(std::nullopt);
    EXPECT_EQ(qw::SaveAs(book, host, titles), qw::SaveOutcome::Cancelled);
    EXPECT_EQ(titles.inputRequests.back().value, "\xc3\xa9" + string(30, 'e'));
}

TEST_F(SaveAsTest, WriteFailureIsShownAndTheBookStaysEdited) {
    dialogs.saveChoices.push_back(qw::SaveFileChoice{dir.path() + "/missing/out.txt", 2});
    book.TextEdited = false;
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::WriteFailed);
    EXPECT_EQ(dialogs.messages(), std::vector<string>{"Error saving this file - (disk full?)"});
    EXPECT_EQ(book.FileName, dir.path() + "/missing/out.txt");
    EXPECT_TRUE(book.TextEdited);
    EXPECT_TRUE(host.recent.empty());

    dialogs.clear();
    dialogs.saveChoices.push_back(qw::SaveFileChoice{dir.path() + "/missing/out.pdb", 3});
    dialogs.inputs.push_back(string("t"));
    EXPECT_EQ(qw::SaveAs(book, host, dialogs), qw::SaveOutcome::WriteFailed);
    EXPECT_EQ(dialogs.shown.back().text, "Error saving this file - (disk full?)");
}

// Text is saved as UTF-8; the Windows-1252 choice and Palm DOC say how many
// characters Windows-1252 lacks, and keep the others.
TEST_F(SaveAsTest, Windows1252ChoicesWarnOfTheCharactersTheyLack) {
    struct Case {
        const char* name;
        int filter;
        string text;
        string written;      // the text as read back
        const char* warning; // nullptr: none
    };
    const string russian = "\u041f\u0440 caf\u00e9 \u20ac";
    for (const Case& c : {
             Case{"utf8.txt", 2, russian, russian, nullptr},
             Case{"old.txt", qw::kSaveFilterTextCp1252, russian, "?? caf\xe9 \x80",
                  "2 characters of the text are not in Windows-1252 and are saved as \"?\"."},
             Case{"west.txt", qw::kSaveFilterTextCp1252, "caf\u00e9", "caf\xe9", nullptr},
             Case{"old.pdb", 3, russian, "?? caf\u00e9 \u20ac",
                  "2 characters of the text are not in Windows-1252 and are saved as \"?\"."},
         }) {
        qw::Book b;
        b.FileName = dir.path() + "/book.txt";
        b.RawText = c.text;
        qw::ScriptedDialogs d;
        d.saveChoices.push_back(qw::SaveFileChoice{dir.path() + "/" + c.name, c.filter});
        d.inputs.push_back(string("Title"));
        EXPECT_EQ(qw::SaveAs(b, host, d), qw::SaveOutcome::Saved) << c.name;
        const string bytes = Slurp(dir.path() + "/" + c.name);
        EXPECT_EQ(c.filter == 3 ? qw::ConvertToText(bytes, ".PDB", {}).text : bytes, c.written)
            << c.name;
        const bool warned = std::any_of(d.shown.begin(), d.shown.end(), [&](const auto& s) {
            return c.warning != nullptr && s.text == c.warning;
        });
        EXPECT_EQ(warned, c.warning != nullptr) << c.name;
    }
}

TEST(FirstCharacters, CountsCharactersNotBytes) {
    EXPECT_EQ(qw::FirstCharacters("abc", 2), "ab");
    EXPECT_EQ(qw::FirstCharacters("\xc3\xa9\xe2\x82\xac!", 2), "\xc3\xa9\xe2\x82\xac");
    EXPECT_EQ(qw::FirstCharacters("ab", 5), "ab");
    EXPECT_EQ(qw::FirstCharacters("\xff\xfe", 1), "\xff");
}

} // namespace
