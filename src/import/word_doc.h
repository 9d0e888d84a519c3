#pragma once
// Word documents without any outside component: Word 97 and later and
// Word 6/95 documents in OLE compound files, and a few older single-stream
// formats recognised by their first two bytes.

#include "import/compound_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace qw {

extern const char* const kWordOpenError;    // "Error opening Word document in OLE compound"
extern const char* const kWordEncrypted;    // "Can't open encrypted Word file"
extern const char* const kWordNotSupported; // "No supported Word document found in OLE compound"

// What IsWordDocument found out, for the WordDocToText that follows.
struct WordDocument {
    // 0: not a Word document (the file is shown as plain text); 1 to 4: the
    // single-stream formats; 5: Word 6/95 (main text only); 6: Word 97 and
    // later (all parts).
    int kind = 0;
    CompoundStream wordStream;
    CompoundStream tableStream;
    bool hasTableStream = false;
    // Messages to show the user, in order (errors and the FAT warnings).
    std::vector<std::string> messages;

    bool isWord() const { return kind != 0; }
};

WordDocument IsWordDocument(std::string_view file);

// The text of a document IsWordDocument recognised, in UTF-8 (16-bit text
// without loss, 8-bit text read as Windows-1252); not trimmed. Paragraphs
// end in CR LF (kinds 4 to 6) or a lone CR (kinds 1 to 3); with blankLine
// ("DOC blank line between paragraphs") a blank line follows each.
std::string WordDocToText(std::string_view file, const WordDocument& document, bool blankLine);

// Word's text filter over text[start, start + length): field codes left out,
// field results kept, cell marks as TABs, breaks as CR LF, control
// characters dropped. The bytes pass through unchanged otherwise, so the
// filter serves any byte encoding whose control characters are ASCII.
std::string FilterWordText(std::string_view text, size_t start, size_t length, int kind,
                           bool blankLine);

} // namespace qw
