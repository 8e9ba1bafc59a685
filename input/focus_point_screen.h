#pragma once

#include <array>
#include <optional>

#include "input/input_screen.h"
#include "model/project_data.h"
#include "screenrules/focus_point_rules.h"

class QFrame;
class QLabel;

namespace nubera::widgets {
class NumericField;
}  // namespace nubera::widgets

namespace nubera::input {

class SectionView;

// The manual points screen "着目点手動設定画面": up to eleven points of interest
// placed by hand across the fill section, from ① onwards without gaps, in
// non-decreasing order and between the toes of the bottom block. They are
// marked on the section for confirmation before they are accepted.
class FocusPointScreen : public InputScreen {
  public:
    // The points are placed across `fillLoads`, which the screen only shows.
    FocusPointScreen(std::optional<FillLoadTable> fillLoads, std::optional<FocusPointList> points,
                     widgets::MessageBox& messages, QWidget* parent = nullptr);

    // The accepted points once exec() returned Accepted; none when the
    // person accepted an empty screen.
    const std::optional<FocusPointList>& Points() const { return points_; }

  protected:
    QStringList CommittedTexts() const override;
    bool Commit() override;

  private:
    void BuildControls();
    QWidget* BuildFigureFrame();
    QWidget* BuildEntryFrame();
    void LoadPoints();

    PointTexts Texts() const;
    void ShowTexts(const PointTexts& texts);
    void DrawPoints(const PointTexts& texts);
    void ClearAll();

    std::optional<FillLoadTable> fillLoads_;
    std::optional<FocusPointList> points_;
    PointRange range_;

    std::array<widgets::NumericField*, kPointCount> pointBoxes_{};
    std::array<QLabel*, kPointCount> pointLabels_{};
    QLabel* rangeLabel_ = nullptr;
    QFrame* entryFrame_ = nullptr;
    SectionView* sectionView_ = nullptr;
};

}  // namespace nubera::input
