#include "reader/chapter_headings.h"

#include <array>
#include <cctype>
#include <string>

namespace qw {

namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

// The leading word (letters, digits and hyphens) of s.
std::string_view Word(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && (IsLetter(s[n]) || std::isdigit(static_cast<unsigned char>(s[n])) ||
                            (s[n] == '-' && n > 0 && n + 1 < s.size() && IsLetter(s[n + 1]))))
        ++n;
    return s.substr(0, n);
}

bool EqualsUpper(std::string_view word, std::string_view upper) {
    if (word.size() != upper.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Upper(word[i]) != upper[i])
            return false;
    return true;
}

bool IsRoman(std::string_view word) {
    if (word.empty() || word.size() > 8)
        return false;
    for (char c : word)
        if (std::string_view("IVXLCDM").find(Upper(c)) == std::string_view::npos)
            return false;
    return true;
}

bool IsArabic(std::string_view word) {
    if (word.empty() || word.size() > 4)
        return false;
    for (char c : word)
        if (std::isdigit(static_cast<unsigned char>(c)) == 0)
            return false;
    return true;
}

constexpr std::array<std::string_view, 28> kNumberWords = {
    "ONE",     "TWO",     "THREE",     "FOUR",     "FIVE",     "SIX",      "SEVEN",
    "EIGHT",   "NINE",    "TEN",       "ELEVEN",   "TWELVE",   "THIRTEEN", "FOURTEEN",
    "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN", "TWENTY",   "THIRTY",
    "FORTY",   "FIFTY",   "SIXTY",     "SEVENTY",  "EIGHTY",   "NINETY",   "HUNDRED"};

constexpr std::array<std::string_view, 28> kOrdinalWords = {
    "FIRST",     "SECOND",    "THIRD",       "FOURTH",     "FIFTH",      "SIXTH",      "SEVENTH",
    "EIGHTH",    "NINTH",     "TENTH",       "ELEVENTH",   "TWELFTH",    "THIRTEENTH", "FOURTEENTH",
    "FIFTEENTH", "SIXTEENTH", "SEVENTEENTH", "EIGHTEENTH", "NINETEENTH", "TWENTIETH",  "THIRTIETH",
    "FORTIETH",  "FIFTIETH",  "SIXTIETH",    "SEVENTIETH", "EIGHTIETH",  "NINETIETH",  "LAST"};

// A number word, also two joined by a hyphen ("TWENTY-ONE", "TWENTY-FIRST").
template <std::size_t N>
bool IsWordOf(std::string_view word, const std::array<std::string_view, N>& words,
              const std::array<std::string_view, N>& lastWords) {
    const std::size_t hyphen = word.find('-');
    if (hyphen != std::string_view::npos)
        return IsWordOf(word.substr(0, hyphen), kNumberWords, kNumberWords) &&
               IsWordOf(word.substr(hyphen + 1), lastWords, lastWords);
    for (std::string_view w : words)
        if (EqualsUpper(word, w))
            return true;
    return false;
}

bool IsAllCapitals(std::string_view s) {
    for (char c : s)
        if (std::islower(static_cast<unsigned char>(c)) != 0)
            return false;
    return true;
}

// What may follow the number: nothing, a title after punctuation, or a title
// after a blank in a line of capitals.
bool EndsHeading(std::string_view rest, std::string_view line) {
    if (rest.empty())
        return true;
    const char c = rest[0];
    if (c == '.' || c == ':' || c == ',' || c == '-' || c == ';')
        return true;
    if (rest.substr(0, 3) == "\xE2\x80\x94" || rest.substr(0, 3) == "\xE2\x80\x93") // dashes
        return true;
    return (c == ' ' || c == '\t') && IsAllCapitals(line);
}

struct Keyword {
    std::string_view word;
    HeadingKind kind;
};
constexpr std::array<Keyword, 6> kKeywords = {{{"CHAPTER", HeadingKind::Chapter},
                                               {"BOOK", HeadingKind::Book},
                                               {"PART", HeadingKind::Part},
                                               {"VOLUME", HeadingKind::Volume},
                                               {"LETTER", HeadingKind::Letter},
                                               {"STAVE", HeadingKind::Stave}}};

} // namespace

HeadingKind ChapterHeadingKind(std::string_view lineIn) {
    const std::string_view line = Trimmed(lineIn);
    if (line.empty() || line.size() > 160)
        return HeadingKind::None;
    const std::string_view first = Word(line);

    // "XII." alone on a line.
    if (IsRoman(first) && IsAllCapitals(first) && line.size() == first.size() + 1 &&
        line.back() == '.')
        return HeadingKind::Numeral;

    for (const Keyword& k : kKeywords) {
        if (!EqualsUpper(first, k.word))
            continue;
        std::string_view rest = line.substr(first.size());
        if (rest.empty() || (rest[0] != ' ' && rest[0] != '\t'))
            return HeadingKind::None;
        rest = Trimmed(rest);
        std::string_view number = Word(rest);
        if (EqualsUpper(number, "THE")) { // "CHAPTER THE FIRST"
            rest = Trimmed(rest.substr(number.size()));
            number = Word(rest);
            if (!IsWordOf(number, kOrdinalWords, kOrdinalWords))
                return HeadingKind::None;
        } else if (!IsWordOf(number, kNumberWords, kNumberWords) &&
                   !IsWordOf(number, kNumberWords, kOrdinalWords)) {
            // "CHAPTER I-THE PERIOD": the number ends at the hyphen.
            number = number.substr(0, number.find('-'));
            if (!(IsRoman(number) && IsAllCapitals(number)) && !IsArabic(number))
                return HeadingKind::None;
        }
        return EndsHeading(rest.substr(number.size()), line) ? k.kind : HeadingKind::None;
    }
    return HeadingKind::None;
}

} // namespace qw
