#pragma once

#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "fill_load_rules.h"
#include "input_screen.h"
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
class FRM_盛土荷重入力 : public InputScreen {
  public:
    FRM_盛土荷重入力(ProjectData& project, MessageBox& messages, const QString& figureFolder,
                     ManualPointsLink mainWindow, QWidget* parent = nullptr);

  protected:
    bool CommitOnClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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

    void ResetEntryRow(bool withSurcharge);
    void UpdateAddButton();
    void UpdateTotalHeight();
    void UpdateLoad();
    bool CheckRequired(NumericField* box, const QString& missingMessage);
    bool CheckNumber(NumericField* box);
    bool CheckHeight();
    bool CheckEntry();

    void AddOrUpdate();
    void EnterUnitWeight();
    void SelectRow(int row);
    void DeleteRow();
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
    bool editing_ = false;
    int selectedRow_ = 0;
    bool committed_ = false;
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
    ListGrid* VSF_List = nullptr;
    QPushButton* CMD_Upd = nullptr;
    QPushButton* CMD_Del = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* Pic_Source = nullptr;
    QLabel* PIC_View = nullptr;
    SectionView* PIC_QView = nullptr;
};

}  // namespace nubera
