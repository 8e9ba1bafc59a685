#include "spreadsheet/ooxml/package/checks/markup_check.h"

#include <gtest/gtest.h>

#include <string>

#include "spreadsheet/ooxml/package/checks/known_attributes.h"

namespace nubera::sheet {
namespace {

std::string FaultOf(const std::string& xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
    return MarkupFault(document);
}

// An element is judged by the vocabulary of the namespace in scope where it
// stands: a default namespace declared on an element before it is not.
TEST(MarkupFault, JudgesAnElementByTheNamespaceInScopeWhereItStands) {
    const std::string main = "xmlns=\"" + std::string(kSpreadsheetNamespace) + "\"";
    const std::string refused = "要素「pageSetup」の属性「paperale」はこの要素に使えません";
    EXPECT_EQ(FaultOf("<r><x " + main + "/><pageSetup paperale=\"1\"/></r>"), "");
    EXPECT_EQ(FaultOf("<r><x " + main + "><pageSetup paperale=\"1\"/></x></r>"), refused);
    EXPECT_EQ(FaultOf("<r " + main + "><x xmlns=\"urn:other\"/><pageSetup paperale=\"1\"/></r>"),
              refused);
}

}  // namespace
}  // namespace nubera::sheet
