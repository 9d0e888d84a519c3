// Opening Word, RTF and Palm DOC files through the loading flow.

#include "reader/book_loader.h"

#include "controls/scripted_dialogs.h"
#include "core/import/word_doc_builder.h"
#include "import/read_file.h"
#include "import/word_doc.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using std::string;

class QuietHost : public qw::LoadHost {
  public:
    bool removalSwitchedOff = false;
    std::optional<string> member; // the bytes of any archive member
    void showProgress(const string&) override {}
    void setBusy(bool) override {}
    std::vector<string> archiveMembersToOpen(const string&) override { return {}; }
    std::optional<string> extractArchiveMember(const string&, const string&) override {
        return member;
    }
    qw::ImportOptions importOptions() override { return {}; }
    void switchOffLineBreakRemoval() override { removalSwitchedOff = true; }
    void firstFileLoaded(qw::Book&, bool) override {}
    void layOutBook(qw::Book& book) override { book.WorkText = book.RawText; }
    void bookLoaded(qw::Book&) override {}
    void registerLastRead(const qw::FileRef&) override {}
    void bookClosed(qw::Book&) override {}
    void updateCaption() override {}
};

class LoadDocumentsTest : public testing::Test {
  protected:
    string document(const string& name) { return string(QW_TEST_DATA_DIR) + "/documents/" + name; }
    qw::test::TempDir dir;
    qw::Book book;
    QuietHost host;
    qw::ScriptedDialogs dialogs;
    qw::BookLoader loader{book, host, dialogs};
};

// Word and RTF switch the removal of line breaks off; Palm DOC keeps it and
// gives its title.
TEST_F(LoadDocumentsTest, DocumentsOpenAsCleanText) {
    for (const auto& [name, switchedOff, title] : {std::tuple{"novel.doc", true, ""},
                                                   {"novel.rtf", true, ""},
                                                   {"novel_c.pdb", false, "Novel Title"}}) {
        SCOPED_TRACE(name);
        host.removalSwitchedOff = false;
        ASSERT_TRUE(loader.loadFile(document(name), "", 1, 1));
        EXPECT_EQ(book.RawText.substr(0, 22), "Then may not when long");
        EXPECT_EQ(book.RawText.find('\x07'), string::npos);
        EXPECT_EQ(host.removalSwitchedOff, switchedOff);
        EXPECT_EQ(book.PalmDocTitle, title);
    }
    EXPECT_TRUE(dialogs.messages().empty());
    ASSERT_TRUE(loader.loadFile(dir.write("plain.txt", "text"), "", 1, 1));
    EXPECT_EQ(book.PalmDocTitle, "");
}

TEST_F(LoadDocumentsTest, WordMessagesAreShownAndTheFileOpensAsText) {
    qw::test::WordBuild build;
    build.pieces.push_back({"secret", false, {}});
    build.encrypted = true;
    const string path = dir.write("locked.doc", qw::test::BuildWordDocument(build));
    ASSERT_TRUE(loader.loadFile(path, "", 1, 1));
    EXPECT_EQ(dialogs.messages(), (std::vector<string>{qw::kWordEncrypted, qw::kWordNotSupported}));
    EXPECT_FALSE(book.RawText.empty());
}

TEST_F(LoadDocumentsTest, MembersOfArchivesConvertByTheirOwnExtension) {
    const qw::FileBytes doc = qw::ReadWholeFile(document("novel.doc"));
    host.member = doc.bytes;
    const string archive = dir.write("set.zip", "not read: the host extracts");
    ASSERT_TRUE(loader.loadFile(archive, "texts/novel.doc", 1, 1));
    EXPECT_EQ(book.RawText.substr(0, 22), "Then may not when long");
    EXPECT_EQ(book.ArchiveEntry, "texts/novel.doc");
    host.member = qw::ReadWholeFile(document("novel_u.pdb")).bytes;
    ASSERT_TRUE(loader.loadFile(archive, "novel.PDB", 1, 1));
    EXPECT_EQ(book.RawText.substr(0, 22), "Then may not when long");
    EXPECT_EQ(book.PalmDocTitle, "Novel Plain");
    host.member = qw::ReadWholeFile(document("novel.rtf")).bytes;
    ASSERT_TRUE(loader.loadFile(archive, "a/novel.rtf", 1, 1));
    EXPECT_EQ(book.RawText.substr(0, 22), "Then may not when long");
}

} // namespace
