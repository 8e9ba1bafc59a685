#include "projectfile/project_preamble.h"

#include <gtest/gtest.h>

#include "projectfile/description_preamble.h"

namespace nubera {
namespace {

TEST(ProjectPreamble, EscapingKeepsEveryValueOnOneLineAndReadsBackUnchanged) {
    EXPECT_EQ(EscapePreambleValue("C:\\土質\\a.nbr"), "C:\\\\土質\\\\a.nbr");
    EXPECT_EQ(EscapePreambleValue("一行目\r\n二行目\r三行目\n"), "一行目\\n二行目\\n三行目\\n");
    // A backslash before an "n" typed by the user is not a line break.
    EXPECT_EQ(EscapePreambleValue("a\\nb"), "a\\\\nb");
    for (const std::string value : {"", "=", "a=b", "\\", "\\\\n", "x\n\ny", "表\\ソ", "\\n"}) {
        const std::string escaped = EscapePreambleValue(value);
        EXPECT_EQ(escaped.find_first_of("\r\n"), std::string::npos) << value;
        EXPECT_EQ(UnescapePreambleValue(escaped), value) << value;
    }
    // Hand-edited escapes the writer never makes stay as they are.
    EXPECT_EQ(UnescapePreambleValue("a\\tb\\"), "a\\tb\\");
}

TEST(ProjectPreamble, ALineIsAnEntryOnlyWithAKeyAndAnEqualsSign) {
    EXPECT_EQ(ParsePreambleLine("件名=堤防開削 A=1\\n2"),
              (PreambleEntry{"件名", "堤防開削 A=1\n2"}));
    EXPECT_EQ(ParsePreambleLine("版="), (PreambleEntry{"版", ""}));
    EXPECT_FALSE(ParsePreambleLine("=value"));
    EXPECT_FALSE(ParsePreambleLine("a note without a key"));
    EXPECT_EQ(PreambleLine({"備考", "1\n2\\"}), "備考=1\\n2\\\\");
}

TEST(ProjectPreamble, TheLastEntryOfAKeyCountsAndOthersAreLeftAlone) {
    const ProjectPreamble preamble = {
        {"件名", "旧"}, {"ボーリング", "No.1"}, {"件名", "新"}, {"承認者", "山田"}};
    EXPECT_EQ(PreambleValue(preamble, "件名"), "新");
    EXPECT_EQ(PreambleValue(preamble, "版"), "");

    const ProjectDescription description = DescriptionFromPreamble(preamble);
    EXPECT_EQ(description.title, "新");
    EXPECT_EQ(description.approver, "山田");
    EXPECT_EQ(description.notes, "");
}

TEST(ProjectDescription, OnlyFilledFieldsAreWrittenInTheFieldsOrder) {
    ProjectDescription description;
    description.notes = "注記";
    description.title = "件名";
    description.checker = "照査 太郎";
    ProjectPreamble preamble;
    AppendDescription(description, preamble);
    EXPECT_EQ(preamble,
              (ProjectPreamble{{"件名", "件名"}, {"照査者", "照査 太郎"}, {"備考", "注記"}}));
    EXPECT_EQ(DescriptionFromPreamble(preamble), description);
    preamble.clear();
    AppendDescription({}, preamble);
    EXPECT_TRUE(preamble.empty());
}

const DescriptionField& Field(std::string_view key) {
    for (const DescriptionField& field : DescriptionFields()) {
        if (field.key == key) return field;
    }
    throw std::invalid_argument(std::string(key));
}

TEST(ProjectDescription, RefusesWhatTheFileCannotHoldNamingFieldAndCharacter) {
    const DescriptionField& title = Field("件名");
    EXPECT_FALSE(DescriptionTextProblem(title, "①号堤防 開削部～Ａ断面"));
    EXPECT_FALSE(DescriptionTextProblem(title, "表\\ソ\t改"));
    // Characters outside the code page, and one it would only approximate.
    for (const std::string character : {"𠮷", "😀", "¥", "é"}) {
        const auto problem = DescriptionTextProblem(title, "堤防" + character + "断面");
        ASSERT_TRUE(problem) << character;
        EXPECT_EQ(*problem, "件名の「" + character +
                                "」はプロジェクトファイル（シフトJIS）に保存できない文字です。"
                                "別の文字に置き換えてください。");
    }
    EXPECT_EQ(DescriptionTextProblem(title, std::string("a\xff")).value_or(""),
              "件名にプロジェクトファイルへ保存できない文字が含まれています。");
}

TEST(ProjectDescription, LineBreaksOnlyWhereAllowedAndNoOtherControls) {
    EXPECT_EQ(DescriptionTextProblem(Field("件名"), "一\n二").value_or(""),
              "件名に改行は入れられません。");
    EXPECT_FALSE(DescriptionTextProblem(Field("備考"), "一\n二"));
    for (const std::string& text : {std::string("a\rb"), std::string("a\0b", 3),
                                    std::string("a\x1b"), std::string("a\x7f")}) {
        EXPECT_EQ(DescriptionTextProblem(Field("備考"), text).value_or(""),
                  "備考に使えない制御文字が含まれています。");
    }
}

TEST(ProjectDescription, LengthsCountCharactersNotBytes) {
    const DescriptionField& designer = Field("設計者");
    std::string name;
    for (int i = 0; i < 40; ++i) name += "設";
    EXPECT_FALSE(DescriptionTextProblem(designer, name));
    EXPECT_EQ(DescriptionTextProblem(designer, name + "a").value_or(""),
              "設計者は40文字以下にしてください。");

    ProjectDescription description;
    description.revision = std::string(21, '1');
    EXPECT_EQ(DescriptionProblem(description).value_or(""), "版は20文字以下にしてください。");
}

}  // namespace
}  // namespace nubera
