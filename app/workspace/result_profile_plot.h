#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "engine/design_results.h"
#include "model/project_data.h"

namespace nubera::app {

// The totals of the eleven points along the section (x in m), drawn over a
// small sketch of the fill blocks on the same x scale: the settlement and,
// when computed, the lateral displacement, each as a solid line, and the kept
// results of a comparison as dashed lines of the same colours. Display only.
class ResultProfilePlot : public QWidget {
    Q_OBJECT

  public:
    explicit ResultProfilePlot(QWidget* parent = nullptr);

    // Nothing is drawn for results that were not computed.
    void SetResults(const DesignResults& current, const std::optional<DesignResults>& kept);
    // The blocks to sketch; nothing for a project without fill loads.
    void SetSection(const std::optional<FillLoadTable>& fillLoads);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // One polyline in plot units: x in m, value in cm.
    struct Curve {
        std::vector<QPointF> points;
        QColor colour;
        bool kept = false;
    };

    void AddCurves(const DesignResults& results, bool kept);

    std::vector<Curve> curves_;
    // The blocks' outlines in m: x in section coordinates, y the height above ground.
    std::vector<QLineF> section_;
    // The points' positions and numbers (index from 0) of the current results.
    std::vector<std::pair<double, std::size_t>> markers_;
};

}  // namespace nubera::app
