#pragma once
// Whether a converted text holds a word or a phrase, for find in files.
//
// A search text without an inner blank is found anywhere in the text, as it
// stands. A phrase (a blank after its first word) may run across line
// breaks: it is matched where its first word is followed by a blank or a CR,
// and from there on line breaks count as one blank between two words and as
// nothing next to a blank. A first word followed only by an LF is no place
// for a phrase. Without case sensitivity both sides are case-folded.
//
// The text is read once, in slices, whatever the phrase: the time is linear
// in the text and the memory bounded by the slice and the phrase.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qw {

enum class MatchEnd { Found, NotFound, Stopped };

class TextMatch {
  public:
    // Nothing for an empty search text.
    static std::optional<TextMatch> Make(std::string_view search, bool caseSensitive);

    // keepGoing (may be empty) is asked between slices of the text; false
    // ends the test with Stopped.
    MatchEnd findIn(std::string_view text, const std::function<bool()>& keepGoing = {}) const;

    // The bytes read between two questions to keepGoing.
    static constexpr std::size_t kSliceBytes = 256 * 1024;

  private:
    MatchEnd findWord(std::string_view text, const std::function<bool()>& keepGoing) const;
    MatchEnd findPhrase(std::string_view text, const std::function<bool()>& keepGoing) const;

    std::string search_;     // case-folded unless caseSensitive_
    std::size_t wordLength_; // leading blanks and the first word; the whole text for a word
    bool caseSensitive_ = false;
};

} // namespace qw
