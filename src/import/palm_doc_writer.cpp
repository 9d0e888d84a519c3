#include "import/palm_doc_writer.h"

#include "import/palm_doc.h"

namespace qw {

WriteOutcome WritePalmDoc(const std::string& path, std::string_view text, std::string_view title) {
    const std::string database = BuildPalmDoc(text, title, PalmDocTimestampNow());
    if (database.empty())
        return {false, "the text is too long for a Palm Doc file"};
    return ReplaceFileContents(path, database);
}

} // namespace qw
