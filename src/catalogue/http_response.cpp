#include "catalogue/http_response.h"

#include "catalogue/ascii.h"

#include <cstdio>

namespace qw {

namespace {

constexpr int kClientFailure = 404;

bool ParseLength(std::string_view text, std::int64_t& value) {
    text = TrimBlanks(text);
    if (!AllDigits(text) || text.size() > 18)
        return false;
    value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return true;
}

// "bytes 100-199/500"
void ParseContentRange(std::string_view value, HttpResults& r) {
    const size_t blank = value.find(' ');
    const size_t dash = value.find('-');
    const size_t slash = value.find('/');
    if (blank == std::string_view::npos || dash == std::string_view::npos || dash < blank)
        return;
    std::int64_t begin = 0, end = 0;
    if (ParseLength(value.substr(blank + 1, dash - blank - 1), begin) &&
        ParseLength(value.substr(dash + 1, slash == std::string_view::npos ? std::string_view::npos
                                                                           : slash - dash - 1),
                    end)) {
        r.rangeBegin = begin;
        r.rangeEnd = end;
    }
}

std::string Seconds(int ms) {
    char text[32];
    if (ms % 1000 == 0)
        std::snprintf(text, sizeof text, "%d seconds", ms / 1000);
    else
        std::snprintf(text, sizeof text, "%.1f seconds", ms / 1000.0);
    return text;
}

} // namespace

HttpResponseParser::Step HttpResponseParser::fail(HttpResults& r, std::string text) {
    finished_ = true;
    r.status = kClientFailure;
    r.statusText = std::move(text);
    return Step::Failed;
}

HttpResponseParser::Step HttpResponseParser::receive(std::string_view bytes, HttpResults& r,
                                                     const HttpBodySink& sink) {
    if (finished_)
        return Step::Done;
    if (inBody_)
        return body(bytes, r, sink);
    while (!bytes.empty()) {
        const size_t lf = bytes.find('\n');
        const size_t take = lf == std::string_view::npos ? bytes.size() : lf;
        if (pending_.size() + take >= limits_.maxLine)
            return fail(r, http_failure::kLineTooLong);
        if (headerBytes_ + pending_.size() + take + 1 > limits_.maxHeader)
            return fail(r, http_failure::HeaderTooLarge(limits_.maxHeader));
        if (lf == std::string_view::npos) {
            pending_.append(bytes);
            return Step::More;
        }
        pending_.append(bytes.substr(0, lf));
        const std::string_view rest = bytes.substr(lf + 1);
        headerBytes_ += pending_.size() + 1;
        std::string line;
        line.swap(pending_);
        const bool hadCr = !line.empty() && line.back() == '\r';
        if (hadCr)
            line.pop_back();

        if (AsciiLower(line.substr(0, 6)) == "<html>") {
            // No header at all: the answer is the document itself.
            if (r.mimeType.empty())
                r.mimeType = "text/html";
            inBody_ = true;
            const Step first = body(line + (hadCr ? "\r\n" : "\n"), r, sink);
            return first == Step::More ? body(rest, r, sink) : first;
        }
        const Step step = line.empty() ? headerEnd(r) : headerLine(line, r);
        if (step != Step::More)
            return step;
        bytes = rest;
        if (inBody_)
            return body(bytes, r, sink);
    }
    return Step::More;
}

HttpResponseParser::Step HttpResponseParser::headerLine(std::string_view line, HttpResults& r) {
    r.receivedHeaders.emplace_back(line);
    if (line.substr(0, 8) == "HTTP/1.0" || line.substr(0, 8) == "HTTP/1.1") {
        const std::string_view code = line.size() >= 12 ? line.substr(9, 3) : std::string_view();
        if (!AllDigits(code))
            return fail(r, "Invalid HTTP status line: " + std::string(line.substr(0, 80)));
        r.status = std::stoi(std::string(code));
        r.statusText = line.size() > 13 ? std::string(line.substr(13)) : std::string();
        sawStatusLine_ = true;
        return Step::More;
    }
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return Step::More;
    const std::string name = AsciiLower(TrimBlanks(line.substr(0, colon)));
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    if (name == "content-length") {
        std::int64_t length = 0;
        if (ParseLength(value, length))
            r.announcedLength = length;
    } else if (name == "content-type") {
        r.mimeType = AsciiLower(value);
    } else if (name == "content-range") {
        ParseContentRange(value, r);
    } else if (name == "accept-ranges") {
        r.acceptRanges = std::string(value);
    } else if (name == "www-authenticate") {
        r.authenticate.emplace_back(value);
    } else if (name == "set-cookie") {
        r.cookies.emplace_back(value);
    } else if (name == "location") {
        r.location = std::string(TrimBlanks(value));
    } else if (name == "transfer-encoding") {
        transferEncoding_ = AsciiLower(TrimBlanks(value));
    }
    return Step::More;
}

HttpResponseParser::Step HttpResponseParser::headerEnd(HttpResults& r) {
    if (!sawStatusLine_)
        return fail(r, http_failure::kNoStatusLine);
    if (r.status >= 400) {
        finished_ = true; // no body is read for an error answer
        return Step::Done;
    }
    if (r.status >= 300 && r.status < 400 && !r.location.empty()) {
        finished_ = true;
        return Step::Redirect;
    }
    if (!transferEncoding_.empty() && transferEncoding_ != "identity")
        return fail(r, http_failure::UnsupportedEncoding(transferEncoding_));
    if (method_ == HttpMethod::Head || r.announcedLength == 0 || r.status == 204 ||
        r.status == 304) {
        finished_ = true; // these answers carry no body
        return Step::Done;
    }
    inBody_ = true;
    return Step::More;
}

HttpResponseParser::Step HttpResponseParser::body(std::string_view chunk, HttpResults& r,
                                                  const HttpBodySink& sink) {
    if (r.announcedLength >= 0 &&
        static_cast<std::int64_t>(chunk.size()) > r.announcedLength - r.receivedCount)
        chunk = chunk.substr(0, static_cast<size_t>(r.announcedLength - r.receivedCount));
    if (limits_.maxBody >= 0 &&
        static_cast<std::int64_t>(chunk.size()) > limits_.maxBody - r.receivedCount)
        return fail(r, http_failure::BodyTooLarge(limits_.maxBody));
    if (!chunk.empty()) {
        r.receivedCount += static_cast<std::int64_t>(chunk.size());
        if (sink && !sink(chunk))
            return fail(r, http_failure::kNotStored);
    }
    if (r.announcedLength >= 0 && r.receivedCount >= r.announcedLength) {
        finished_ = true;
        return Step::Done;
    }
    return Step::More;
}

HttpResponseParser::Step HttpResponseParser::closed(HttpResults& r) {
    if (finished_)
        return Step::Done;
    if (!inBody_)
        return fail(r, http_failure::kClosedInHeader);
    if (r.announcedLength >= 0 && r.receivedCount < r.announcedLength)
        return fail(r, http_failure::Truncated(r.receivedCount, r.announcedLength));
    finished_ = true;
    return Step::Done;
}

namespace http_failure {

std::string CantConnect(const std::string& socketError, int number) {
    return "can't connect: " + SocketError(socketError, number);
}
std::string SocketError(const std::string& socketError, int number) {
    return socketError + " (Error #" + std::to_string(number) + ")";
}
std::string HeaderTooLarge(size_t limit) {
    return "HTTP header larger than " + std::to_string(limit) + " bytes";
}
std::string BodyTooLarge(std::int64_t limit) {
    return "Document larger than " + std::to_string(limit) + " bytes";
}
std::string TooManyRedirects(int limit) {
    return "More than " + std::to_string(limit) + " redirections";
}
std::string ConnectTimeout(int ms) {
    return "can't connect: no connection within " + Seconds(ms);
}
std::string IdleTimeout(int ms) {
    return "No data received for " + Seconds(ms);
}
std::string Truncated(std::int64_t received, std::int64_t announced) {
    return "Connection closed after " + std::to_string(received) + " of " +
           std::to_string(announced) + " bytes";
}
std::string BadAddress(std::string_view address) {
    return "Invalid address: " + std::string(address.substr(0, 200));
}
std::string BadRedirect(std::string_view location) {
    return "Invalid redirection: " + std::string(location.substr(0, 200));
}
std::string Certificate(const std::string& errors) {
    return "Certificate not accepted: " + errors;
}
std::string UnsupportedEncoding(const std::string& encoding) {
    return "Unsupported transfer encoding: " + encoding.substr(0, 40);
}

} // namespace http_failure

} // namespace qw
