#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "boring/boring_reader.h"
#include "files/file_bytes.h"
#include "text/cp932.h"

namespace nubera::test {

inline std::filesystem::path BoringSample(std::string_view name) {
    return std::filesystem::path(NUBERA_SOURCE_DIR) / "tests/core/boring/samples" / name;
}

// A sample's text in UTF-8, for a test to change before encoding it again.
inline std::string BoringSampleText(std::string_view name) {
    const auto bytes = ReadFileBytes(BoringSample(name));
    if (!bytes) return {};
    return Cp932ToUtf8(*bytes).value_or("");
}

inline BoringLog ParseSample(std::string_view name) {
    std::string error;
    const auto log = ReadBoringLog(BoringSample(name), &error);
    EXPECT_TRUE(log) << error;
    return log.value_or(BoringLog{});
}

}  // namespace nubera::test
