#pragma once
// The HTTP/1.0 request the client sends: the request line and the header
// lines, each ended by CR LF, and an empty line.

#include "catalogue/http_address.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

enum class HttpMethod { Get, Head, Post };

struct HttpRequestOptions {
    std::string proxy; // when set, requests go there with the full address as path
    int proxyPort = 80;
    std::string agent = "Mozilla/3.0 (compatible)";
    std::string accept = "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
    bool noCache = false;
    std::string contentTypePost = "application/x-www-form-urlencoded";
    std::string sender, reference, username, password, proxyUsername, proxyPassword, cookie;
    std::int64_t modifiedSince = 0;            // seconds since 1970 (UTC); 0: not sent
    std::int64_t rangeBegin = 0, rangeEnd = 0; // "Range" when either is set
};

std::string Base64(std::string_view bytes);

// "Sun, 06 Nov 1994 08:49:37" for seconds since 1970 (UTC).
std::string HttpDate(std::int64_t unixTime);

// The request for the address; postLength is the size of the body of a POST.
// Bytes of the path that would break the request line (blanks, control
// characters) are sent percent-encoded.
std::string BuildHttpRequest(HttpMethod method, const HttpAddress& address,
                             const HttpRequestOptions& options, std::int64_t postLength = 0);

} // namespace qw
