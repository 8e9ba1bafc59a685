#pragma once

// Project files of a batch copied from the examples into a fresh folder, and
// readers of what the batch printed and wrote.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/run_cli.h"

namespace nubera::test {

inline const std::string kWorkbookSuffix = "_即時沈下量計算結果.xlsx";

// Project files copied from the examples into a fresh folder, and an empty
// folder beside them for the results.
class Projects {
  public:
    explicit Projects(const std::string& name)
        : root_(FreshFolder("batch-" + name) / "projects"), out_(root_.parent_path() / "out") {
        std::filesystem::create_directories(root_);
        std::filesystem::create_directories(out_);
    }

    // A copy of an example at `relative`, with `from` replaced by `to`.
    std::filesystem::path Add(const std::string& relative, const std::string& example,
                              const std::string& from = {}, const std::string& to = {}) const {
        std::string bytes = ReadAll(std::string(NUBERA_SOURCE_DIR) + "/examples/" + example);
        if (!from.empty()) bytes.replace(bytes.find(from), from.size(), to);
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    // A project file the reader refuses: "ファイル形式、もしくはバージョンが違います".
    std::filesystem::path AddRefused(const std::string& relative) const {
        return Add(relative, "one-block.nbr", "100]", "104]");
    }

    const std::filesystem::path& Root() const { return root_; }
    const std::filesystem::path& Out() const { return out_; }
    std::string RootText() const { return root_.string(); }
    std::string OutArgument() const { return " --out '" + out_.string() + "'"; }

  private:
    std::filesystem::path root_;
    std::filesystem::path out_;
};

// The RunCli prefix that makes one system call fail or wait (see
// faults/system_faults.cpp).
inline std::string WithFault(const std::string& fault) {
    return "LD_PRELOAD='" NUBERA_SYSTEM_FAULTS "' NUBERA_FAULT=" + fault;
}

inline std::string Quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::vector<nlohmann::ordered_json> JsonLines(const std::string& text) {
    std::vector<nlohmann::ordered_json> objects;
    for (const std::string& line : Lines(text))
        objects.push_back(nlohmann::ordered_json::parse(line));
    return objects;
}

inline std::vector<std::string> FileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

// Whether every workbook in the folder is a whole zip file, by Python's reader.
inline bool AllWorkbooksWhole(const std::filesystem::path& folder) {
    std::string out;
    return RunCommand(
               "/usr/bin/python3 -c 'import sys, zipfile, glob\n"
               "books = glob.glob(sys.argv[1] + \"/*.xlsx\")\n"
               "sys.exit(0 if books and all(zipfile.ZipFile(b).testzip() is None "
               "for b in books) else 1)' " +
                   Quoted(folder),
               &out) == 0;
}

// The rows of a CSV file as Python's reader finds them; null when it cannot.
inline nlohmann::ordered_json CsvRows(const std::filesystem::path& csv) {
    std::string rows;
    const int status = RunCommand(
        "/usr/bin/python3 -c 'import csv, json, sys\n"
        "with open(sys.argv[1], encoding=\"utf-8-sig\", newline=\"\") as f:\n"
        "    print(json.dumps(list(csv.reader(f))))' " +
            Quoted(csv),
        &rows);
    return status == 0 ? nlohmann::ordered_json::parse(rows) : nlohmann::ordered_json();
}

}  // namespace nubera::test
