#include "package_fixture.h"

#include <cstdlib>
#include <fstream>
#include <random>

#include "zip_archive.h"

namespace nubera::sheet::testing {
namespace {

constexpr const char* kDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Xml(const std::string& body) {
    return kDeclaration + body;
}

std::string ContentTypes(const FixtureBook& book) {
    std::string types =
        R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml"/>)"
        R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
        R"(<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>)"
        R"(<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>)"
        R"(<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>)";
    for (std::size_t i = 1; i <= book.sheets.size(); ++i) {
        const std::string n = std::to_string(i);
        types +=
            R"(<Override PartName="/xl/worksheets/sheet)" + n +
            R"(.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)";
        if (!book.sheets[i - 1].drawing.empty()) {
            types +=
                R"(<Override PartName="/xl/drawings/drawing)" + n +
                R"(.xml" ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>)";
        }
    }
    return Xml(types + "</Types>");
}

std::string Relationship(const std::string& id, const std::string& type,
                         const std::string& target) {
    return R"(<Relationship Id=")" + id + R"(" Type=")" + kRel + "/" + type + R"(" Target=")" +
           target + R"("/>)";
}

std::string Relationships(const std::string& items) {
    return Xml(
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
        items + "</Relationships>");
}

std::string WorkbookPart(const FixtureBook& book) {
    std::string sheets;
    for (std::size_t i = 1; i <= book.sheets.size(); ++i) {
        sheets += R"(<sheet name=")" + book.sheets[i - 1].name + R"(" sheetId=")" +
                  std::to_string(i) + R"(" r:id="rId)" + std::to_string(i) + R"("/>)";
    }
    const std::string names =
        book.definedNames.empty() ? "" : "<definedNames>" + book.definedNames + "</definedNames>";
    return Xml(std::string(R"(<workbook xmlns=")") + kMain + R"(" xmlns:r=")" + kRel + R"(">)" +
               R"(<bookViews><workbookView activeTab=")" + std::to_string(book.activeTab) +
               R"("/></bookViews><sheets>)" + sheets + "</sheets>" + names +
               R"(<calcPr calcId="191029"/></workbook>)");
}

std::string WorkbookRelationships(const FixtureBook& book) {
    std::string items;
    const std::size_t count = book.sheets.size();
    for (std::size_t i = 1; i <= count; ++i) {
        items += Relationship("rId" + std::to_string(i), "worksheet",
                              "worksheets/sheet" + std::to_string(i) + ".xml");
    }
    items += Relationship("rId" + std::to_string(count + 1), "styles", "styles.xml");
    items += Relationship("rId" + std::to_string(count + 2), "sharedStrings", "sharedStrings.xml");
    items += Relationship("rId" + std::to_string(count + 3), "calcChain", "calcChain.xml");
    return Relationships(items);
}

// Calibri 11; cell styles 0 General, 1 "0.00" (built in), 2 "0.000" (custom).
std::string StylesPart() {
    return Xml(
        std::string(R"(<styleSheet xmlns=")") + kMain + R"(">)" +
        R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="0.000"/></numFmts>)"
        R"(<fonts count="1"><font><sz val="11"/><name val="Calibri"/></font></fonts>)"
        R"(<fills count="1"><fill><patternFill patternType="none"/></fill></fills>)"
        R"(<borders count="1"><border/></borders>)"
        R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
        R"(<cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
        R"(<xf numFmtId="2" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"
        R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"
        R"(</cellXfs></styleSheet>)");
}

std::string SharedStringsPart(const FixtureBook& book) {
    std::string items;
    for (const std::string& text : book.sharedStrings) items += "<si><t>" + text + "</t></si>";
    return Xml(std::string(R"(<sst xmlns=")") + kMain + R"(" count="99" uniqueCount=")" +
               std::to_string(book.sharedStrings.size()) + R"(">)" + items + "</sst>");
}

std::string AppPart(const FixtureBook& book) {
    std::string titles;
    for (const FixtureSheet& sheet : book.sheets)
        titles += "<vt:lpstr>" + sheet.name + "</vt:lpstr>";
    return Xml(
        R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" )"
        R"(xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">)"
        R"(<Application>Fixture</Application><TitlesOfParts><vt:vector size=")" +
        std::to_string(book.sheets.size()) + R"(" baseType="lpstr">)" + titles +
        "</vt:vector></TitlesOfParts></Properties>");
}

std::string SheetPart(const FixtureSheet& sheet) {
    const std::string drawing = sheet.drawing.empty() ? "" : R"(<drawing r:id="rId1"/>)";
    return Xml(std::string(R"(<worksheet xmlns=")") + kMain + R"(" xmlns:r=")" + kRel + R"(">)" +
               sheet.body + drawing + "</worksheet>");
}

std::string DrawingPart(const FixtureSheet& sheet) {
    return Xml(
        R"(<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" )"
        R"(xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">)" +
        sheet.drawing + "</xdr:wsDr>");
}

}  // namespace

TempFolder::TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("nubera-model-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path WriteFixture(const TempFolder& folder, const FixtureBook& book,
                                   const std::string& name) {
    std::vector<ZipEntry> parts = {
        {"[Content_Types].xml", ContentTypes(book)},
        {"_rels/.rels",
         Relationships(
             Relationship("rId1", "officeDocument", "xl/workbook.xml") +
             R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>)")},
        {"docProps/app.xml", AppPart(book)},
        {"xl/workbook.xml", WorkbookPart(book)},
        {"xl/_rels/workbook.xml.rels", WorkbookRelationships(book)},
        {"xl/styles.xml", StylesPart()},
        {"xl/sharedStrings.xml", SharedStringsPart(book)},
        {"xl/calcChain.xml", Xml(std::string(R"(<calcChain xmlns=")") + kMain + R"("/>)")},
    };
    for (std::size_t i = 1; i <= book.sheets.size(); ++i) {
        const FixtureSheet& sheet = book.sheets[i - 1];
        const std::string n = std::to_string(i);
        parts.push_back({"xl/worksheets/sheet" + n + ".xml", SheetPart(sheet)});
        if (sheet.drawing.empty()) continue;
        parts.push_back(
            {"xl/worksheets/_rels/sheet" + n + ".xml.rels",
             Relationships(Relationship("rId1", "drawing", "../drawings/drawing" + n + ".xml"))});
        parts.push_back({"xl/drawings/drawing" + n + ".xml", DrawingPart(sheet)});
    }
    const std::filesystem::path path = folder / name;
    WriteZipArchive(path, parts);
    return path;
}

std::vector<std::string> PartNames(const std::filesystem::path& package) {
    std::vector<std::string> names;
    for (const ZipEntry& entry : ReadZipArchive(package)) names.push_back(entry.name);
    return names;
}

std::string PartText(const std::filesystem::path& package, const std::string& part) {
    for (ZipEntry& entry : ReadZipArchive(package)) {
        if (entry.name == part) return std::move(entry.bytes);
    }
    return {};
}

std::string SheetBody(const std::string& rows, const std::string& after) {
    return "<sheetData>" + rows + "</sheetData>" + after;
}

std::string RunOpenpyxl(const std::string& script, const std::filesystem::path& workbook) {
    const std::filesystem::path folder = workbook.parent_path();
    std::ofstream(folder / "check.py") << script;
    const std::filesystem::path output = folder / "check.txt";
    const std::string command = "/usr/bin/python3 '" + (folder / "check.py").string() + "' '" +
                                workbook.string() + "' > '" + output.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(output);
    std::string printed((std::istreambuf_iterator<char>(in)), {});
    return status == 0 ? printed : "exit " + std::to_string(status) + ": " + printed;
}

}  // namespace nubera::sheet::testing
