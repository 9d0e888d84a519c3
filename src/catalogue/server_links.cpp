#include "catalogue/server_links.h"

#include "catalogue/ascii.h"
#include "catalogue/safe_name.h"

#include <algorithm>

namespace qw {

namespace {

std::string AsciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Every link after `lead` + `rest` (compared without letter case): the text
// from `rest` on up to the next double quote. One pass over the page.
template <typename Keep>
std::vector<std::string> Collect(std::string_view page, std::string_view lead,
                                 std::string_view rest, Keep keep) {
    std::vector<std::string> links;
    const std::string upper = AsciiUpper(page);
    const std::string pattern = AsciiUpper(std::string(lead) + std::string(rest));
    size_t at = 0;
    while ((at = upper.find(pattern, at)) != std::string::npos) {
        const size_t begin = at + lead.size();
        size_t end = page.find('"', begin);
        if (end == std::string_view::npos)
            end = page.size();
        const std::string_view link = page.substr(begin, end - begin);
        if (keep(link) && IsSafeFileName(link))
            links.emplace_back(link);
        at = std::max(end, begin + 1);
    }
    return links;
}

bool PlainLink(std::string_view link) {
    return link.find('/') == std::string_view::npos && link.find('?') == std::string_view::npos;
}

// 1-based position of the first "." as the matching rule counts, 0 for none.
size_t DotPos(std::string_view text) {
    const size_t at = text.find('.');
    return at == std::string_view::npos ? 0 : at + 1;
}

bool LowerXBeforeDot(const std::string& p) {
    const size_t x = p.find('x');
    return x != std::string::npos && x + 1 < DotPos(p);
}

std::string Extension(std::string_view name) {
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string() : AsciiUpper(name.substr(dot));
}

} // namespace

std::vector<std::string> NewStyleLinks(std::string_view page) {
    return Collect(page, "HREF=\"", "", PlainLink);
}

std::vector<std::string> OldStyleLinks(std::string_view page, std::string_view prefix) {
    return Collect(page, "HREF=\"", prefix, PlainLink);
}

std::vector<std::string> AustralianLinks(std::string_view page, std::string_view nameStart) {
    const std::string lead = "HREF=\"/EBOOKS" + std::string(nameStart.substr(0, 2)) + "/";
    return Collect(page, lead, nameStart, [](std::string_view) { return true; });
}

bool OldStyleNameMatches(std::string p, std::string_view c) {
    if (p == c)
        return true;
    const size_t d = DotPos(c);
    while (DotPos(p) > d && LowerXBeforeDot(p))
        p.erase(p.find('x'), 1);
    if (DotPos(p) > d)
        return false;
    while (DotPos(p) < d && LowerXBeforeDot(p))
        p.insert(p.find('x'), 1, 'x');
    if (DotPos(p) < d)
        return false;
    for (size_t k = 0; k < c.size() && k < p.size(); ++k)
        if (p[k] != '?' && p[k] != 'x' && p[k] != 'X' && p[k] != c[k])
            return false;
    return true;
}

std::string PickOldStyle(const std::vector<std::string>& found, const std::string& wanted) {
    std::string result;
    for (const std::string& name : found)
        if (OldStyleNameMatches(wanted, name))
            result = name;
    return result;
}

std::string PickAustralian(const std::vector<std::string>& found, const std::string& wanted) {
    const std::string want = Extension(wanted);
    std::string result;
    for (const std::string& name : found)
        if (Extension(name).substr(0, want.size()) == want)
            result = name;
    return result;
}

std::string PickNewStyle(const std::vector<std::string>& found, const std::string& wanted) {
    const std::string want = AsciiUpper(wanted);
    for (const std::string& name : found)
        if (AsciiUpper(name.substr(0, want.size())) == want)
            return name;
    return {};
}

HeadInfo ParseHeadInfo(const std::vector<std::string>& headerLines) {
    HeadInfo info;
    for (const std::string& line : headerLines) {
        const std::string_view l(line);
        if (l.substr(0, 16) == "Content-Length: ") {
            const std::string_view value = TrimBlanks(l.substr(16));
            if (value.empty()) {
                info.length = 0;
            } else if (!AllDigits(value) || value.size() > 18) {
                info.error = "'" + std::string(value) + "' is not a valid integer value";
            } else {
                info.length = std::stoll(std::string(value));
            }
        } else if (l.substr(0, 15) == "Last-Modified: ") {
            info.date = std::string(l.substr(15));
        }
    }
    return info;
}

std::string FormatSize(std::int64_t length) {
    if (length <= 0)
        return {};
    std::string digits = std::to_string(length), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

} // namespace qw
