#pragma once
// One GET, HEAD or POST from the first address to the final answer, without
// the sockets: where to connect, what to send, what the answer means, and
// which redirections to follow. The socket layer feeds it.
//
//   HttpTransfer t(options, limits);
//   if (!t.start(HttpMethod::Get, "https://host/dirs/x.zip", results)) fail;
//   connect to t.connectHost() : t.connectPort() (encrypted when t.secure())
//   send t.request(); feed every received piece to t.receive(...)

#include "catalogue/http_response.h"

#include <memory>

namespace qw {

class HttpTransfer {
  public:
    HttpTransfer(HttpRequestOptions options, HttpLimits limits)
        : options_(std::move(options)), limits_(limits) {}

    // Resets the results and parses the address; false (results failed) when
    // the address is not usable.
    bool start(HttpMethod method, std::string_view address, HttpResults& results);

    const HttpAddress& address() const { return address_; }
    // The document name of the current address.
    std::string documentName() const { return DocumentName(address_.path); }
    const std::string& connectHost() const;
    int connectPort() const;
    bool secure() const { return address_.secure() && options_.proxy.empty(); }
    std::string request(std::int64_t postLength = 0) const;
    int redirects() const { return redirects_; }

    using Step = HttpResponseParser::Step;
    Step receive(std::string_view bytes, HttpResults& results, const HttpBodySink& sink) {
        return parser_->receive(bytes, results, sink);
    }
    Step closed(HttpResults& results) { return parser_->closed(results); }

    // After Step::Redirect: moves on to the address of the Location header
    // with fresh results; false (results failed) after too many redirections
    // or for a location that is no address.
    bool followRedirect(HttpResults& results);

  private:
    void begin(HttpResults& results);

    HttpRequestOptions options_;
    HttpLimits limits_;
    HttpMethod method_ = HttpMethod::Get;
    HttpAddress address_;
    int redirects_ = 0;
    std::unique_ptr<HttpResponseParser> parser_;
};

} // namespace qw
