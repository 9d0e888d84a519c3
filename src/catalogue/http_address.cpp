#include "catalogue/http_address.h"

#include "catalogue/ascii.h"

namespace qw {

namespace {

int DefaultPort(const std::string& scheme) {
    return scheme == "https" ? 443 : 80;
}

bool ParsePort(std::string_view text, int& port) {
    if (text.empty() || text.size() > 5)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > 65535)
        return false;
    port = value;
    return true;
}

} // namespace

std::string HttpAddress::text() const {
    std::string out = scheme + "://";
    if (!user.empty())
        out += user + (password.empty() ? "" : ":" + password) + "@";
    out += host;
    if (port != DefaultPort(scheme))
        out += ":" + std::to_string(port);
    return out + path;
}

std::optional<HttpAddress> ParseHttpAddress(std::string_view address) {
    HttpAddress result;
    std::string_view rest = TrimBlanks(address);
    const size_t schemeEnd = rest.find("://");
    if (schemeEnd != std::string_view::npos) {
        result.scheme = AsciiLower(rest.substr(0, schemeEnd));
        if (result.scheme != "http" && result.scheme != "https")
            return std::nullopt;
        rest.remove_prefix(schemeEnd + 3);
    }
    result.port = DefaultPort(result.scheme);

    const size_t pathStart = rest.find_first_of("/?");
    std::string_view authority = rest.substr(0, pathStart);
    if (pathStart != std::string_view::npos) {
        result.path = std::string(rest.substr(pathStart));
        if (result.path[0] == '?')
            result.path.insert(0, "/");
    }

    const size_t at = authority.rfind('@');
    if (at != std::string_view::npos) {
        const std::string_view credentials = authority.substr(0, at);
        const size_t colon = credentials.find(':');
        result.user = std::string(credentials.substr(0, colon));
        if (colon != std::string_view::npos)
            result.password = std::string(credentials.substr(colon + 1));
        authority.remove_prefix(at + 1);
    }
    const size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
        if (!ParsePort(authority.substr(colon + 1), result.port))
            return std::nullopt;
        authority = authority.substr(0, colon);
    }
    if (authority.empty())
        return std::nullopt;
    for (char c : authority)
        if (static_cast<unsigned char>(c) <= ' ')
            return std::nullopt; // a blank or control byte would corrupt the request
    result.host = std::string(authority);
    return result;
}

std::string DocumentName(std::string_view path) {
    path = path.substr(0, path.find('?'));
    while (!path.empty() && path.back() == '/')
        path.remove_suffix(1);
    const size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return name.empty() ? std::string("document.htm") : std::string(name);
}

std::optional<HttpAddress> ResolveLocation(const HttpAddress& current, std::string_view location) {
    location = TrimBlanks(location);
    if (location.empty())
        return std::nullopt;
    if (location.find("://") != std::string_view::npos)
        return ParseHttpAddress(location);
    if (location.substr(0, 2) == "//")
        return ParseHttpAddress(current.scheme + ":" + std::string(location));
    HttpAddress next = current;
    next.user.clear();
    next.password.clear();
    if (location[0] == '/') {
        next.path = std::string(location);
    } else {
        std::string base = current.path.substr(0, current.path.find('?'));
        base = base.substr(0, base.rfind('/') + 1);
        next.path = (base.empty() ? "/" : base) + std::string(location);
    }
    return next;
}

} // namespace qw
