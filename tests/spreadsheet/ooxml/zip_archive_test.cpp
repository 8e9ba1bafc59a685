#include "spreadsheet/ooxml/package/zip_archive.h"

#include <gtest/gtest.h>

#include <fstream>

#include "spreadsheet/spreadsheet_error.h"
#include "tests/spreadsheet/fixture/package_fixture.h"

namespace nubera::sheet {
namespace {

using test::TempFolder;

// What reading gives: every entry, or the message it was refused with.
std::string Read(const std::function<std::vector<ZipEntry>()>& read) {
    try {
        std::string seen;
        for (const ZipEntry& entry : read()) seen += entry.name + "=" + entry.bytes + ";";
        return seen;
    } catch (const SpreadsheetError& error) {
        return std::string("refused: ") + error.what();
    }
}

// Reading the bytes held in memory must accept and refuse exactly what
// reading the file holding them does, with the same words: a workbook is
// checked in memory before it is published.
void ExpectSameAsFile(const TempFolder& folder, const std::string& bytes, const char* name) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(Read([&] { return ReadZipArchive(bytes, path); }),
              Read([&] { return ReadZipArchive(path); }))
        << name;
}

TEST(ZipArchive, BytesInMemoryReadAsTheirFileWould) {
    TempFolder folder;
    const std::string text(4000, 'x');
    const std::string good = ZipArchiveBytes(
        {{"[Content_Types].xml", "<Types/>"}, {"xl/sheet.xml", text + "end"}, {"empty", ""}});
    ExpectSameAsFile(folder, good, "good.zip");
    EXPECT_EQ(Read([&] { return ReadZipArchive(good, folder / "good.zip"); }),
              "[Content_Types].xml=<Types/>;xl/sheet.xml=" + text + "end;empty=;");

    std::string damaged = good;  // a byte in the middle of the second entry's data changed
    const std::size_t name = damaged.find("xl/sheet.xml") + 12;
    const std::size_t data = (name + damaged.find("PK\x03\x04", name)) / 2;
    damaged[data] = static_cast<char>(damaged[data] ^ 0x55);
    ExpectSameAsFile(folder, damaged, "damaged.zip");
    EXPECT_NE(Read([&] {
                  return ReadZipArchive(damaged, folder / "damaged.zip");
              }).find("「" + (folder / "damaged.zip").string() + "」"),
              std::string::npos);

    ExpectSameAsFile(folder, good.substr(0, good.size() - 10), "cut.zip");
    ExpectSameAsFile(folder, "not a zip", "text.zip");
    ExpectSameAsFile(folder, "", "empty.zip");
}

}  // namespace
}  // namespace nubera::sheet
