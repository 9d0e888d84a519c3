#pragma once
// Moving to the first, previous, next or last file of the open book's
// folder, the members of its ZIP archives counted as files of their own.
// Pictures, programs and the user's ignored files are stepped over.

#include "import/file_ref.h"

#include <string>
#include <vector>

namespace qw {

enum class FileDirection { First, Previous, Next, Last };

struct FileStep {
    FileRef target;      // the file to open; an empty path when there is none
    std::string message; // what to tell the user instead; empty with a target
};

// The step in a list already in file-list order. `current` is the open book
// (an empty path when no book is open, which makes every direction "First").
FileStep ChooseFolderFile(const std::vector<FileRef>& files, const FileRef& current,
                          FileDirection direction, const std::vector<std::string>& ignoredPatterns);

// Lists `folder` (no filter, no subfolders), sorts it and chooses the step.
FileStep StepThroughFolder(const std::string& folder, const FileRef& current,
                           FileDirection direction,
                           const std::vector<std::string>& ignoredPatterns);

// The folder a path lies in, without the closing "/"; empty for a bare name.
std::string FolderOfPath(const std::string& path);

} // namespace qw
