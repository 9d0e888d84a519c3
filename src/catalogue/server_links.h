#pragma once
// Reading what the catalogue servers offer for a title: the file links of
// their listing pages, the match of a wanted name against the names found,
// and the size and date of a HEAD answer. Every name handed out is a plain
// file name (IsSafeFileName); other links are dropped.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

// Links of a directory listing (HREF="name"), without those holding "/" or "?".
std::vector<std::string> NewStyleLinks(std::string_view page);
// Links of a yearly directory listing that begin with prefix.
std::vector<std::string> OldStyleLinks(std::string_view page, std::string_view prefix);
// Links of the Australian listing page to /ebooksYY/ whose names begin with
// nameStart (the first six characters of the wanted name; YY its first two).
std::vector<std::string> AustralianLinks(std::string_view page, std::string_view nameStart);

// Whether a wanted yearly name, which may hold the wildcards "?", "x" and
// "X", names the found file. A run of "x" before the dot of the wanted name
// shrinks or grows to the length of the found name's stem.
bool OldStyleNameMatches(std::string wanted, std::string_view found);

// The choice among the found names: the last match of the yearly rule; the
// last name whose extension begins with the wanted one's (Australian; ".html"
// answers ".htm"); the first name that begins with the wanted one, letter
// case ignored (today's). Empty when nothing matches.
std::string PickOldStyle(const std::vector<std::string>& found, const std::string& wanted);
std::string PickAustralian(const std::vector<std::string>& found, const std::string& wanted);
std::string PickNewStyle(const std::vector<std::string>& found, const std::string& wanted);

// What a HEAD answer tells about a file: the header lines "Content-Length: "
// and "Last-Modified: " (case-sensitive, the last one wins).
struct HeadInfo {
    std::int64_t length = 0; // 0 when absent or empty
    std::string date;
    std::string error; // a length that is no number
};
HeadInfo ParseHeadInfo(const std::vector<std::string>& headerLines);

// The size column: "1,234,567"; empty for 0 or less.
std::string FormatSize(std::int64_t length);

} // namespace qw
