#include "catalogue/http_request.h"

#include <cstdio>
#include <ctime>

namespace qw {

namespace {

const char* MethodName(HttpMethod method) {
    switch (method) {
    case HttpMethod::Head:
        return "HEAD";
    case HttpMethod::Post:
        return "POST";
    case HttpMethod::Get:
        break;
    }
    return "GET";
}

std::string EncodeUnsafeBytes(std::string_view path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F) {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

// Header values go on one line: line breaks inside one are dropped.
std::string OneLine(std::string_view value) {
    std::string out;
    for (char c : value)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

} // namespace

std::string Base64(std::string_view bytes) {
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 63];
        out += alphabet[(v >> 6) & 63];
        out += alphabet[v & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += alphabet[v >> 18];
        out += alphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string HttpDate(std::int64_t unixTime) {
    static const char* const days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::time_t time = static_cast<std::time_t>(unixTime);
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[40];
    std::snprintf(text, sizeof text, "%s, %02d %s %04d %02d:%02d:%02d", days[utc.tm_wday],
                  utc.tm_mday, months[utc.tm_mon], utc.tm_year + 1900, utc.tm_hour, utc.tm_min,
                  utc.tm_sec);
    return text;
}

std::string BuildHttpRequest(HttpMethod method, const HttpAddress& address,
                             const HttpRequestOptions& o, std::int64_t postLength) {
    const bool viaProxy = !o.proxy.empty();
    std::string request = std::string(MethodName(method)) + " " +
                          EncodeUnsafeBytes(viaProxy ? address.text() : address.path) +
                          " HTTP/1.0\r\n";
    auto line = [&request](std::string_view name, std::string_view value) {
        request += std::string(name) + ": " + OneLine(value) + "\r\n";
    };
    if (!o.sender.empty())
        line("From", o.sender);
    if (!o.accept.empty())
        line("Accept", o.accept);
    if (!o.reference.empty())
        line("Referer", o.reference);
    if (method == HttpMethod::Post && !o.contentTypePost.empty())
        line("Content-Type", o.contentTypePost);
    if (!o.agent.empty())
        line("User-Agent", o.agent);
    line("Host", address.host);
    if (o.noCache)
        line("Pragma", "no-cache");
    if (method == HttpMethod::Post)
        line("Content-Length", std::to_string(postLength));
    if (o.modifiedSince != 0)
        line("If-Modified-Since", HttpDate(o.modifiedSince) + " GMT");
    if (!o.username.empty())
        line("Authorization", "Basic " + Base64(o.username + ":" + o.password));
    if (viaProxy && !o.proxyUsername.empty())
        line("Proxy-Authorization", "Basic " + Base64(o.proxyUsername + ":" + o.proxyPassword));
    if (!o.cookie.empty())
        line("Cookie", o.cookie);
    if (o.rangeBegin != 0 || o.rangeEnd != 0)
        line("Range", "bytes=" + std::to_string(o.rangeBegin) + "-" +
                          (o.rangeEnd != 0 ? std::to_string(o.rangeEnd) : std::string()));
    return request + "\r\n";
}

} // namespace qw
