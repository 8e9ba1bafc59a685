#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "files/file_bytes.h"

namespace nubera::test {

// A fresh folder for one test, removed with everything in it afterwards.
class ScratchFolder {
  public:
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("nubera-" + std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    const std::filesystem::path& Path() const { return path_; }

    // Writes raw bytes to a file in the folder and returns its path.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const auto path = path_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

  private:
    std::filesystem::path path_;
};

// The whole file; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    return ReadFileBytes(path).value_or("");
}

}  // namespace nubera::test
