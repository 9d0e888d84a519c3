#pragma once
// Addresses as the HTTP client takes them: "http://host:port/path", with the
// scheme optional (plain HTTP then) and "https://" for encrypted transfers.

#include <optional>
#include <string>
#include <string_view>

namespace qw {

struct HttpAddress {
    std::string scheme = "http"; // "http" or "https", lower case
    std::string user, password;
    std::string host;
    int port = 80;
    std::string path = "/"; // with any "?" part

    bool secure() const { return scheme == "https"; }
    // The address written out again ("https://host:8443/path"); the default
    // port of the scheme is left out.
    std::string text() const;
};

// Nothing for an address without a host, with a port that is not a number
// from 1 to 65535, or with a scheme other than http and https.
std::optional<HttpAddress> ParseHttpAddress(std::string_view address);

// The last path segment without a trailing "/" and without any "?" part, or
// "document.htm" when there is none.
std::string DocumentName(std::string_view path);

// The address a Location header leads to: absolute ("https://..."), on the
// same host ("//host/..." or "/path"), or relative to the current path.
std::optional<HttpAddress> ResolveLocation(const HttpAddress& current, std::string_view location);

} // namespace qw
