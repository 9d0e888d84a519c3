#include "import/natural_sort.h"

#include <algorithm>
#include <numeric>

namespace qw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Keys larger than this (and than a few times the names) are not built; such
// lists only come from hostile input and are sorted by name alone.
constexpr size_t kMinKeyBudget = 32u * 1024 * 1024;

size_t KeyBudget(const std::vector<std::string>& strings) {
    size_t total = 0;
    for (const std::string& s : strings)
        total += s.size();
    return std::max(kMinKeyBudget, 8 * total);
}

// Lower case for ASCII letters and for the Latin-1 capitals in UTF-8.
void FoldCase(std::string& key) {
    for (size_t i = 0; i < key.size(); ++i) {
        const auto b = static_cast<unsigned char>(key[i]);
        if (b >= 'A' && b <= 'Z') {
            key[i] = static_cast<char>(b + 32);
        } else if (b == 0xC3 && i + 1 < key.size()) {
            const auto next = static_cast<unsigned char>(key[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                key[i + 1] = static_cast<char>(next + 32);
            ++i;
        }
    }
}

// Calls visit(spacesBefore, digitsStart, digitsEnd) for every digit run.
template <typename Visit> void ForEachDigitRun(const std::string& s, Visit visit) {
    size_t i = 0;
    while (i < s.size()) {
        if (!IsDigit(s[i])) {
            ++i;
            continue;
        }
        size_t spaces = 0;
        while (spaces < i && s[i - spaces - 1] == ' ')
            ++spaces;
        size_t end = i;
        while (end < s.size() && IsDigit(s[end]))
            ++end;
        visit(spaces, i, end);
        i = end;
    }
}

std::string NaturalKey(const std::string& s, size_t width) {
    std::string key;
    key.reserve(s.size() + 8);
    size_t copied = 0;
    ForEachDigitRun(s, [&](size_t spaces, size_t start, size_t end) {
        key.append(s, copied, start - spaces - copied);
        const size_t digits = end - start;
        key.append(width > digits ? width - digits : 0, ' ');
        key.append(s, start, digits);
        copied = end;
    });
    key.append(s, copied, std::string::npos);
    FoldCase(key);
    return key;
}

} // namespace

std::vector<size_t> NaturalOrder(const std::vector<std::string>& strings) {
    std::vector<size_t> order(strings.size());
    std::iota(order.begin(), order.end(), size_t{0});
    if (strings.size() < 2)
        return order;

    size_t width = 0;
    size_t runs = 0;
    size_t keyBytes = 0;
    for (const std::string& s : strings) {
        ForEachDigitRun(s, [&](size_t spaces, size_t start, size_t end) {
            width = std::max(width, spaces + end - start);
            ++runs;
        });
        keyBytes += s.size();
    }
    keyBytes += runs * width;

    std::vector<std::string> keys;
    keys.reserve(strings.size());
    const bool natural = keyBytes <= KeyBudget(strings);
    for (const std::string& s : strings) {
        if (natural) {
            keys.push_back(NaturalKey(s, width));
        } else {
            keys.push_back(s);
            FoldCase(keys.back());
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
    return order;
}

namespace {

std::vector<std::string> Reordered(std::vector<std::string>& strings,
                                   const std::vector<size_t>& order) {
    std::vector<std::string> result;
    result.reserve(strings.size());
    for (size_t index : order)
        result.push_back(std::move(strings[index]));
    return result;
}

} // namespace

std::vector<std::string> NaturalSort(std::vector<std::string> list) {
    const std::vector<size_t> order = NaturalOrder(list);
    return Reordered(list, order);
}

std::vector<size_t> ArchiveListingOrder(const std::vector<std::string>& listing) {
    if (listing.size() < 2)
        return NaturalOrder(listing);
    // M: one past the position of the rightmost folder separator of any entry.
    size_t m = 0;
    size_t keyBytes = 0;
    for (const std::string& entry : listing) {
        const size_t separator = entry.find_last_of("/\\");
        if (separator != std::string::npos)
            m = std::max(m, separator + 1);
        keyBytes += entry.size();
    }
    keyBytes += listing.size() * m;
    if (m == 0 || keyBytes > KeyBudget(listing))
        return NaturalOrder(listing);

    std::vector<std::string> keys;
    keys.reserve(listing.size());
    for (const std::string& entry : listing) {
        const size_t separator = entry.find_last_of("/\\");
        std::string key;
        key.reserve(m + entry.size());
        if (separator == std::string::npos) {
            key.append(m, ' ');
            key += entry;
        } else {
            key.append(entry, 0, separator);
            key.append(m - 1 - separator, ' ');
            key.append(entry, separator, std::string::npos);
        }
        keys.push_back(std::move(key));
    }
    return NaturalOrder(keys);
}

std::vector<std::string> SortArchiveListing(std::vector<std::string> listing) {
    const std::vector<size_t> order = ArchiveListingOrder(listing);
    return Reordered(listing, order);
}

} // namespace qw
