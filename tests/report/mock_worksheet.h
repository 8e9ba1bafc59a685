#pragma once

// A worksheet whose every operation a test scripts or checks.

#include <gmock/gmock.h>

#include "spreadsheet/worksheet.h"

namespace nubera::test {

class MockWorksheet : public sheet::Worksheet {
  public:
    MOCK_METHOD(const std::string&, Name, (), (const, override));
    MOCK_METHOD(void, PasteRows, (const Worksheet&, int, int, int), (override));
    MOCK_METHOD(void, AddPageBreakBefore, (int), (override));
    MOCK_METHOD(std::vector<int>, PageBreaks, (), (const, override));
    MOCK_METHOD(double, RowHeight, (int), (const, override));
    MOCK_METHOD(double, PageBodyHeight, (), (const, override));
    MOCK_METHOD(void, DeleteColumns, (int, int), (override));
    MOCK_METHOD(void, SetNumber, (int, int, double), (override));
    MOCK_METHOD(void, SetText, (int, int, std::string_view), (override));
    MOCK_METHOD(void, ClearContents, (int, int), (override));
    MOCK_METHOD(sheet::CellValue, Value, (int, int), (const, override));
    MOCK_METHOD(void, AddLine, (const sheet::LineShape&), (override));
    MOCK_METHOD(std::vector<sheet::LineShape>, Lines, (), (const, override));
    MOCK_METHOD(void, AddTextBox, (const sheet::TextBox&), (override));
    MOCK_METHOD(void, SetLabelCaption, (std::string_view, std::string_view), (override));
    MOCK_METHOD(void, MoveLabel, (std::string_view, double, double), (override));
    MOCK_METHOD(sheet::Label, GetLabel, (std::string_view), (const, override));
    MOCK_METHOD(void, ReplaceInHeadersAndFooters, (std::string_view, std::string_view), (override));
};

}  // namespace nubera::test
