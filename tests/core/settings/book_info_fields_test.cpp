#include "settings/book_info_fields.h"

#include <gtest/gtest.h>

namespace {

using qw::BookInfo;
using qw::BookKey;

struct FieldCase {
    BookKey key;
    const char* edited;
    const char* stored;
};

class InfoFieldRoundTrip : public ::testing::TestWithParam<FieldCase> {};

TEST_P(InfoFieldRoundTrip, EditedValueIsStoredUnderItsKey) {
    const FieldCase c = GetParam();
    BookInfo info;
    qw::SetInfoField(info, c.key, c.edited);
    EXPECT_EQ(qw::StoredInfoValue(info, c.key), c.stored);

    qw::ConfigFile config;
    std::vector<std::string> announced;
    config.SetNewSectionListener([&](const std::string& s) { announced.push_back(s); });
    qw::WriteInfoField(config, "/books/a.txt", info, c.key);
    EXPECT_EQ(config.ReadString("/books/a.txt", qw::BookKeyName(c.key), "?"), c.stored);
    EXPECT_EQ(announced, std::vector<std::string>{"/books/a.txt"});

    // The record read back gives the edited field again.
    qw::BookRecord current;
    const qw::BookRecord loaded = qw::LoadBookSection(config, "/books/a.txt", current, {}, {}, {});
    BookInfo expected;
    qw::SetInfoField(expected, c.key, c.edited);
    EXPECT_EQ(qw::StoredInfoValue(loaded.info, c.key), qw::StoredInfoValue(expected, c.key));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, InfoFieldRoundTrip,
    ::testing::Values(FieldCase{BookKey::Title, "Caf\xc3\xa9 [one]", "Caf\xc3\xa9 [one]"},
                      FieldCase{BookKey::Subtitle, "A tale", "A tale"},
                      FieldCase{BookKey::Author, "Someone", "Someone"},
                      FieldCase{BookKey::Rating, "4", "4"},
                      FieldCase{BookKey::Categories, "novel, sea", "novel, sea"},
                      FieldCase{BookKey::Source, "example.org/b", "example.org/b"},
                      FieldCase{BookKey::Synopsis, "one\r\ntwo", "one||two"},
                      FieldCase{BookKey::AdditionalInformation, "a\r\n\r\nb", "a||||b"},
                      FieldCase{BookKey::Remarks, "note", "note"},
                      FieldCase{BookKey::Finished, "Yes", "Yes"},
                      FieldCase{BookKey::Finished, "No", "No"}));

TEST(InfoFields, OnlyInformationKeysAreEdited) {
    BookInfo info;
    info.title = "kept";
    qw::SetInfoField(info, BookKey::Page, "12");
    EXPECT_EQ(info.title, "kept");
    EXPECT_EQ(qw::StoredInfoValue(info, BookKey::Page), "");

    qw::ConfigFile config;
    EXPECT_FALSE(qw::WriteInfoField(config, "/books/a.txt", info, BookKey::Page));
    EXPECT_FALSE(config.SectionExists("/books/a.txt"));
}

TEST(InfoFields, AnEmptiedFieldIsWrittenEmpty) {
    qw::ConfigFile config;
    config.Parse("[/b/a.txt]\nTitle=Old\n");
    BookInfo info;
    std::vector<std::string> announced;
    config.SetNewSectionListener([&](const std::string& s) { announced.push_back(s); });
    qw::WriteInfoField(config, "/b/a.txt", info, BookKey::Title);
    EXPECT_TRUE(config.ValueExists("/b/a.txt", "Title"));
    EXPECT_EQ(config.ReadString("/b/a.txt", "Title", "?"), "");
    EXPECT_TRUE(announced.empty()); // the record existed
}

TEST(InfoFields, FileTitleDropsFolderAndExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"/books/Moby Dick.txt", "Moby Dick"},
        {"/books/archive.tar.gz", "archive.tar"},
        {"/books/no extension", "no extension"},
        {"/books.d/plain", "plain"},
        {"/books/.hidden", ".hidden"},
        {"name.txt", "name"},
        {"", ""},
        {"/books/", ""},
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(qw::FileTitleOf(path), title) << path;
}

TEST(InfoFields, ByteCountsAreGroupedByThrees) {
    EXPECT_EQ(qw::FormatByteCount(0, ","), "0 Bytes");
    EXPECT_EQ(qw::FormatByteCount(999, ","), "999 Bytes");
    EXPECT_EQ(qw::FormatByteCount(1000, ","), "1,000 Bytes");
    EXPECT_EQ(qw::FormatByteCount(1234567, "."), "1.234.567 Bytes");
    EXPECT_EQ(qw::FormatByteCount(123456, "\xc2\xa0"), "123\xc2\xa0"
                                                       "456 Bytes");
    EXPECT_EQ(qw::FormatByteCount(18446744073709551615ull, ","),
              "18,446,744,073,709,551,615 Bytes");
}

TEST(InfoFields, SourceAddressGetsTheWebSchemeWhenItHasNone) {
    const std::pair<const char*, const char*> cases[] = {
        {"example.org/book", "http://example.org/book"},
        {"HTTP://example.org", "HTTP://example.org"},
        {"Http://example.org", "Http://example.org"},
        {"https://example.org", "https://example.org"},
        {"HTTPS://example.org", "HTTPS://example.org"},
        {"  example.org  ", "http://example.org"},
        {"http:/", "http://http:/"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [source, address] : cases)
        EXPECT_EQ(qw::SourceAddress(source), address) << source;
}

} // namespace
