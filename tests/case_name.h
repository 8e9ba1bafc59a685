#pragma once

// Names for the cases of parameterised tests. gtest numbers them otherwise,
// and ctest then lists "…/3" for a case whose meaning lives only in the source.

#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace nubera::test {

// For case structs with a `name` member (letters, digits and '_' only).
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

// A number as a name: "minus_2_345" for -2.345, "1e_minus_300" for 1e-300.
inline std::string NumberName(double value) {
    char text[40];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    std::string name;
    for (const char c : std::string(text, end)) {
        if (c == '-') {
            name += name.empty() ? "minus_" : "_minus_";
        } else if (c == '+') {
            name += "_plus_";
        } else if (c == '.') {
            name += '_';
        } else {
            name += c;
        }
    }
    return name;
}

}  // namespace nubera::test
