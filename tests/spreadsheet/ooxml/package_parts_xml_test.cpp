#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "spreadsheet/ooxml/grid/shared_strings.h"
#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/ooxml/package/document_properties.h"
#include "spreadsheet/ooxml/package/package.h"
#include "spreadsheet/ooxml/package/relationships.h"
#include "tests/spreadsheet/ooxml/normalised_xml.h"

namespace nubera::sheet {
namespace {

using test::NormalisedXml;

constexpr const char* kDeclaration = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)";
constexpr const char* kRelationshipsOpen =
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)";
constexpr const char* kTypesOpen =
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)";

std::string Part(const std::string& root) {
    return kDeclaration + root;
}

// New relationships take the first id not taken and a target relative to
// the source part's folder; an external one is written back as read.
TEST(RelationshipsPart, AddedRelationshipsAreWrittenRelativeToTheirSource) {
    Relationships sheet(
        "xl/worksheets/sheet1.xml",
        Part(
            std::string(kRelationshipsOpen) +
            R"(<Relationship Id="rId2" Type="urn:link" Target="http://example.com/a?b&amp;c" TargetMode="External"/>)"
            R"(<Relationship Id="rId9" Type="urn:old" Target="../printerSettings/printerSettings1.bin"/>)"
            "</Relationships>"));
    EXPECT_EQ(sheet.Add(kDrawingRelationship, "xl/drawings/drawing1.xml"), "rId3");
    EXPECT_EQ(sheet.Add("urn:same-folder", "xl/worksheets/other.xml"), "rId4");
    sheet.Remove("rId9");
    EXPECT_EQ(sheet.Add("urn:top", "docProps/custom.xml"), "rId5");
    EXPECT_EQ(
        NormalisedXml(sheet.Serialize()),
        NormalisedXml(Part(
            std::string(kRelationshipsOpen) +
            R"(<Relationship Id="rId2" Type="urn:link" Target="http://example.com/a?b&amp;c" TargetMode="External"/>)"
            R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing" )"
            R"(Target="../drawings/drawing1.xml"/>)"
            R"(<Relationship Id="rId4" Type="urn:same-folder" Target="other.xml"/>)"
            R"(<Relationship Id="rId5" Type="urn:top" Target="../../docProps/custom.xml"/>)"
            "</Relationships>")));
    Relationships package = Relationships::Empty("");
    package.Add(kCorePropertiesRelationship, "docProps/core.xml");
    EXPECT_EQ(
        NormalisedXml(package.Serialize()),
        NormalisedXml(Part(
            std::string(kRelationshipsOpen) +
            R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" )"
            R"(Target="docProps/core.xml"/></Relationships>)")));
}

TEST(ContentTypesPart, AnOverrideIsChangedInPlaceOrAppended) {
    ContentTypes types;
    types.Load(Part(
        std::string(kTypesOpen) +
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/XL/Workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml"/>)"
        "</Types>"));
    types.SetOverride("xl/workbook.xml", kWorkbookMainType);
    types.SetOverride("xl/drawings/drawing1.xml", kDrawingType);
    EXPECT_EQ(
        NormalisedXml(types.Serialize()),
        NormalisedXml(Part(
            std::string(kTypesOpen) +
            R"(<Default Extension="xml" ContentType="application/xml"/>)"
            R"(<Override PartName="/XL/Workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
            R"(<Override PartName="/xl/drawings/drawing1.xml" ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>)"
            "</Types>")));
}

// Items read keep their runs; texts set by the program are stored once each,
// escaped, and keep their outer spaces. The total of references, which
// would go stale, is dropped.
TEST(SharedStringsPart, TextsAddedAreAppendedAsPlainItems) {
    SharedStrings strings;
    strings.Load(
        Part(
            R"(<sst xmlns="urn:main" count="7" uniqueCount="2">)"
            R"(<si><t>kept</t></si>)"
            R"(<si><r><rPr><b/></rPr><t>ri</t></r><r><t>ch</t></r><rPh sb="0" eb="1"><t>ﾘ</t></rPh></si>)"
            "</sst>"),
        "xl/sharedStrings.xml");
    EXPECT_EQ(strings.Add("kept"), 0);
    EXPECT_EQ(strings.Add("rich"), 2);  // a rich item is not a plain one
    EXPECT_EQ(strings.Add(" padded"), 3);
    EXPECT_EQ(strings.Add("bell\a & <tag>"), 4);
    EXPECT_EQ(strings.Add("rich"), 2);
    EXPECT_EQ(
        NormalisedXml(strings.Serialize()),
        NormalisedXml(Part(
            R"(<sst xmlns="urn:main" uniqueCount="5">)"
            R"(<si><t>kept</t></si>)"
            R"(<si><r><rPr><b/></rPr><t>ri</t></r><r><t>ch</t></r><rPh sb="0" eb="1"><t>ﾘ</t></rPh></si>)"
            R"(<si><t>rich</t></si>)"
            R"(<si><t xml:space="preserve"> padded</t></si>)"
            R"(<si><t>bell_x0007_ &amp; &lt;tag&gt;</t></si>)"
            "</sst>")));
}

TEST(SharedStringsPart, ANewTableHoldsItsTextsAndTheirCount) {
    SharedStrings strings;
    strings.Add("一");
    EXPECT_EQ(NormalisedXml(strings.Serialize()),
              NormalisedXml(Part(R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/)"
                                 R"(2006/main" uniqueCount="1"><si><t>一</t></si></sst>)")));
}

// A package with the extended properties only, as templates often are.
Package PackageWithoutCoreProperties() {
    const std::vector<ZipEntry> parts = {
        {"[Content_Types].xml",
         Part(std::string(kTypesOpen) +
              R"(<Default Extension="xml" ContentType="application/xml"/></Types>)")},
        {"_rels/.rels",
         Part(
             std::string(kRelationshipsOpen) +
             R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>)"
             "</Relationships>")},
        {"docProps/app.xml",
         Part(
             R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">)"
             R"(<Application>Template maker</Application><DocSecurity>0</DocSecurity></Properties>)")},
    };
    return Package::Read(ZipArchiveBytes(parts), "template.xltx");
}

TEST(DocumentPropertiesParts, TheCorePartIsCreatedWithTheTitleTheProgramAndTheTime) {
    Package package = PackageWithoutCoreProperties();
    ContentTypes types;
    types.Load(package.Bytes(kContentTypesPart));
    using namespace std::chrono;
    const sys_seconds created = sys_days{2025y / January / 31} + 14h + 5min + 9s;
    WriteDocumentProperties(package, types, {"計算書 <1>", "ヌベラ 1.1.0", created});
    EXPECT_EQ(
        NormalisedXml(package.Bytes("docProps/core.xml")),
        NormalisedXml(Part(
            R"(<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" )"
            R"(xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" )"
            R"(xmlns:dcmitype="http://purl.org/dc/dcmitype/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">)"
            R"(<dc:title>計算書 &lt;1&gt;</dc:title><dc:creator>ヌベラ 1.1.0</dc:creator>)"
            R"(<dcterms:created xsi:type="dcterms:W3CDTF">2025-01-31T14:05:09Z</dcterms:created>)"
            R"(<dcterms:modified xsi:type="dcterms:W3CDTF">2025-01-31T14:05:09Z</dcterms:modified>)"
            R"(</cp:coreProperties>)")));
    EXPECT_EQ(
        NormalisedXml(package.Bytes("docProps/app.xml")),
        NormalisedXml(Part(
            R"(<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">)"
            R"(<Application>ヌベラ 1.1.0</Application><DocSecurity>0</DocSecurity></Properties>)")));
    EXPECT_EQ(
        NormalisedXml(package.Bytes("_rels/.rels")),
        NormalisedXml(Part(
            std::string(kRelationshipsOpen) +
            R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>)"
            R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>)"
            "</Relationships>")));
    EXPECT_EQ(types.TypeOf("docProps/core.xml"),
              "application/vnd.openxmlformats-package.core-properties+xml");
}

}  // namespace
}  // namespace nubera::sheet
