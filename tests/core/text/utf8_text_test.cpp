#include "text/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace nubera {
namespace {

// ASCII is skipped in runs; a sequence must be judged alike wherever it
// falls against the run's steps, the text's end included.
TEST(IsValidUtf8, JudgesASequenceAlikeAtEveryPlaceInALongAsciiText) {
    const std::string ascii(24, 'a');
    struct {
        const char* name;
        std::string sequence;
        bool valid;
    } cases[] = {
        {"three-byte character", "\xE3\x81\x82", true},
        {"four-byte character", "\xF0\x9F\x98\x80", true},
        {"byte that never leads", "\xFF", false},
        {"stray continuation byte", "\x80", false},
        {"overlong slash", "\xC0\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
    };
    for (const auto& each : cases) {
        for (std::size_t at = 0; at <= ascii.size(); ++at) {
            std::string text = ascii;
            text.insert(at, each.sequence);
            EXPECT_EQ(IsValidUtf8(text), each.valid) << each.name << " at " << at;
        }
    }
    for (std::size_t length = 0; length <= ascii.size(); ++length) {
        EXPECT_FALSE(IsValidUtf8(ascii.substr(0, length) + "\xE3\x81")) << "cut after " << length;
    }
}

}  // namespace
}  // namespace nubera
