#include "text/line_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace nubera {
namespace {

// Every offset of texts that end just before, at and after the index's
// stride, with line ends on both sides of it, against counting from the start.
TEST(LineIndex, AgreesWithCountingFromTheStartAtEveryOffset) {
    constexpr std::size_t stride = LineIndex::kStride;
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, stride - 1, stride, stride + 1,
                                   3 * stride, 3 * stride + 13}) {
        std::string text(size, 'x');
        for (std::size_t at = 0; at < size; at += 7) text[at] = '\n';
        for (const std::size_t at : {stride - 1, stride, 2 * stride - 1, 2 * stride}) {
            if (at < size) text[at] = '\n';
        }
        const LineIndex index(text);
        for (std::size_t offset = 0; offset <= size + 1; ++offset) {
            const auto end = text.begin() + static_cast<std::ptrdiff_t>(std::min(offset, size));
            const int expected = 1 + static_cast<int>(std::count(text.begin(), end, '\n'));
            ASSERT_EQ(index.LineAt(offset), expected) << size << " " << offset;
        }
    }
}

}  // namespace
}  // namespace nubera
