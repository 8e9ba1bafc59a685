#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "projectfile/project_file.h"
#include "text/cp932.h"

namespace nubera::test {

// The bytes of a project file: the lines in code page 932, each ended by CR LF.
inline std::string ProjectFileBytes(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    const auto bytes = Utf8ToCp932(text);
    EXPECT_TRUE(bytes.has_value()) << text;
    return bytes.value_or("");
}

inline const std::filesystem::path& OneBlockExample() {
    static const std::filesystem::path path =
        std::filesystem::path(NUBERA_SOURCE_DIR) / "examples" / "one-block.nbr";
    return path;
}

}  // namespace nubera::test
