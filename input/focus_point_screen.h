#pragma once

#include <array>

#include "focus_point_rules.h"
#include "input_screen.h"
#include "project_data.h"

class QFrame;
class QLabel;

namespace nubera {

class NumericField;
class SectionView;

// The manual points screen "着目点手動設定画面": up to eleven points of interest
// placed by hand across the fill section, from ① onwards without gaps, in
// non-decreasing order and between the toes of the bottom block. They are
// marked on the section for confirmation before they are written.
class FRM_着目点手動設定 : public InputScreen {
  public:
    FRM_着目点手動設定(ProjectData& project, MessageBox& messages, QWidget* parent = nullptr);

  protected:
    bool CommitOnClose() override;

  private:
    void BuildControls();
    QWidget* BuildFigureFrame();
    QWidget* BuildEntryFrame();
    void LoadProject();

    PointTexts Texts() const;
    void ShowTexts(const PointTexts& texts);
    void DrawPoints(const PointTexts& texts);
    void ClearAll();
    bool Commit();

    ProjectData& project_;
    PointRange range_;

    std::array<NumericField*, kPointCount> TXT_着目点{};
    std::array<QLabel*, kPointCount> LBL_着目点{};
    QLabel* LBL_範囲 = nullptr;
    QFrame* Frame4 = nullptr;
    SectionView* PIC_QView = nullptr;
};

}  // namespace nubera
