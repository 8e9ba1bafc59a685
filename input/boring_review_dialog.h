#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

#include "boring/boring_log.h"
#include "boring/layer_proposal.h"
#include "model/soil_derivation.h"
#include "screenrules/soil_layer_rules.h"

class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QTableWidget;

namespace nubera::widgets {
class MessageBox;
class NumericField;
}  // namespace nubera::widgets

namespace nubera::input {

// "ボーリングから読込": the layers proposed from a boring log, shown for review
// before they go into the soil grid. α, the depth H and the merging of
// adjacent divisions of the same name can be changed (the proposal is made
// again), and Es can be typed over, which a layer without a test needs.
// ＯＫ hands back the grid rows and the derivation, checked: every layer has
// an Es and there are no more layers than the soil screen takes.
class BoringReviewDialog : public QDialog {
    Q_OBJECT

  public:
    BoringReviewDialog(BoringLog log, QString filePath, widgets::MessageBox& messages,
                       QWidget* parent = nullptr);

    // Once exec() returned Accepted.
    const std::vector<SoilLayerRow>& Rows() const { return rows_; }
    const SoilDerivation& Derivation() const { return derivation_; }

    void accept() override;

  private:
    void BuildControls();
    QLabel* BuildWarnings();
    QFormLayout* BuildOptions();
    QTableWidget* BuildTable();
    QDialogButtonBox* BuildButtons();
    // Proposes the layers again from the options shown; keeps the previous
    // proposal when an option is refused.
    void Repropose();
    void ShowProposal();
    // The rows as typed over; nothing (after saying why) when one is not fit.
    std::optional<std::vector<SoilLayerRow>> CheckedRows();

    BoringLog log_;
    QString filePath_;
    widgets::MessageBox& messages_;
    LayerProposal proposal_;
    std::vector<SoilLayerRow> rows_;
    SoilDerivation derivation_;

    widgets::NumericField* alphaBox_ = nullptr;
    widgets::NumericField* depthBox_ = nullptr;
    QCheckBox* mergeBox_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace nubera::input
