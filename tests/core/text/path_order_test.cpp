#include "text/path_order.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace nubera {
namespace {

// Every pair of these, made lexically normal, is ordered as the paths are:
// a separator against a byte below it ("a/b" and "a-b", "a b"), names that
// are prefixes of others, relative against absolute, the root, a trailing
// separator, bytes above 0x7F, and spellings that normalise alike.
TEST(PathTextBefore, OrdersPathsAsThePathsThemselvesWould) {
    const std::vector<std::string> texts{"a",
                                         "a/b",
                                         "a-b",
                                         "a b",
                                         "a/b/c",
                                         "a-b/c",
                                         "ab",
                                         "a.nbr",
                                         "a/",
                                         "a/./b",
                                         "a//b",
                                         "./a",
                                         "/",
                                         "/a",
                                         "/a/b",
                                         "/a-b",
                                         "//a",
                                         "/ab/c",
                                         "b",
                                         "B",
                                         "",
                                         "\xE3\x83\x86/x",
                                         "\xE3\x83\x86-x",
                                         "\xFF",
                                         "x/\xFF",
                                         "x/\x01",
                                         "x\x01",
                                         "../a",
                                         "a/../b",
                                         "dir.nbr/a",
                                         "dir/a.nbr"};
    for (const std::string& left : texts) {
        for (const std::string& right : texts) {
            const std::filesystem::path a = std::filesystem::path(left).lexically_normal();
            const std::filesystem::path b = std::filesystem::path(right).lexically_normal();
            EXPECT_EQ(PathTextBefore(a.native(), b.native()), a < b)
                << "\"" << a.native() << "\" before \"" << b.native() << "\"";
        }
    }
}

}  // namespace
}  // namespace nubera
