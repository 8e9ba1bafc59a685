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

}  // namespace
}  // namespace nubera::sheet
