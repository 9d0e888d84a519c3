#include "import/html_entities.h"

#include "import/cp1252.h"
#include "import/utf8.h"

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

// The Windows-1252 character of a byte, in UTF-8.
std::string utf8Of(int byte) {
    return Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
}

// "#1055" or "#x41F": the referenced character when it lies above 255 (the
// table answers for the others) and is one a text may hold.
std::optional<std::string> numericReference(std::string_view name) {
    if (name.size() < 2 || name[0] != '#')
        return std::nullopt;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 7)
        return std::nullopt;
    char32_t value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'))
            digit = (c | 0x20) - 'a' + 10;
        else
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    if (value <= 255 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    std::string text;
    AppendUtf8(text, value);
    return text;
}

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
        const std::string text = code == 160 ? std::string(" ") : utf8Of(code);
        add("#" + std::to_string(code), text);
        add(kLatin1Names[code - 160], text);
    }
    add("brkbar", utf8Of(0xA6));
    add("die", utf8Of(0xA8));
    add("hibar", utf8Of(0xAF));
    add("Dstrok", utf8Of(0xD0));
    for (const NamedPair& pair : kExtraPairs) {
        const std::string text = pair.byte >= 0 ? utf8Of(pair.byte) : pair.text;
        add(pair.name, text);
        add(pair.number, text);
    }
    for (int code = 32; code <= 159; ++code)
        add("#" + std::to_string(code), utf8Of(code));
    return table;
}

const Table& ReferenceTable() {
    static const Table table = BuildTable();
    return table;
}

} // namespace

std::optional<std::string> LookupCharacterReference(std::string_view name) {
    // No name in the table is longer than this; long runs are not looked up.
    if (name.empty() || name.size() > 9)
        return std::nullopt;
    // Numbers above 255 are their own characters; the table's numbered
    // approximations stay for the names only.
    if (std::optional<std::string> number = numericReference(name))
        return number;
    const Table& table = ReferenceTable();
    const auto found = table.find(std::string(name));
    if (found != table.end())
        return found->second;
    return std::nullopt;
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
