#include "import/convert.h"

#include "import/archive.h"
#include "import/html_to_text.h"
#include "import/palm_doc.h"
#include "import/plain_text.h"
#include "import/rtf_to_text.h"
#include "import/text_decoding.h"
#include "import/word_doc.h"
#include "import/xml_to_text.h"

namespace qw {

std::string PlainTextToText(std::string_view content) {
    // Windows-1252 input, the common case, is cleaned straight from the file's bytes.
    if (DetectTextEncoding(content) == TextEncoding::Cp1252)
        return CleanPlainText(content);
    return CleanPlainText(TranscodeToCp1252(content));
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
    if (upperExtension == ".HTM" || upperExtension == ".HTML") {
        const TextEncoding encoding = DetectHtmlEncoding(content);
        if (encoding == TextEncoding::Cp1252)
            return Trimmed(HtmlToText(content, options));
        return Trimmed(HtmlToText(TranscodeToCp1252(content, encoding), options));
    }

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
        // Text stored as UTF-8 is read as a plain file would be.
        const TextEncoding encoding = DetectTextEncoding(palm.text);
        if (!palm.failed && encoding != TextEncoding::Cp1252)
            palm.text = TranscodeToCp1252(palm.text, encoding);
        ConvertResult result = Trimmed(std::move(palm.text));
        result.palmDocTitle = std::move(palm.title);
        result.failed = palm.failed;
        result.error = std::move(palm.error);
        return result;
    }

    // 6. Everything else is plain text.
    ConvertResult result = Trimmed(PlainTextToText(content));
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
