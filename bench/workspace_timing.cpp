// How fast the workspace answers: the time from a committed change (a screen's
// ＯＫ, the placement) to the results panel updated and repainted, on the
// largest example; and the time from an application object to a main window
// that is shown, painted and ready for input. Runs on any Qt platform
// (QT_QPA_PLATFORM=offscreen without a display).
//
// usage: bench_workspace [project.nbr]

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "app/preview/result_preview.h"
#include "app/screen_opener.h"
#include "app/workspace/results_panel.h"
#include "projectfile/project_session.h"
#include "widgets/dialogs/document_opener.h"
#include "widgets/dialogs/file_dialogs.h"
#include "widgets/dialogs/message_box.h"

namespace {

using namespace nubera;

// Every question is answered Yes; nothing is shown.
class Answers : public widgets::MessageBox {
  public:
    widgets::MsgAnswer Show(QWidget*, const QString&, widgets::MsgIcon, widgets::MsgButtons buttons,
                            const QString&) override {
        return buttons == widgets::MsgButtons::Ok ? widgets::MsgAnswer::Ok
                                                  : widgets::MsgAnswer::Yes;
    }
};

class OneFile : public widgets::FileDialogs {
  public:
    explicit OneFile(QString file) : file_(std::move(file)) {}
    std::optional<QString> OpenProjectName(QWidget*) override { return file_; }
    std::optional<QString> SaveProjectName(QWidget*) override { return std::nullopt; }

  private:
    QString file_;
};

class NoDesktop : public widgets::DocumentOpener {
  public:
    bool Open(const QUrl&) override { return true; }
};

class NoPreview : public app::ResultPreview {
  public:
    void Show(QWidget*, const QString&, const QStringList&) override {}
};

// The soil screen's ＯＫ, alternating the levee width so that every commit
// changes the project.
class Screens : public app::ScreenOpener {
  public:
    bool EditSoilConditions(QWidget*, SoilConditions& conditions) override {
        conditions.leveeWidth += (flip_ = !flip_) ? 1 : -1;
        return true;
    }
    bool EditFillLoads(QWidget*, FillLoads&, Placement, bool,
                       const std::function<void(bool)>&) override {
        return false;
    }
    bool EditFocusPoints(QWidget*, const std::optional<FillLoadTable>&,
                         std::optional<FocusPointList>&) override {
        return false;
    }

  private:
    bool flip_ = false;
};

struct Figures {
    double median;
    double worst;
};

Figures Milliseconds(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

// Times `change` followed by the panel painted, `runs` times.
Figures TimeChange(app::MainWindow& window, const std::function<void()>& change, int runs) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        change();
        window.ResultsView().repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    return Milliseconds(times);
}

void Print(const char* what, const Figures& figures) {
    std::printf("%-48s median %7.2f ms   worst %7.2f ms\n", what, figures.median, figures.worst);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString project =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(NUBERA_DEFAULT_PROJECT);
    Answers messages;
    OneFile dialogs(project);
    NoDesktop opener;
    NoPreview preview;
    Screens screens;
    const QString folder = QCoreApplication::applicationDirPath();
    ProjectSession session;
    const app::MainWindowServices services{messages, dialogs, opener, preview,   screens,
                                           folder,   folder,  folder, [](int) {}};

    std::vector<double> starts;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        app::MainWindow window(session, services);
        window.Start();
        window.repaint();
        QCoreApplication::processEvents();
        starts.push_back(timer.nsecsElapsed() / 1e6);
    }
    Print("start to a painted main window", Milliseconds(starts));

    app::MainWindow window(session, services);
    window.Start();
    window.OpenProjectFile(project);
    if (!window.ResultsView().Current().Computed()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(project),
                     window.ResultsView().Current().whyNot.c_str());
        return 1;
    }
    constexpr int kRuns = 200;
    auto* soil = window.findChild<QPushButton*>(QStringLiteral("CMD_土質条件"));
    Print("soil screen ＯＫ to the panel painted", TimeChange(
                                                       window, [&] { soil->click(); }, kRuns));
    auto* automatic = window.findChild<QRadioButton*>(QStringLiteral("OPT_Tyaku_0"));
    auto* manual = window.findChild<QRadioButton*>(QStringLiteral("OPT_Tyaku_1"));
    bool flip = false;
    Print("placement changed to the panel painted",
          TimeChange(
              window, [&] { ((flip = !flip) ? manual : automatic)->click(); }, kRuns));
    window.ResultsView().Keep(QStringLiteral("bench"));
    Print("soil screen ＯＫ, comparing, to the panel painted",
          TimeChange(
              window, [&] { soil->click(); }, kRuns));
    return 0;
}
