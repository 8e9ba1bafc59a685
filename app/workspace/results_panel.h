#pragma once

#include <QWidget>
#include <optional>

#include "engine/design_results.h"
#include "model/project_data.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace nubera::app {

class ResultProfilePlot;

// Results kept for comparison, with the name they are shown under.
struct KeptResults {
    DesignResults results;
    QString name;
};

// The workspace's results beside the inputs: Em, the table of the eleven
// points and the profile plot, or the reason nothing could be computed. With
// kept results the table compares them with the current ones and the plot
// draws both. Display only: the main window hands it every new result.
class ResultsPanel : public QWidget {
    Q_OBJECT

  public:
    explicit ResultsPanel(QWidget* parent = nullptr);

    // The results of the project as it now stands, and its blocks to sketch.
    void ShowResults(const DesignResults& results, const std::optional<FillLoadTable>& fillLoads);
    // Keeps the current results for comparison under `name`; computed
    // results only.
    void Keep(const QString& name);
    void ClearKept();

    const DesignResults& Current() const { return current_; }
    const std::optional<KeptResults>& Kept() const { return kept_; }

  Q_SIGNALS:
    // The person asked to keep the current results.
    void keepRequested();

  private:
    void Refresh();
    void FillTable();

    DesignResults current_;
    std::optional<KeptResults> kept_;
    QLabel* modulus_ = nullptr;
    QLabel* whyNot_ = nullptr;
    QTableWidget* table_ = nullptr;
    ResultProfilePlot* plot_ = nullptr;
    QPushButton* keepButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QLabel* keptName_ = nullptr;
};

}  // namespace nubera::app
