#include "import/html_entities.h"

#include <string>
#include <unordered_map>

namespace qw {

namespace {

// HTML 4 names of the characters 160 to 255, in code order.
const char* const kLatin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

struct NamedPair {
    const char* name;
    const char* number;
    int byte; // -1: the text below
    const char* text;
};

// Windows-1252 characters, spaces, punctuation and approximations beyond Latin-1.
const NamedPair kExtraPairs[] = {
    {"OElig", "#338", 140, nullptr},   {"oelig", "#339", 156, nullptr},
    {"Scaron", "#352", 138, nullptr},  {"scaron", "#353", 154, nullptr},
    {"Yuml", "#376", 159, nullptr},    {"circ", "#710", 136, nullptr},
    {"tilde", "#732", 152, nullptr},   {"ensp", "#8194", -1, " "},
    {"emsp", "#8195", -1, " "},        {"thinsp", "#8201", -1, " "},
    {"zwnj", "#8204", -1, " "},        {"zwj", "#8205", -1, ""},
    {"ndash", "#8211", 150, nullptr},  {"mdash", "#8212", 151, nullptr},
    {"lsquo", "#8216", 145, nullptr},  {"rsquo", "#8217", 146, nullptr},
    {"sbquo", "#8218", 130, nullptr},  {"ldquo", "#8220", 147, nullptr},
    {"rdquo", "#8221", 148, nullptr},  {"bdquo", "#8222", 132, nullptr},
    {"dagger", "#8224", 134, nullptr}, {"Dagger", "#8225", 135, nullptr},
    {"permil", "#8240", 137, nullptr}, {"lsaquo", "#8249", 139, nullptr},
    {"rsaquo", "#8250", 155, nullptr}, {"euro", "#8364", 128, nullptr},
    {"fnof", "#402", 131, nullptr},    {"bull", "#8226", 149, nullptr},
    {"hellip", "#8230", 133, nullptr}, {"prime", "#8242", 146, nullptr},
    {"Prime", "#8243", 148, nullptr},  {"frasl", "#8260", -1, "/"},
    {"trade", "#8482", 153, nullptr},  {"empty", "#8709", 216, nullptr},
    {"minus", "#8722", -1, "-"},       {"lowast", "#8727", -1, "*"},
    {"sim", "#8764", -1, "~"},         {"sdot", "#8901", 183, nullptr},
    {"lang", "#9001", -1, "<"},        {"rang", "#9002", -1, ">"},
};

using Table = std::unordered_map<std::string, std::string>;

Table BuildTable() {
    Table table;
    // The first pair of a name wins, as in a search from the start of the table.
    auto add = [&table](std::string name, std::string text) {
        table.emplace(std::move(name), std::move(text));
    };
    add("#09", "\t");
    add("#9", "\t");
    add("quot", "\"");
    add("amp", "&");
    add("lt", "<");
    add("gt", ">");
    for (int code = 160; code <= 255; ++code) {
        const std::string text(1, code == 160 ? ' ' : static_cast<char>(code));
        add("#" + std::to_string(code), text);
        add(kLatin1Names[code - 160], text);
    }
    add("brkbar", "\xA6");
    add("die", "\xA8");
    add("hibar", "\xAF");
    add("Dstrok", "\xD0");
    for (const NamedPair& pair : kExtraPairs) {
        const std::string text =
            pair.byte >= 0 ? std::string(1, static_cast<char>(pair.byte)) : pair.text;
        add(pair.name, text);
        add(pair.number, text);
    }
    for (int code = 32; code <= 159; ++code)
        add("#" + std::to_string(code), std::string(1, static_cast<char>(code)));
    return table;
}

const Table& ReferenceTable() {
    static const Table table = BuildTable();
    return table;
}

} // namespace

std::optional<std::string_view> LookupCharacterReference(std::string_view name) {
    // No name in the table is longer than this; long runs are not looked up.
    if (name.empty() || name.size() > 8)
        return std::nullopt;
    const Table& table = ReferenceTable();
    const auto found = table.find(std::string(name));
    if (found == table.end())
        return std::nullopt;
    return std::string_view(found->second);
}

std::size_t CharacterReferenceCount() {
    return ReferenceTable().size();
}

char UpperCp1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 32);
    if (b < 0x80)
        return c;
    switch (b) {
    case 0x9A: // s caron
    case 0x9C: // oe
    case 0x9E: // z caron
        return static_cast<char>(b - 16);
    case 0xFF: // y diaeresis
        return static_cast<char>(0x9F);
    default:
        break;
    }
    if (b >= 0xE0 && b != 0xF7)
        return static_cast<char>(b - 32);
    return c;
}

} // namespace qw
