// quirewell-convert: turns any file the reader opens into plain text (or a
// Palm DOC file) without a window, with the reader's own converters.

#include "import/archive.h"
#include "import/convert.h"
#include "import/cp1252.h"
#include "import/natural_sort.h"
#include "import/palm_doc.h"
#include "import/palm_doc_writer.h"
#include "import/plain_text.h"
#include "import/read_file.h"
#include "import/zip_archive.h"
#include "reader/remove_line_breaks.h"
#include "reader/toc_listing.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "Usage: quirewell-convert [OPTIONS] INPUT [OUTPUT]\n"
    "Converts INPUT to the plain text Quirewell shows for it.\n"
    "\n"
    "  --to txt        write plain text (the default)\n"
    "  --to pdb        write a Palm DOC database\n"
    "  --title TITLE   its title, at most 31 characters (default: OUTPUT's name)\n"
    "  --cp1252        write Windows-1252 bytes instead of UTF-8\n"
    "  --remove-line-breaks      join the lines of hard-wrapped paragraphs\n"
    "  --not-after-punctuation   with it: keep breaks after punctuation marks\n"
    "  --not-before-indentation  with it: keep breaks before indented lines\n"
    "  --emphasis MODE HTML emphasis as caps (the default), marks (*bold*\n"
    "                  /italic/ _underlined_) or none\n"
    "  --contents      list the sections the reader would find instead of the\n"
    "                  text: one line each, the display-line number, a TAB and\n"
    "                  the heading (LF line breaks). The criteria are the\n"
    "                  defaults: at least 3 blank lines before a heading, 5\n"
    "                  lines apart counting blank lines, any heading text.\n"
    "                  Lines are counted as fitted to 80 units a line, every\n"
    "                  character one unit; --remove-line-breaks applies first\n"
    "  -h, --help      show this help\n"
    "\n"
    "OUTPUT missing or \"-\" writes to standard output. Line breaks are CR LF.\n"
    "INPUT may name a member of a ZIP archive as ARCHIVE.zip|MEMBER; a ZIP\n"
    "archive alone is converted when it holds one file that is not ignored.\n";

struct Arguments {
    std::string input;
    std::string output = "-";
    std::string format = "txt";
    std::string title;
    bool hasTitle = false;
    bool cp1252 = false;
    std::string emphasis = "caps";
    bool removeLineBreaks = false;
    bool contents = false;
    bool notAfterPunctuation = false;
    bool notBeforeIndentation = false;
};

int fail(const std::string& message) {
    std::fprintf(stderr, "quirewell-convert: %s\n", message.c_str());
    return 1;
}

// Messages use "\r" as a line break, as in the reader's message boxes.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r')
            c = ' ';
    return text;
}

bool writeAll(const std::string& path, const std::string& data, std::string& error) {
    FILE* out = path == "-" ? stdout : std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        error = "Cannot write file " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool ok = std::fwrite(data.data(), 1, data.size(), out) == data.size();
    const bool closed = out == stdout ? std::fflush(out) == 0 : std::fclose(out) == 0;
    if (!ok || !closed) {
        error = "Cannot write file " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

// The name of a path without its folder and extension.
std::string bareName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

int writePalmDoc(const Arguments& args, const std::string& text) {
    std::string title = qw::Utf8ToCp1252(
        args.hasTitle ? args.title : bareName(args.output == "-" ? args.input : args.output));
    if (title.size() > qw::kPalmDocMaxTitle)
        title.resize(qw::kPalmDocMaxTitle);
    if (args.output == "-") {
        const std::string database = qw::BuildPalmDoc(text, title, qw::PalmDocTimestampNow());
        std::string error;
        if (database.empty())
            return fail("the text is too long for a Palm Doc file");
        return writeAll("-", database, error) ? 0 : fail(error);
    }
    const qw::WriteOutcome written = qw::WritePalmDoc(args.output, text, title);
    if (!written.ok)
        return fail(written.detail);
    return 0;
}

struct InputBytes {
    std::string bytes;
    std::string extension; // the upper-cased extension that picks the converter
    std::string error;
};

// A plain file, a ZIP archive member ("archive.zip|member"), a ZIP archive of
// one file that is not ignored, or an OpenOffice / OpenDocument text.
InputBytes readInput(const std::string& input, const qw::ImportOptions& options) {
    InputBytes result;
    qw::FileRef ref;
    if (std::FILE* whole = std::fopen(input.c_str(), "rb")) { // a name with "|" in it
        std::fclose(whole);
        ref.path = input;
    } else {
        ref = qw::FileRef::parse(input);
    }
    const std::string extension = qw::UpperExtension(ref.path);
    if (ref.entry.empty() && qw::IsZippedXmlDocument(extension)) {
        ref.entry = "content.xml";
    } else if (ref.entry.empty() && extension == ".ZIP") {
        const std::vector<std::string> entries =
            qw::SortArchiveListing(qw::ListArchive(ref.path, true, options.ignoredFiles).entries);
        if (entries.size() != 1) {
            result.error = "archive " + ref.path + " holds " + std::to_string(entries.size()) +
                           " files that are not ignored; name one as ARCHIVE|MEMBER";
            for (const std::string& entry : entries)
                result.error += "\n  " + entry;
            return result;
        }
        ref.entry = entries.front();
    } else if (ref.entry.empty()) {
        qw::FileBytes file = qw::ReadWholeFile(ref.path);
        result.bytes = std::move(file.bytes);
        result.error = std::move(file.error);
        result.extension = extension;
        return result;
    }
    qw::ArchiveEntryBytes member = qw::ExtractArchiveEntry(ref.path, ref.entry);
    result.bytes = std::move(member.bytes);
    result.error = std::move(member.error);
    result.extension = qw::UpperExtension(ref.entry);
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    Arguments args;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--cp1252") {
            args.cp1252 = true;
        } else if (arg == "--contents") {
            args.contents = true;
        } else if (arg == "--remove-line-breaks") {
            args.removeLineBreaks = true;
        } else if (arg == "--not-after-punctuation") {
            args.notAfterPunctuation = true;
        } else if (arg == "--not-before-indentation") {
            args.notBeforeIndentation = true;
        } else if (arg == "--to") {
            if (i + 1 >= argc)
                return fail("--to needs a format (txt)");
            args.format = argv[++i];
        } else if (arg.rfind("--to=", 0) == 0) {
            args.format = arg.substr(5);
        } else if (arg == "--title") {
            if (i + 1 >= argc)
                return fail("--title needs a text");
            args.title = argv[++i];
            args.hasTitle = true;
        } else if (arg == "--emphasis") {
            if (i + 1 >= argc)
                return fail("--emphasis needs a mode (caps, marks, none)");
            args.emphasis = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            return fail("unknown option " + arg + " (see --help)");
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty() || positional.size() > 2)
        return fail("expected INPUT [OUTPUT] (see --help)");
    args.input = positional[0];
    if (positional.size() == 2)
        args.output = positional[1];
    if (args.format != "txt" && args.format != "pdb")
        return fail("unknown output format " + args.format + " (txt, pdb)");

    if (args.emphasis != "caps" && args.emphasis != "marks" && args.emphasis != "none")
        return fail("unknown emphasis mode " + args.emphasis + " (caps, marks, none)");
    qw::ImportOptions options;
    options.htmlEmphasisAsCapitals = args.emphasis == "caps";
    options.htmlEmphasisMarks = args.emphasis == "marks";

    InputBytes file = readInput(args.input, options);
    if (!file.error.empty())
        return fail(oneLine(file.error));
    qw::ConvertResult converted = qw::ConvertToText(file.bytes, file.extension, options);
    for (const std::string& message : converted.messages)
        std::fprintf(stderr, "quirewell-convert: %s\n", oneLine(message).c_str());
    if (converted.failed)
        return fail("Cannot open contents of " + args.input + "!");
    std::string text = std::move(converted.text);
    qw::NormalizeLineBreaksInPlace(text, false);
    if (args.removeLineBreaks) {
        qw::LineBreakOptions lineBreaks;
        lineBreaks.notAfterPunctuation = args.notAfterPunctuation;
        lineBreaks.notBeforeIndentation = args.notBeforeIndentation;
        text = qw::RemoveLineBreaks(text, lineBreaks);
    }
    if (args.contents) {
        std::string listing;
        for (const qw::ListedSection& s :
             qw::ListSections(text, qw::TocCriteriaOf(qw::BookSettings{})))
            listing += std::to_string(s.line) + "\t" + s.text + "\n";
        text = std::move(listing);
    } else if (args.format == "pdb") {
        return writePalmDoc(args, text);
    }
    if (!args.cp1252)
        text = qw::Cp1252ToUtf8(text);
    std::string error;
    if (!writeAll(args.output, text, error))
        return fail(error);
    return 0;
}
