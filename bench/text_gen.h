#pragma once
// Generated texts for the benchmarks: deterministic, book-like.

#include <cstddef>
#include <string>

namespace qw::bench {

// A hard-wrapped novel of about `bytes` bytes: paragraphs of 5 to 15 lines of
// at most 70 characters, blank lines between them, chapter headings, a few
// tabs and long unbroken words. LF line ends when unixLines, else CR LF.
// UTF-8 text.
std::string GenerateNovel(std::size_t bytes, bool unixLines = false, unsigned seed = 1);

// The same novel in Cyrillic letters, about `bytes` bytes of UTF-8, CR LF.
std::string GenerateRussianNovel(std::size_t bytes, unsigned seed = 1);

// The name of generated book record i: a path in one of 97 author folders.
std::string BookRecordName(int i);
// Book record i as the reader writes it: its section line and keys.
std::string BookRecord(int i);

} // namespace qw::bench
