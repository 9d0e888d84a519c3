#pragma once
// Reading one HTTP answer from the bytes as they arrive: the status line and
// the header lines (split at LF, a CR before the LF dropped, a line may come
// in any number of pieces), then the body, handed on chunk by chunk.

#include "catalogue/http_address.h"
#include "catalogue/http_request.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

struct HttpLimits {
    size_t maxLine = 8192;        // one header line
    size_t maxHeader = 64 * 1024; // the whole header block
    std::int64_t maxBody = -1;    // -1: no limit
    int maxRedirects = 10;
    int connectTimeoutMs = 30 * 1000; // until the request is sent
    int idleTimeoutMs = 30 * 1000;    // between two pieces of the answer
};

// What one request found out; reset at the start of every request.
struct HttpResults {
    int status = 0;
    std::string statusText;
    std::int64_t announcedLength = -1; // -1: not announced
    std::string mimeType;              // lower case
    std::int64_t receivedCount = 0;    // bytes of body received
    std::vector<std::string> receivedHeaders;
    std::string acceptRanges;
    std::int64_t rangeBegin = -1, rangeEnd = -1; // of a "Content-Range" answer
    std::vector<std::string> authenticate, cookies;
    std::string location; // the Location header as sent

    bool failed() const { return status >= 400; }
};

// Receives the body chunk by chunk; false when it could not be stored.
using HttpBodySink = std::function<bool(std::string_view chunk)>;

class HttpResponseParser {
  public:
    enum class Step {
        More,     // waiting for more bytes
        Done,     // the answer is complete (or failed with a server status)
        Redirect, // the header named another address; the connection can go
        Failed    // results hold status 404 and the reason
    };

    HttpResponseParser(HttpMethod method, const HttpLimits& limits)
        : method_(method), limits_(limits) {}

    Step receive(std::string_view bytes, HttpResults& results, const HttpBodySink& sink);
    // The server closed the connection.
    Step closed(HttpResults& results);

  private:
    Step headerLine(std::string_view line, HttpResults& results);
    Step headerEnd(HttpResults& results);
    Step body(std::string_view chunk, HttpResults& results, const HttpBodySink& sink);
    Step fail(HttpResults& results, std::string text);

    HttpMethod method_;
    HttpLimits limits_;
    bool inBody_ = false;
    bool finished_ = false;
    bool sawStatusLine_ = false;
    std::string pending_;    // the header line received so far
    size_t headerBytes_ = 0; // of the header block up to pending_
    std::string transferEncoding_;
};

// The status texts of the failures the client reports itself (status 404).
namespace http_failure {
constexpr const char* kBusy = "HTTP component is busy";
constexpr const char* kNothingToPost = "HTTP component has nothing to post";
constexpr const char* kCantResolve = "can't resolve hostname to IP address";
constexpr const char* kAborted = "Connection aborted on request";
constexpr const char* kLineTooLong = "HTTP line too long";
constexpr const char* kNoStatusLine = "The server's answer has no HTTP status line";
constexpr const char* kClosedInHeader = "Connection closed before the end of the HTTP header";
constexpr const char* kNotStored = "The document could not be stored";
std::string CantConnect(const std::string& socketError, int number);
std::string SocketError(const std::string& socketError, int number);
std::string HeaderTooLarge(size_t limit);
std::string BodyTooLarge(std::int64_t limit);
std::string TooManyRedirects(int limit);
std::string ConnectTimeout(int ms);
std::string IdleTimeout(int ms);
std::string Truncated(std::int64_t received, std::int64_t announced);
std::string BadAddress(std::string_view address);
std::string BadRedirect(std::string_view location);
std::string Certificate(const std::string& errors);
std::string UnsupportedEncoding(const std::string& encoding);
} // namespace http_failure

} // namespace qw
