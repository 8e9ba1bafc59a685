#include "text/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nubera {
namespace {

TEST(SplitLines, EndsLinesAtCrLfLoneLfAndLoneCr) {
    using Lines = std::vector<std::string_view>;
    struct {
        const char* name;
        std::string_view text;
        Lines lines;
    } cases[] = {
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"last line without ending", "a\r\nb", {"a", "b"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"LF CR is two endings", "a\n\rb", {"a", "", "b"}},
        {"blank line kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"only an ending", "\r\n", {""}},
        {"empty text", "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.name;
    }
}

}  // namespace
}  // namespace nubera
