#pragma once

// Small workbook packages written by the tests themselves, and helpers to look
// into what the model saved.

#include <filesystem>
#include <string>
#include <vector>

namespace nubera::sheet::testing {

struct FixtureSheet {
    std::string name;
    std::string body;     // the children of <worksheet>, <sheetData> included
    std::string drawing;  // the children of <xdr:wsDr>; none when empty
};

struct FixtureBook {
    std::vector<FixtureSheet> sheets;
    std::vector<std::string> sharedStrings;
    std::string definedNames;  // the children of <definedNames>
    int activeTab = 0;
};

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Writes the book as a template package (.xltx content type, a calculation
// chain, document properties listing the sheets) and returns its path.
std::filesystem::path WriteFixture(const TempFolder& folder, const FixtureBook& book,
                                   const std::string& name = "fixture.xltx");

// The parts of a saved package, by name.
std::vector<std::string> PartNames(const std::filesystem::path& package);
std::string PartText(const std::filesystem::path& package, const std::string& part);

// A sheet body with the given rows inside <sheetData> and anything after it.
std::string SheetBody(const std::string& rows, const std::string& after = "");

// Runs /usr/bin/python3 with openpyxl on `script`, which finds the workbook
// path in sys.argv[1]; returns what it printed, with its exit status on failure.
std::string RunOpenpyxl(const std::string& script, const std::filesystem::path& workbook);

}  // namespace nubera::sheet::testing
