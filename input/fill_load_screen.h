#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "fill_load_rules.h"
#include "list_entry_screen.h"
#include "project_data.h"
#include "thumbnail.h"

class QFrame;
class QLabel;
class QPushButton;

namespace nubera {

class ListGrid;
class NumericField;
class SectionView;

// The main window's manual-points controls. Manual points are measured from
// the fill geometry, so a fill-load commit in manual mode discards them.
struct ManualPointsLink {
    std::function<bool()> manualSelected;   // manual placement is chosen
    std::function<void()> showUnset;        // the points' status reads unset
    std::function<void(bool)> enableEntry;  // the points button
};

// The fill-load screen "盛土荷重入力画面": up to five stacked trapezoidal fill
// blocks and a surcharge on the top crest. The blocks are checked to stack on
// one another and shown as a section drawing for confirmation before they are
// written to the project.
class FRM_盛土荷重入力 : public ListEntryScreen {
  public:
    FRM_盛土荷重入力(ProjectData& project, MessageBox& messages, const QString& figureFolder,
                     ManualPointsLink mainWindow, QWidget* parent = nullptr);

  protected:
    bool CommitOnClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool CheckEntry() override;
    void WriteRow(int row) override;
    void LoadRow(int row) override;
    void ClearEntry() override;
    void RowsMovedUp(int row) override;
    QLineEdit* FirstBox() const override;

  private:
    // The list columns after the row label, in order, and the entry control of each.
    static constexpr int kEntryColumns = 9;

    void BuildControls();
    QWidget* BuildFigureFrame();
    QWidget* BuildEntryFrame();
    void ConfigureBoxes();
    void WatchKeys();
    void ShowFigure();
    void LoadProject();

    QString EntryText(int column) const;
    void SetEntryText(int column, const QString& text);
    std::vector<FillBlock> Blocks() const;

    // Also empties the surcharge and brings the picture back.
    void ResetScreen();
    void UpdateTotalHeight();
    void UpdateLoad();
    bool CheckRequired(NumericField* box, const QString& missingMessage);
    bool CheckNumber(NumericField* box);
    bool CheckHeight();

    void EnterUnitWeight();
    void ClearAll();
    bool CheckSurcharge();
    bool CommitBlocks();
    bool Confirm(const std::vector<FillBlock>& blocks);
    bool Commit();
    void DiscardManualPoints();
    void ToggleFigure();

    ProjectData& project_;
    ManualPointsLink mainWindow_;
    CThum thumb_;
    bool drawingShown_ = false;

    NumericField* TXT_qX = nullptr;
    NumericField* TXT_Base = nullptr;
    NumericField* TXT_A = nullptr;
    NumericField* TXT_B = nullptr;
    NumericField* TXT_C = nullptr;
    NumericField* TXT_h = nullptr;
    NumericField* TXT_hy = nullptr;
    QLabel* LBL_hsum = nullptr;
    NumericField* TXT_土重量 = nullptr;
    QLabel* LBL_mtwait = nullptr;
    std::array<QWidget*, kEntryColumns> entries_{};
    std::array<QLabel*, kEntryColumns + 1> LBL_Title{};
    std::array<QLabel*, kEntryColumns + 1> LBL_Title2{};
    QFrame* Frame1 = nullptr;
    QLabel* Pic_Source = nullptr;
    QLabel* PIC_View = nullptr;
    SectionView* PIC_QView = nullptr;
};

}  // namespace nubera
