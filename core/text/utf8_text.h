#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nubera {

// The length of the well-formed UTF-8 sequence that starts at text[at]; 0
// when none does (a stray continuation byte, an overlong form, a surrogate,
// a code point beyond U+10FFFF, a sequence cut short).
std::size_t Utf8SequenceAt(std::string_view text, std::size_t at);

bool IsValidUtf8(std::string_view text);

// The first `characters` characters of `text` (all of it when shorter), for
// a message to quote the start of a long text; it ends before the first
// byte that starts no well-formed sequence.
std::string_view Utf8Prefix(std::string_view text, std::size_t characters);

// `text` with every byte that starts no well-formed sequence replaced by
// U+FFFD, the replacement character.
std::string WithReplacementCharacters(std::string_view text);

}  // namespace nubera
