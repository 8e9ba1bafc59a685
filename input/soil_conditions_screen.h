#pragma once

#include <QString>
#include <vector>

#include "calc_results.h"
#include "list_entry_screen.h"
#include "project_data.h"
#include "soil_layer_rules.h"
#include "thumbnail.h"

class QLabel;
class QPushButton;

namespace nubera {

class ListGrid;
class NumericField;

// The soil-conditions screen "土質条件入力画面": the excavation and levee widths
// and up to 20 soil layers (thickness, depth of the layer's bottom, modulus
// Es), edited in a grid and written to the project only when confirmed, after
// the equivalent modulus Em has been found computable.
class FRM_土質条件入力 : public ListEntryScreen {
  public:
    FRM_土質条件入力(ProjectData& project, CalcResults& results, MessageBox& messages,
                     const QString& figureFolder, QWidget* parent = nullptr);

  protected:
    bool CommitOnClose() override;
    bool CheckEntry() override;
    void WriteRow(int row) override;
    void LoadRow(int row) override;
    void ClearEntry() override;
    void RowsMovedUp(int row) override;
    QLineEdit* FirstBox() const override;

  private:
    enum class Commit { Failed, Emptied, Written };

    void BuildControls();
    QWidget* BuildWidthFrame();
    QWidget* BuildLayerArea();
    QWidget* BuildFigureFrame();
    void ConfigureBoxes();
    void ShowFigure();
    void LoadProject();

    std::vector<SoilLayerRow> Layers() const;
    void ShowLayer(int row, const SoilLayerRow& layer);
    void RecomputeDepthsFrom(int row);

    void UpdateDepthDisplay();
    void NormaliseModulus();
    bool CheckRequired(NumericField* box);

    void ClearAll();
    Commit CommitToProject();
    bool CommitWithModulus();
    void ReportModulusFailure(const QString& reason);

    ProjectData& project_;
    CalcResults& results_;
    CThum thumb_;

    NumericField* TXT_開削幅 = nullptr;
    NumericField* TXT_堤体幅 = nullptr;
    NumericField* TXT_層厚 = nullptr;
    QLabel* LBL_深度1 = nullptr;
    NumericField* TXT_変形係数Es = nullptr;
    QLabel* Pic_Source = nullptr;
    QLabel* PIC_View = nullptr;
};

}  // namespace nubera
