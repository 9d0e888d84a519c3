#include "settings/font_lists.h"

#include "settings/ini_case.h"

#include <algorithm>

namespace qw {

const std::vector<std::string>& BuiltInExcludedFonts() {
    static const std::vector<std::string> names = {"Botanical",
                                                   "Default",
                                                   "Lotus Postal Barcode",
                                                   "LotusWP Box",
                                                   "LotusWP Icon",
                                                   "LotusWP Int A",
                                                   "LotusWP Int B",
                                                   "LotusWP Type",
                                                   "Map Symbols",
                                                   "Marlett",
                                                   "Math A",
                                                   "Math B",
                                                   "Math C",
                                                   "Modern",
                                                   "Monotype Sorts",
                                                   "MS Outlook",
                                                   "MT Extra",
                                                   "OpenSymbol",
                                                   "Roman",
                                                   "RumbaKDB",
                                                   "RumbaDL",
                                                   "Script",
                                                   "StarBats",
                                                   "StarMath",
                                                   "Symbol",
                                                   "Terminal",
                                                   "Webdings",
                                                   "Wingdings",
                                                   "Wingdings 2",
                                                   "Wingdings 3",
                                                   "Estrangelo Edessa",
                                                   "Gautami",
                                                   "Latha",
                                                   "Mangal",
                                                   "Mv Boli",
                                                   "Raavi",
                                                   "Shruti",
                                                   "Tunga",
                                                   "WST_Czec",
                                                   "WST_Engl",
                                                   "WST_Fren",
                                                   "WST_Germ",
                                                   "WST_Ital",
                                                   "WST_Span",
                                                   "WST_Swed"};
    return names;
}

bool ContainsNoCase(const std::vector<std::string>& list, std::string_view name) {
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& entry) { return EqualsNoCase(entry, name); });
}

std::vector<std::string> BuildFontList(const std::vector<std::string>& screenFonts,
                                       const std::vector<std::string>& excludedFonts) {
    std::vector<std::string> list;
    list.reserve(screenFonts.size());
    for (const std::string& font : screenFonts)
        if (!ContainsNoCase(BuiltInExcludedFonts(), font) && !ContainsNoCase(excludedFonts, font))
            list.push_back(font);
    return list;
}

const std::vector<int>& FontSizes() {
    static const std::vector<int> sizes = [] {
        std::vector<int> s;
        for (int n = 6; n <= 20; ++n)
            s.push_back(n);
        for (int n = 22; n <= 40; n += 2)
            s.push_back(n);
        for (int n = 44; n <= 60; n += 4)
            s.push_back(n);
        for (int n = 66; n <= 90; n += 6)
            s.push_back(n);
        s.push_back(99);
        return s;
    }();
    return sizes;
}

int SelectFontSize(int wanted) {
    for (int size : FontSizes())
        if (size >= wanted)
            return size;
    return FontSizes().back();
}

bool IsListedFontSize(int size) {
    const auto& sizes = FontSizes();
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

} // namespace qw
