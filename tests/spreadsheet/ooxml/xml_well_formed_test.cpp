#include "spreadsheet/ooxml/package/checks/xml_well_formed.h"

#include <gtest/gtest.h>

#include <string>

namespace nubera::sheet {
namespace {

std::string Part(const std::string& text) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a><t>" + text + "</t></a>";
}

// Printable ASCII is passed over without decoding; the characters around it
// that XML forbids must still be found, at their own byte.
TEST(XmlWellFormedFault, FindsEveryCharacterXmlForbidsAndNoOther) {
    EXPECT_EQ(XmlWellFormedFault(Part("tab\t lf\n cr\r del\x7F あ \xEF\xBF\xBD")), "");
    const std::size_t text = Part("").find("</t>");
    EXPECT_EQ(XmlWellFormedFault(Part("ab\x01")), "XMLで使えない文字U+0001があります（先頭から" +
                                                      std::to_string(text + 2) + "バイトの位置）");
    EXPECT_EQ(XmlWellFormedFault(Part("\x1F")), "XMLで使えない文字U+001Fがあります（先頭から" +
                                                    std::to_string(text) + "バイトの位置）");
    EXPECT_EQ(XmlWellFormedFault(Part("x\xEF\xBF\xBE")),
              "XMLで使えない文字U+FFFEがあります（先頭から" + std::to_string(text + 1) +
                  "バイトの位置）");
    // Bytes that are not UTF-8 are named first, wherever they lie.
    EXPECT_EQ(XmlWellFormedFault(Part("\x01 and later \xFF")), "UTF-8でないバイトがあります");
}

// A prefix is bound on the element that declares it and below, never on the
// elements after it, however deep the walk has been in between.
TEST(XmlWellFormedFault, BindsAPrefixOnlyWithinTheElementThatDeclaresIt) {
    EXPECT_EQ(XmlWellFormedFault("<r><a xmlns:p=\"urn:a\"><p:b><p:c/></p:b></a></r>"), "");
    EXPECT_EQ(XmlWellFormedFault("<r xmlns:p=\"urn:r\"><a xmlns:p=\"urn:a\"/><p:c/></r>"), "");
    const std::string unbound = "接頭辞「p」が宣言されていません（「p:c」）";
    EXPECT_EQ(XmlWellFormedFault("<r><a xmlns:p=\"urn:a\"><b/></a><p:c/></r>"), unbound);
    std::string deep = "<r><a xmlns:p=\"urn:a\">";
    for (int i = 0; i < 50000; ++i) deep += "<b>";
    for (int i = 0; i < 50000; ++i) deep += "</b>";
    EXPECT_EQ(XmlWellFormedFault(deep + "</a><p:c/></r>"), unbound);
}

}  // namespace
}  // namespace nubera::sheet
