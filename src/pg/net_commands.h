#pragma once
// quirewell-pg lookup and get: a title's files on the catalogue servers, and
// downloading one of them, as the browser's "Look up" and "Start download".

#include <string>

namespace qw::pg {

// Exit statuses shared by every command.
constexpr int kOk = 0;
constexpr int kBadCommandLine = 1;
constexpr int kNoIndex = 2;
constexpr int kNotFound = 3;
constexpr int kFailed = 4;
constexpr int kExists = 5;

// argv[1] is "lookup" or "get"; configFolder holds Quirewell.ini (with the
// server keys) and the index files, unless --index names another folder.
int RunNetCommand(int argc, char** argv, const std::string& configFolder);

} // namespace qw::pg
