#include "catalogue/http_transfer.h"

namespace qw {

void HttpTransfer::begin(HttpResults& results) {
    results = HttpResults{};
    parser_ = std::make_unique<HttpResponseParser>(method_, limits_);
}

bool HttpTransfer::start(HttpMethod method, std::string_view address, HttpResults& results) {
    method_ = method;
    redirects_ = 0;
    begin(results);
    std::optional<HttpAddress> parsed = ParseHttpAddress(address);
    if (!parsed) {
        results.status = 404;
        results.statusText = http_failure::BadAddress(address);
        return false;
    }
    address_ = std::move(*parsed);
    return true;
}

const std::string& HttpTransfer::connectHost() const {
    return options_.proxy.empty() ? address_.host : options_.proxy;
}

int HttpTransfer::connectPort() const {
    return options_.proxy.empty() ? address_.port : options_.proxyPort;
}

std::string HttpTransfer::request(std::int64_t postLength) const {
    return BuildHttpRequest(method_, address_, options_, postLength);
}

bool HttpTransfer::followRedirect(HttpResults& results) {
    const std::string location = results.location;
    if (++redirects_ > limits_.maxRedirects) {
        results.status = 404;
        results.statusText = http_failure::TooManyRedirects(limits_.maxRedirects);
        return false;
    }
    std::optional<HttpAddress> next = ResolveLocation(address_, location);
    if (!next) {
        results.status = 404;
        results.statusText = http_failure::BadRedirect(location);
        return false;
    }
    address_ = std::move(*next);
    begin(results);
    return true;
}

} // namespace qw
