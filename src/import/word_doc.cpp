#include "import/word_doc.h"

#include "import/cp1252.h"
#include "import/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qw {

const char* const kWordOpenError = "Error opening Word document in OLE compound";
const char* const kWordEncrypted = "Can't open encrypted Word file";
const char* const kWordNotSupported = "No supported Word document found in OLE compound";

namespace {

constexpr size_t kFibSize = 512;

std::uint32_t U32(std::string_view s, size_t at) {
    if (at > s.size() || s.size() - at < 4)
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data() + at);
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

unsigned U16(std::string_view s, size_t at) {
    if (at > s.size() || s.size() - at < 2)
        return 0;
    return static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8);
}

bool StartsWith(std::string_view file, unsigned char a, unsigned char b) {
    return file.size() >= 2 && static_cast<unsigned char>(file[0]) == a &&
           static_cast<unsigned char>(file[1]) == b;
}

// The FIB: the first 512 bytes of the "WordDocument" stream, zero-filled
// when the stream is shorter.
std::string ReadFib(const CompoundFile& cf, const CompoundStream& stream) {
    std::string fib = cf.read(stream, kFibSize);
    fib.resize(kFibSize, '\0');
    return fib;
}

// The document text in UTF-16 code units, one per character position (the
// positions the FIB, the piece table and the footnote tables count): 16-bit
// pieces as they are, 8-bit pieces from Windows-1252.
using WordUnits = std::u16string;

void AppendCp1252Units(WordUnits& out, std::string_view bytes) {
    const size_t start = out.size();
    out.resize(start + bytes.size());
    for (size_t k = 0; k < bytes.size(); ++k)
        out[start + k] =
            static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(bytes[k])));
}

unsigned UnitValue(char c) {
    return static_cast<unsigned char>(c);
}
unsigned UnitValue(char16_t c) {
    return c;
}

// Word's text filter over units of either width (see FilterWordText).
template <class Unit>
std::basic_string<Unit> FilterUnits(std::basic_string_view<Unit> text, size_t start, size_t length,
                                    int kind, bool blankLine) {
    if (start >= text.size())
        return {};
    const std::basic_string_view<Unit> source =
        text.substr(start, std::min(length, text.size() - start));
    if (std::all_of(source.begin(), source.end(), [](Unit u) { return UnitValue(u) <= 32; }))
        return {};
    const auto lineBreak = [](std::basic_string<Unit>& out) {
        out.push_back(Unit('\r'));
        out.push_back(Unit('\n'));
    };
    std::basic_string<Unit> out;
    out.reserve(source.size() + source.size() / 16);
    bool inField = false;
    bool showResult = false;
    for (const Unit ch : source) {
        const unsigned c = UnitValue(ch);
        if (c == 19) {
            inField = true;
            showResult = false;
            continue;
        }
        if (c == 20) {
            if (inField)
                showResult = true;
            continue;
        }
        if (c == 21) {
            inField = false;
            showResult = false;
            continue;
        }
        if (inField && !showResult)
            continue;
        if (c >= 32 || c == '\t' || c == '\n') {
            out.push_back(ch);
        } else if (c == 7) {
            out.push_back(Unit('\t'));
        } else if (c == 11 || c == 12 || c == 14) {
            lineBreak(out);
        } else if (c == '\r') {
            out.push_back(Unit('\r'));
            if (blankLine) {
                out.push_back(Unit('\n'));
                out.push_back(Unit('\r'));
            }
            if (kind >= 4)
                out.push_back(Unit('\n'));
        }
    }
    return out;
}

// The document text assembled from the piece table; nothing when the table
// cannot be read.
bool AssemblePieces(std::string_view stream, std::string_view table, std::uint32_t clxPos,
                    std::uint32_t clxSize, WordUnits& text) {
    size_t pos = clxPos;
    if (pos >= table.size())
        return false;
    size_t skipped = 0;
    if (static_cast<unsigned char>(table[pos]) == 1) {
        skipped = 3 + U16(table, pos + 1);
        pos += skipped;
    }
    pos += 5;
    const long long rest = static_cast<long long>(clxSize) - static_cast<long long>(skipped) - 9;
    if (rest < 0)
        return false;
    const size_t pieces = static_cast<size_t>(rest / 12);
    if (pos > table.size() || (table.size() - pos) / 12 < pieces ||
        table.size() - pos < pieces * 12 + 4)
        return false;
    const size_t descriptors = pos + 4 * (pieces + 1);
    text.clear();
    for (size_t i = 0; i < pieces; ++i) {
        const std::uint32_t from = U32(table, pos + 4 * i);
        const std::uint32_t to = U32(table, pos + 4 * (i + 1));
        if (to <= from)
            continue;
        const size_t count = to - from;
        const std::uint32_t fc = U32(table, descriptors + 8 * i + 2);
        if (fc & 0x40000000u) {
            const size_t at = (fc & ~0x40000000u) / 2;
            if (at >= stream.size())
                continue;
            AppendCp1252Units(text, stream.substr(at, std::min(count, stream.size() - at)));
        } else {
            if (fc >= stream.size())
                continue;
            const size_t available = std::min(count, (stream.size() - fc) / 2);
            const size_t start = text.size();
            text.resize(start + available);
            for (size_t k = 0; k < available; ++k)
                text[start + k] = static_cast<char16_t>(U16(stream, fc + 2 * k));
        }
    }
    return true;
}

std::u16string_view TrimLowUnits(std::u16string_view s) {
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && s[begin] <= 32)
        ++begin;
    while (end > begin && s[end - 1] <= 32)
        --end;
    return s.substr(begin, end - begin);
}

struct Footnote {
    size_t mark; // position of its mark in the main text
    std::u16string_view text;
};

// The main text with every footnote mark replaced by " {" + text + "}", built
// in one pass. Footnote texts are taken in order and never overlap (a damaged
// table cannot make one text count many times), and marks at the same
// position keep their footnotes in order.
WordUnits InsertFootnotes(const WordUnits& main, std::u16string_view text, size_t mainCount,
                          std::string_view table, size_t refTable, size_t textTable, size_t n) {
    std::vector<Footnote> notes;
    size_t taken = 0; // where the previous footnote's text ended
    for (size_t i = 0; i < n; ++i) {
        const size_t from = std::max<size_t>(U32(table, textTable + 4 * i), taken);
        const size_t to = U32(table, textTable + 4 * (i + 1));
        std::u16string_view note;
        if (to > from && mainCount + from < text.size()) {
            note = TrimLowUnits(text.substr(mainCount + from, to - from));
            taken = to;
        }
        const size_t mark = U32(table, refTable + 4 * i);
        if (mark < main.size())
            notes.push_back({mark, note});
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const Footnote& a, const Footnote& b) { return a.mark < b.mark; });
    size_t size = main.size();
    for (const Footnote& note : notes)
        size += note.text.size() + 3;
    WordUnits out;
    out.reserve(size);
    size_t copied = 0;
    for (const Footnote& note : notes) {
        if (note.mark >= copied) {
            out.append(main, copied, note.mark - copied);
            copied = note.mark + 1; // the mark itself is replaced
        }
        out += u" {";
        out += note.text;
        out += u'}';
    }
    out.append(main, copied, std::string::npos);
    return out;
}

std::string CompoundText(std::string_view file, const WordDocument& document, bool blankLine) {
    std::vector<std::string> ignored; // shown when the document was recognised
    const std::optional<CompoundFile> cf = CompoundFile::Open(file, ignored);
    if (!cf)
        return {};
    const std::string stream = cf->read(document.wordStream);
    std::string fib(std::string_view(stream).substr(0, kFibSize));
    fib.resize(kFibSize, '\0');

    const std::uint32_t fcMin = U32(fib, 24);
    const std::uint32_t fcMac = U32(fib, 28);
    std::array<size_t, 8> counts{};
    if (document.kind == 6) {
        for (size_t k = 0; k < counts.size(); ++k)
            counts[k] = U32(fib, 76 + 4 * k);
    } else {
        counts[0] = fcMac > fcMin ? fcMac - fcMin : 0;
    }

    std::string table;
    if (document.hasTableStream)
        table = cf->read(document.tableStream);
    WordUnits text;
    const std::uint32_t clxSize = U32(fib, 422);
    if (clxSize == 0 || !document.hasTableStream ||
        !AssemblePieces(stream, table, U32(fib, 418), clxSize, text)) {
        text.clear();
        if (fcMin < stream.size())
            AppendCp1252Units(text, std::string_view(stream).substr(fcMin));
    }

    const size_t mainCount = std::min(counts[0], text.size());
    WordUnits main = text.substr(0, mainCount);

    // Footnotes go where they are referenced: each mark of the main text is
    // replaced by " {" + the footnote text + "}".
    const long long footnotes = static_cast<long long>(U32(fib, 182)) / 4 - 2;
    if (document.kind == 6 && counts[1] >= 1 && footnotes >= 1 &&
        static_cast<unsigned long long>(footnotes) < table.size() / 4) {
        const size_t refTable = U32(fib, 170);
        const size_t textTable = U32(fib, 178);
        const size_t n = static_cast<size_t>(footnotes);
        const auto inTable = [&](size_t at) {
            return at <= table.size() && table.size() - at >= 4 * (n + 1);
        };
        if (inTable(refTable) && inTable(textTable))
            main = InsertFootnotes(main, text, counts[0], table, refTable, textTable, n);
    }

    std::string result =
        Utf16ToUtf8(FilterUnits<char16_t>(main, 0, main.size(), document.kind, blankLine));

    static const char* const kLabels[8] = {
        nullptr,        nullptr,      "{Headers}",   nullptr,
        "{Annotation}", "{Endnotes}", "{Textboxes}", "{Header textboxes}"};
    size_t offset = 0;
    for (size_t k = 0; k < counts.size(); ++k) {
        if (kLabels[k] != nullptr && counts[k] > 0) {
            result += "\r\n";
            result += kLabels[k];
            result += "\r\n";
            result += Utf16ToUtf8(
                FilterUnits<char16_t>(text, offset, counts[k], document.kind, blankLine));
        }
        offset = offset + counts[k] < offset ? text.size() : offset + counts[k];
    }
    return result;
}

void DetectCompound(std::string_view file, WordDocument& document) {
    std::vector<std::string>& messages = document.messages;
    const auto fail = [&](const char* first) {
        if (first != nullptr)
            messages.push_back(first);
        messages.push_back(kWordNotSupported);
        document.kind = 0;
    };
    const std::optional<CompoundFile> cf = CompoundFile::Open(file, messages);
    if (!cf)
        return fail(kWordOpenError);
    const CompoundLookup lookup = cf->find("WordDocument", document.wordStream);
    if (lookup == CompoundLookup::Broken)
        return fail(kWordOpenError);
    if (lookup == CompoundLookup::NotFound)
        return fail(nullptr);
    const std::string fib = ReadFib(*cf, document.wordStream);
    if (cf->read(document.wordStream, 32).size() < 32)
        return fail(kWordOpenError);
    const unsigned ident = U16(fib, 0);
    if (ident != 0xA5DC && ident != 0xA5EC)
        return fail(nullptr);
    const unsigned flags = static_cast<unsigned char>(fib[11]);
    if (flags & 1)
        return fail(kWordEncrypted);
    const char* tableName = (flags & 2) ? "1Table" : "0Table";
    const CompoundLookup table = cf->find(tableName, document.tableStream);
    if (table == CompoundLookup::Broken)
        return fail(kWordOpenError);
    document.hasTableStream = table == CompoundLookup::Found;
    document.kind = ident == 0xA5DC ? 5 : 6;
}

} // namespace

WordDocument IsWordDocument(std::string_view file) {
    WordDocument document;
    if (CompoundFile::HasSignature(file)) {
        DetectCompound(file, document);
    } else if (StartsWith(file, 0x31, 0xBE)) {
        document.kind = 1;
    } else if (StartsWith(file, 0x9B, 0xA5)) {
        document.kind = 2;
    } else if (StartsWith(file, 0xDB, 0xA5)) {
        document.kind = 3;
    } else if (StartsWith(file, 0xD0, 0xCF)) {
        document.kind = 4;
    }
    return document;
}

std::string WordDocToText(std::string_view file, const WordDocument& document, bool blankLine) {
    switch (document.kind) {
    case 1:
        return Cp1252ToUtf8(
            FilterWordText(file, 128, U32(file, 14) > 128 ? U32(file, 14) - 128 : 0, 1, blankLine));
    case 2:
    case 3:
    case 4: {
        const std::uint32_t from = U32(file, 24);
        const std::uint32_t to = U32(file, 28);
        return Cp1252ToUtf8(
            FilterWordText(file, from, to > from ? to - from : 0, document.kind, blankLine));
    }
    case 5:
    case 6:
        return CompoundText(file, document, blankLine);
    default:
        return {};
    }
}

std::string FilterWordText(std::string_view text, size_t start, size_t length, int kind,
                           bool blankLine) {
    return FilterUnits<char>(text, start, length, kind, blankLine);
}

} // namespace qw
