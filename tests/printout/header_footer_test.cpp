#include "printout/header_footer.h"

#include <gtest/gtest.h>

namespace nubera::printout {
namespace {

PageFields Fields() {
    PageFields fields;
    fields.page = 3;
    fields.pages = 8;
    fields.sheetName = "即時沈下量のまとめ";
    fields.fileName = "即時沈下量計算結果2026010100.xlsx";
    fields.date = "2026/01/01";
    return fields;
}

TEST(HeaderFooter, PageOfPagesInTheCentre) {
    const HeaderFooterTexts texts = ExpandHeaderFooter("&C&P / &N", Fields());
    EXPECT_EQ(texts.center.text, "3 / 8");
    EXPECT_EQ(texts.left.text, "");
    EXPECT_EQ(texts.right.text, "");
}

TEST(HeaderFooter, SectionsFieldsAndLiteralAmpersands) {
    const HeaderFooterTexts texts = ExpandHeaderFooter("&L&A&C&F&R&D && more", Fields());
    EXPECT_EQ(texts.left.text, "即時沈下量のまとめ");
    EXPECT_EQ(texts.center.text, "即時沈下量計算結果2026010100.xlsx");
    EXPECT_EQ(texts.right.text, "2026/01/01 & more");
}

TEST(HeaderFooter, FontCodesSetSizeAndBoldAndAreNotPrinted) {
    const HeaderFooterTexts texts =
        ExpandHeaderFooter("&L&\"ＭＳ Ｐゴシック,太字\"&14&Btitle&Rplain&K00FF00x", Fields());
    EXPECT_EQ(texts.left.text, "title");
    EXPECT_EQ(texts.left.fontSize, 14);
    EXPECT_TRUE(texts.left.bold);
    EXPECT_EQ(texts.right.text, "plainx");
    EXPECT_FALSE(texts.right.bold);
}

TEST(HeaderFooter, TextBeforeAnySectionCodeIsCentred) {
    EXPECT_EQ(ExpandHeaderFooter("Page &P", Fields()).center.text, "Page 3");
}

}  // namespace
}  // namespace nubera::printout
