#pragma once

#include <QString>
#include <array>
#include <vector>

#include "input/list_entry_screen.h"
#include "model/placement.h"
#include "screenrules/fill_load_rules.h"
#include "screenrules/fill_loads.h"
#include "widgets/figure_thumbnail.h"

class QFrame;
class QLabel;
class QPushButton;

namespace nubera::widgets {
class NumericField;
}  // namespace nubera::widgets

namespace nubera::input {

class ListGrid;
class SectionView;

// The fill-load screen "盛土荷重入力画面": up to five stacked trapezoidal fill
// blocks and a surcharge on the top crest. The blocks are checked to stack on
// one another and shown as a section drawing for confirmation before they are
// accepted. Accepting blocks other than those it opened with, with manual
// placement selected, discards the manual points, which the screen announces
// while it is still open.
class FillLoadScreen : public ListEntryScreen {
    Q_OBJECT

  public:
    FillLoadScreen(FillLoads loads, Placement placement, bool manualPointsSet,
                   widgets::MessageBox& messages, const QString& figureFolder,
                   QWidget* parent = nullptr);

    // The accepted fill loads once exec() returned Accepted.
    const FillLoads& Loads() const { return loads_; }

  Q_SIGNALS:
    // The accepted loads discard the manual points; `fillLoadsRemain` says
    // whether points can be set again on them.
    void ManualPointsDiscarded(bool fillLoadsRemain);

  protected:
    QStringList CommittedTexts() const override;
    bool Commit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool CheckEntry() override;
    void WriteRow(int row) override;
    void LoadRow(int row) override;
    void ClearEntry() override;
    void RowsMovedUp(int row) override;
    QLineEdit* FirstBox() const override;

  private:
    // The list columns after the row label, in order, and the entry control of each.
    static constexpr int kEntryColumns = 9;  // the list's columns after the load name

    void BuildControls();
    QWidget* BuildFigureFrame();
    QWidget* BuildEntryFrame();
    void ConfigureBoxes();
    void WatchKeys();
    void ShowFigure();
    void LoadBlocks();

    QString EntryText(int column) const;
    void SetEntryText(int column, const QString& text);
    std::vector<FillBlock> Blocks() const;

    // Also empties the surcharge and brings the picture back.
    void ResetScreen();
    void UpdateTotalHeight();
    void UpdateLoad();
    bool CheckRequired(widgets::NumericField* box, const QString& missingMessage);
    bool CheckNumber(widgets::NumericField* box);
    bool CheckHeight();

    void EnterUnitWeight();
    void ClearAll();
    bool CheckSurcharge();
    bool CommitBlocks();
    bool Confirm(const std::vector<FillBlock>& blocks);
    void AnnounceDiscardedPoints();
    void ToggleFigure();

    FillLoads loads_;
    // The blocks the screen opened with, and their list texts.
    const std::optional<FillLoadTable> openedBlocks_;
    QStringList openedList_;
    Placement placement_;
    bool manualPointsSet_;
    widgets::FigureThumbnail thumb_;
    bool drawingShown_ = false;

    widgets::NumericField* surchargeBox_ = nullptr;
    widgets::NumericField* baseBox_ = nullptr;
    widgets::NumericField* slopeABox_ = nullptr;
    widgets::NumericField* crestBox_ = nullptr;
    widgets::NumericField* slopeCBox_ = nullptr;
    widgets::NumericField* heightBox_ = nullptr;
    widgets::NumericField* extraHeightBox_ = nullptr;
    QLabel* totalHeightDisplay_ = nullptr;
    widgets::NumericField* unitWeightBox_ = nullptr;
    QLabel* loadDisplay_ = nullptr;
    std::array<QWidget*, kEntryColumns> entries_{};
    std::array<QLabel*, kEntryColumns + 1> headings_{};
    std::array<QLabel*, kEntryColumns + 1> entryHeadings_{};
    QFrame* entryFrame_ = nullptr;
    QLabel* figureSource_ = nullptr;
    QLabel* figureView_ = nullptr;
    SectionView* sectionView_ = nullptr;
};

}  // namespace nubera::input
