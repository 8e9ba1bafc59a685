#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "input/list_entry_screen.h"
#include "screenrules/soil_conditions.h"
#include "screenrules/soil_layer_rules.h"
#include "widgets/figure_thumbnail.h"

class QLabel;
class QPushButton;

namespace nubera::widgets {
class NumericField;
}  // namespace nubera::widgets

namespace nubera::input {

class ListGrid;

// The soil-conditions screen "土質条件入力画面": the excavation and levee widths
// and up to 20 soil layers (thickness, depth of the layer's bottom, modulus
// Es), edited in a grid and accepted only when confirmed, after the
// equivalent modulus Em has been found computable. Values refused for their
// Em are not taken: the screen stays open to mend them, and any other way out
// leaves the project as it was.
class SoilConditionsScreen : public ListEntryScreen {
  public:
    SoilConditionsScreen(SoilConditions conditions, widgets::MessageBox& messages,
                         const QString& figureFolder, QWidget* parent = nullptr);

    // The accepted conditions once exec() returned Accepted.
    const SoilConditions& Conditions() const { return conditions_; }

    // Where "ボーリングから読込" asks for a boring exchange file; without one
    // the button is hidden.
    using FileChooser = std::function<std::optional<QString>(QWidget* parent)>;
    void SetBoringFileChooser(FileChooser choose);

  protected:
    QStringList CommittedTexts() const override;
    bool Commit() override;
    bool CheckEntry() override;
    void WriteRow(int row) override;
    void LoadRow(int row) override;
    void ClearEntry() override;
    void RowsMovedUp(int row) override;
    QLineEdit* FirstBox() const override;

  private:
    enum class Taken { Failed, Emptied, Written };

    void BuildControls();
    QWidget* BuildWidthFrame();
    QWidget* BuildLayerArea();
    QWidget* BuildFigureFrame();
    void ConfigureBoxes();
    void ShowFigure();
    void LoadConditions();

    std::vector<SoilLayerRow> Layers() const;
    void AppendLayers(const std::vector<SoilLayerRow>& layers);
    void ShowLayer(int row, const SoilLayerRow& layer);
    void RecomputeDepthsFrom(int row);

    void UpdateDepthDisplay();
    void NormaliseModulus();
    bool CheckRequired(widgets::NumericField* box);

    void LoadFromBoring();
    // The reviewed layers replace the grid's as if typed; the widths stay.
    void FillFromBoring(const std::vector<SoilLayerRow>& rows, const SoilDerivation& derivation);

    void ClearAll();
    Taken TakeValues();
    void ReportModulusFailure(const QString& reason);

    SoilConditions conditions_;
    widgets::FigureThumbnail thumb_;

    widgets::NumericField* excavationWidthBox_ = nullptr;
    widgets::NumericField* leveeWidthBox_ = nullptr;
    widgets::NumericField* thicknessBox_ = nullptr;
    QLabel* depthDisplay_ = nullptr;
    widgets::NumericField* modulusBox_ = nullptr;
    QLabel* figureSource_ = nullptr;
    QLabel* figureView_ = nullptr;
    QPushButton* boringButton_ = nullptr;
    FileChooser chooseBoringFile_;
};

}  // namespace nubera::input
