// The files a run refuses, each with the program's message, as listed in
// golden/refused.json; the browser's page is held to the same list. A case
// is an example with one byte sequence replaced, or bytes of its own; both
// are written one character a byte (U+0000..U+00FF).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using test::FreshFolder;
using test::ReadAll;
using test::RunCli;

// A JSON text whose characters stand for bytes.
std::string Bytes(const nlohmann::json& text) {
    std::string bytes;
    const std::string utf8 = text.get<std::string>();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            bytes += static_cast<char>(byte);
        } else {  // U+0080..U+00FF: two bytes, C2 or C3 and the rest
            bytes += static_cast<char>(((byte & 0x03) << 6) | (utf8[++i] & 0x3F));
        }
    }
    return bytes;
}

std::string CaseBytes(const nlohmann::json& refusal) {
    if (refusal.contains("bytes")) return Bytes(refusal["bytes"]);
    std::string bytes = ReadAll(std::string(NUBERA_SOURCE_DIR) + "/examples/" +
                                refusal["example"].get<std::string>());
    const std::string from = Bytes(refusal["replace"][0]);
    const auto at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << refusal["name"];
    if (at != std::string::npos) bytes.replace(at, from.size(), Bytes(refusal["replace"][1]));
    return bytes;
}

TEST(RefusedFiles, EachGivesItsMessageAndNothingElse) {
    std::ifstream list(std::string(NUBERA_SOURCE_DIR) + "/tests/cli/golden/refused.json");
    const auto refusals = nlohmann::json::parse(list);
    ASSERT_EQ(refusals.size(), 16u);
    const auto folder = FreshFolder("refused-files");
    for (const auto& refusal : refusals) {
        const std::string name = refusal["name"];
        std::ofstream(folder / name, std::ios::binary) << CaseBytes(refusal);
        // Run from the file's folder, so that a message naming it says its name.
        const auto run =
            RunCli("calc '" + name + "' --json --no-workbook", "cd '" + folder.string() + "' &&");
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.err, refusal["message"].get<std::string>() + "\n") << name;
        EXPECT_EQ(run.out, "") << name;
    }
}

}  // namespace
}  // namespace nubera
