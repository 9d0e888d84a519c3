#include "import/convert.h"

#include "import/archive.h"
#include "import/cp1252.h"
#include "import/html_to_text.h"
#include "import/palm_doc.h"
#include "import/plain_text.h"
#include "import/rtf_to_text.h"
#include "import/text_decoding.h"
#include "import/utf8.h"
#include "import/word_doc.h"
#include "import/xml_to_text.h"

namespace qw {

std::string PlainTextToText(std::string_view content, std::string_view encoding) {
    // Valid UTF-8 (ASCII included), the common case today, is cleaned
    // straight from the file's bytes in the pass that checks it. (The marks
    // of UTF-16 and UTF-32 are never valid UTF-8.)
    std::string text;
    if (CleanPlainUtf8(content.substr(0, 3) == "\xEF\xBB\xBF" ? content.substr(3) : content, text))
        return text;
    return CleanPlainText(DecodeToUtf8(content, encoding));
}

namespace {

ConvertResult Trimmed(std::string text) {
    ConvertResult result;
    result.text = std::move(text);
    TrimConvertedTextInPlace(result.text);
    return result;
}

} // namespace

ConvertResult ConvertToText(std::string_view content, std::string_view upperExtension,
                            const ImportOptions& options) {
    // The converters are tried in this order; the plain-text pass takes
    // whatever no converter claims and never fails.

    // 1. RTF, by the extension ".RTF" or by the "{\rtf" signature whatever the
    //    extension.
    if (upperExtension == ".RTF" || content.substr(0, 5) == "{\\rtf")
        return Trimmed(RtfToText(content));

    // 2. HTML, in the encoding it declares or shows.
    if (upperExtension == ".HTM" || upperExtension == ".HTML")
        return Trimmed(HtmlToText(DecodeHtmlToUtf8(content, options.encoding), options));

    // 3. XML, also the content.xml of .sxw and .odt documents.
    if (upperExtension == ".XML")
        return Trimmed(XmlToText(content));

    // 4. ".DOC" that the Word reader recognises, its result returned untrimmed
    //    (an unrecognised ".DOC" goes on, with the reader's messages).
    std::vector<std::string> messages;
    if (upperExtension == ".DOC") {
        WordDocument document = IsWordDocument(content);
        messages = std::move(document.messages);
        if (document.isWord()) {
            ConvertResult result;
            result.text = WordDocToText(content, document, options.docBlankLine);
            result.messages = std::move(messages);
            return result;
        }
    }

    // 5. Palm DOC ".PDB".
    if (upperExtension == ".PDB") {
        PalmDocText palm = PalmDocToText(content, options.docBlankLine, options.maxTextBytes);
        // Palm DOC text is Windows-1252 unless it is valid UTF-8.
        if (!palm.failed && !IsValidUtf8Text(palm.text))
            palm.text = Cp1252ToUtf8(palm.text);
        ConvertResult result = Trimmed(std::move(palm.text));
        result.palmDocTitle = Cp1252ToUtf8(palm.title);
        result.failed = palm.failed;
        result.error = std::move(palm.error);
        return result;
    }

    // 6. Everything else is plain text.
    ConvertResult result = Trimmed(PlainTextToText(content, options.encoding));
    result.messages = std::move(messages);
    return result;
}

bool ConvertsToParagraphLines(std::string_view upperExtension) {
    return upperExtension == ".HTM" || upperExtension == ".HTML" || upperExtension == ".RTF" ||
           upperExtension == ".DOC" || IsZippedXmlDocument(upperExtension);
}

std::string UpperExtension(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos)
        return {};
    std::string ext(name.substr(dot));
    for (char& c : ext)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return ext;
}

} // namespace qw
