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
#include "import/text_decoding.h"
#include "import/zip_archive.h"
#include "reader/remove_line_breaks.h"
#include "reader/toc_listing.h"
#include "settings/book_settings.h"
#include "settings/config_file.h"
#include "settings/settings_model.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
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
    "  --encoding NAME read a text that is neither UTF-8 nor marked in NAME\n"
    "                  (Windows-1251, KOI8-R, GB18030, ...; default Windows-1252)\n"
    "  --config DIR    take the defaults from DIR/Quirewell.ini (read, never written)\n"
    "  --remove-line-breaks      join the lines of hard-wrapped paragraphs\n"
    "  --not-after-punctuation   with it: keep breaks after punctuation marks\n"
    "  --not-before-indentation  with it: keep breaks before indented lines\n"
    "  --doc-blank-line          a blank line between the paragraphs of Word\n"
    "                            and Palm DOC files\n"
    "  --no-OPTION     switches any of the four options above off\n"
    "  --emphasis MODE HTML emphasis as caps, marks (*bold* /italic/\n"
    "                  _underlined_) or none\n"
    "  --contents      list the sections the reader would find instead of the\n"
    "                  text: one line each, the display-line number, a TAB and\n"
    "                  the heading (LF line breaks). The criteria are those of\n"
    "                  the default book settings: at least 3 blank lines before\n"
    "                  a heading, 5 lines apart counting blank lines, any\n"
    "                  heading text. Lines are counted as fitted to\n"
    "                  80 units a line, every character one unit; line-break\n"
    "                  removal applies first\n"
    "  -h, --help      show this help\n"
    "\n"
    "Defaults are the reader's: those of a new Quirewell.ini, or of the one\n"
    "--config names (sections \"Default\", \"Import\", \"Options\" Punctuation,\n"
    "\"Ignored files\"). Without one: line breaks are removed, but not before\n"
    "indented lines, except in HTML, RTF, Word, OpenOffice and OpenDocument\n"
    "text, which already have one line per paragraph; Word and Palm DOC\n"
    "paragraphs get a blank line between them; HTML emphasis is shown in caps.\n"
    "\n"
    "OUTPUT missing or \"-\" writes to standard output. Line breaks are CR LF.\n"
    "INPUT may name a member of a ZIP archive as ARCHIVE.zip|MEMBER; a ZIP\n"
    "archive alone is converted when it holds one file that is not ignored.\n"
    "\n"
    "Exit status: 0 done; 1 bad command line; 2 INPUT (or the configuration)\n"
    "cannot be read; 3 INPUT was read but cannot be converted (a Palm DOC file\n"
    "that is damaged, too large or not of type TEXt); 4 OUTPUT cannot be\n"
    "written. Messages go to standard error.\n";

enum ExitStatus {
    kDone = 0,
    kBadCommandLine = 1,
    kUnreadableInput = 2,
    kConversionFailed = 3,
    kCannotWrite = 4,
};

// Options the command line may switch either way; unset ones take the
// configuration's value.
struct Switches {
    std::optional<bool> removeLineBreaks;
    std::optional<bool> notAfterPunctuation;
    std::optional<bool> notBeforeIndentation;
    std::optional<bool> docBlankLine;
};

struct Switch {
    const char* name;
    std::optional<bool> Switches::*field;
};

const Switch kSwitches[] = {
    {"remove-line-breaks", &Switches::removeLineBreaks},
    {"not-after-punctuation", &Switches::notAfterPunctuation},
    {"not-before-indentation", &Switches::notBeforeIndentation},
    {"doc-blank-line", &Switches::docBlankLine},
};

struct Arguments {
    std::string input;
    std::string output = "-";
    std::string format = "txt";
    std::string title;
    bool hasTitle = false;
    bool cp1252 = false;
    std::string encoding = "Auto";
    std::optional<std::string> emphasis;
    bool contents = false;
    std::string configDir;
    Switches switches;
};

int fail(ExitStatus status, const std::string& message) {
    std::fprintf(stderr, "quirewell-convert: %s\n", message.c_str());
    return status;
}

// Messages use "\r" as a line break, as in the reader's message boxes.
std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r')
            c = ' ';
    return text;
}

// Standard output for "-"; a file is replaced as the reader's Save as does.
bool writeAll(const std::string& path, const std::string& data, std::string& error) {
    if (path != "-") {
        const qw::WriteOutcome written = qw::ReplaceFileContents(path, data);
        if (!written.ok)
            error = "Cannot write file " + path + ": " + written.detail;
        return written.ok;
    }
    const bool ok = std::fwrite(data.data(), 1, data.size(), stdout) == data.size();
    if (!ok || std::fflush(stdout) != 0) {
        error = std::string("Cannot write to standard output: ") + std::strerror(errno);
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
            return fail(kConversionFailed, "the text is too long for a Palm Doc file");
        return writeAll("-", database, error) ? kDone : fail(kCannotWrite, error);
    }
    const qw::WriteOutcome written = qw::WritePalmDoc(args.output, text, title);
    if (!written.ok)
        return fail(kCannotWrite, written.detail);
    return kDone;
}

struct InputBytes {
    std::string bytes;
    std::string extension;      // the upper-cased extension that picks the converter
    std::string shownExtension; // the document's own: an archive member's, a .sxw file's
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
    result.shownExtension = extension;
    if (ref.entry.empty() && qw::IsZippedXmlDocument(extension)) {
        ref.entry = "content.xml";
    } else if (ref.entry.empty() && extension == ".ZIP") {
        qw::ArchiveListing listing = qw::ListArchive(ref.path, true, options.ignoredFiles);
        if (!listing.ok()) {
            result.error = listing.error;
            return result;
        }
        const std::vector<std::string> entries = qw::SortArchiveListing(listing.entries);
        if (entries.size() != 1) {
            result.error = "archive " + ref.path + " holds " + std::to_string(entries.size()) +
                           " files that are not ignored; name one as ARCHIVE|MEMBER";
            for (const std::string& entry : entries)
                result.error += "\n  " + entry;
            return result;
        }
        ref.entry = entries.front();
        result.shownExtension = qw::UpperExtension(ref.entry);
    } else if (ref.entry.empty()) {
        qw::FileBytes file = qw::ReadWholeFile(ref.path);
        result.bytes = std::move(file.bytes);
        result.error = std::move(file.error);
        result.extension = extension;
        return result;
    } else {
        result.shownExtension = qw::UpperExtension(ref.entry);
    }
    qw::ArchiveEntryBytes member = qw::ExtractArchiveEntry(ref.path, ref.entry);
    result.bytes = std::move(member.bytes);
    result.error = std::move(member.error);
    result.extension = qw::UpperExtension(ref.entry);
    return result;
}

// What the reader would use: the options of a new configuration, or of the
// one in configDir, read without writing it.
struct Defaults {
    qw::ImportOptions import;
    qw::BookSettings book; // the "Default" record: line breaks, contents criteria
    std::string punctuationMarks;
    std::string error;
};

Defaults readDefaults(const std::string& configDir) {
    Defaults d;
    qw::ConfigFile config;
    if (!configDir.empty()) {
        const std::string path = configDir + "/Quirewell.ini";
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
            d.error = "Cannot open file " + path + "!";
            return d;
        }
        if (!config.Open(path)) {
            d.error = config.OpenError();
            return d;
        }
    }
    const qw::Settings settings(config);
    // The two HTML options exclude each other, marks winning, as at the
    // reader's start.
    d.import.htmlEmphasisMarks = settings.Bool(qw::Setting::HtmlBoldItalicUnderlined);
    d.import.htmlEmphasisAsCapitals =
        settings.Bool(qw::Setting::HtmlEmphasisAsCapitals) && !d.import.htmlEmphasisMarks;
    d.import.docBlankLine = settings.Bool(qw::Setting::DocBlankLine);
    if (config.SectionExists(qw::sections::kIgnoredFiles))
        d.import.ignoredFiles = config.ReadSection(qw::sections::kIgnoredFiles);
    if (config.SectionExists(qw::kDefaultRecord))
        d.book = qw::LoadBookSettings(config, qw::kDefaultRecord, d.book, {}, false);
    d.punctuationMarks = settings.Bytes(qw::Setting::Punctuation);
    return d;
}

// Reads "--NAME" and "--no-NAME" of the switches; false for other arguments.
bool readSwitch(const std::string& arg, Switches& switches) {
    for (const Switch& s : kSwitches) {
        if (arg == std::string("--") + s.name) {
            switches.*s.field = true;
            return true;
        }
        if (arg == std::string("--no-") + s.name) {
            switches.*s.field = false;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    Arguments args;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return kDone;
        } else if (readSwitch(arg, args.switches)) {
        } else if (arg == "--cp1252") {
            args.cp1252 = true;
        } else if (arg == "--encoding") {
            if (i + 1 >= argc)
                return fail(kBadCommandLine, "--encoding needs a name");
            args.encoding = argv[++i];
            std::string probe;
            if (!qw::ConvertWithIconv("", args.encoding, probe) && args.encoding != "Auto")
                return fail(kBadCommandLine, "unknown encoding " + args.encoding);
        } else if (arg == "--contents") {
            args.contents = true;
        } else if (arg == "--to") {
            if (i + 1 >= argc)
                return fail(kBadCommandLine, "--to needs a format (txt, pdb)");
            args.format = argv[++i];
        } else if (arg.rfind("--to=", 0) == 0) {
            args.format = arg.substr(5);
        } else if (arg == "--title") {
            if (i + 1 >= argc)
                return fail(kBadCommandLine, "--title needs a text");
            args.title = argv[++i];
            args.hasTitle = true;
        } else if (arg == "--emphasis") {
            if (i + 1 >= argc)
                return fail(kBadCommandLine, "--emphasis needs a mode (caps, marks, none)");
            args.emphasis = argv[++i];
        } else if (arg == "--config") {
            if (i + 1 >= argc)
                return fail(kBadCommandLine, "--config needs a folder");
            args.configDir = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            return fail(kBadCommandLine, "unknown option " + arg + " (see --help)");
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.empty() || positional.size() > 2)
        return fail(kBadCommandLine, "expected INPUT [OUTPUT] (see --help)");
    args.input = positional[0];
    if (positional.size() == 2)
        args.output = positional[1];
    if (args.format != "txt" && args.format != "pdb")
        return fail(kBadCommandLine, "unknown output format " + args.format + " (txt, pdb)");
    if (args.emphasis && *args.emphasis != "caps" && *args.emphasis != "marks" &&
        *args.emphasis != "none")
        return fail(kBadCommandLine,
                    "unknown emphasis mode " + *args.emphasis + " (caps, marks, none)");

    Defaults defaults = readDefaults(args.configDir);
    if (!defaults.error.empty())
        return fail(kUnreadableInput, oneLine(defaults.error));
    qw::ImportOptions& options = defaults.import;
    if (args.emphasis) {
        options.htmlEmphasisAsCapitals = *args.emphasis == "caps";
        options.htmlEmphasisMarks = *args.emphasis == "marks";
    }
    options.encoding = args.encoding;
    const Switches& on = args.switches;
    options.docBlankLine = on.docBlankLine.value_or(options.docBlankLine);

    InputBytes file = readInput(args.input, options);
    if (!file.error.empty())
        return fail(kUnreadableInput, oneLine(file.error));
    qw::ConvertResult converted = qw::ConvertToText(file.bytes, file.extension, options);
    for (const std::string& message : converted.messages)
        std::fprintf(stderr, "quirewell-convert: %s\n", oneLine(message).c_str());
    if (converted.failed)
        return fail(kConversionFailed,
                    "Cannot open contents of " + args.input + ": " + oneLine(converted.error));
    std::string text = std::move(converted.text);
    qw::NormalizeLineBreaksInPlace(text, false);

    // As in the reader, removal is off for formats that give one line per
    // paragraph, unless asked for.
    const bool remove = on.removeLineBreaks.value_or(
        defaults.book.removeLineBreaks && !qw::ConvertsToParagraphLines(file.shownExtension));
    if (remove) {
        qw::LineBreakOptions lineBreaks;
        lineBreaks.notAfterPunctuation =
            on.notAfterPunctuation.value_or(defaults.book.checkPunctuationMarks);
        lineBreaks.notBeforeIndentation =
            on.notBeforeIndentation.value_or(defaults.book.checkIndentation);
        lineBreaks.punctuationMarks = defaults.punctuationMarks;
        text = qw::RemoveLineBreaks(text, lineBreaks);
    }
    if (args.contents) {
        std::string listing;
        for (const qw::ListedSection& s : qw::ListSections(text, qw::TocCriteriaOf(defaults.book)))
            listing += std::to_string(s.line) + "\t" + s.text + "\n";
        text = std::move(listing);
    } else if (args.format == "pdb") {
        return writePalmDoc(args, qw::Utf8ToCp1252(text)); // Palm DOC readers know Windows-1252
    }
    if (args.cp1252)
        text = qw::Utf8ToCp1252(text);
    std::string error;
    if (!writeAll(args.output, text, error))
        return fail(kCannotWrite, error);
    return kDone;
}
