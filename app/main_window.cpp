#include "frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>

#include "calculation_run.h"
#include "centring.h"
#include "frm_title.h"
#include "help.h"
#include "message_box.h"
#include "named_control.h"
#include "number_text.h"
#include "numeric_field.h"
#include "poisson_ratio.h"
#include "project_file.h"
#include "project_file_commands.h"
#include "round_half.h"
#include "run_enabling_rule.h"
#include "tab_order.h"
#include "twips.h"

namespace nubera {
namespace {

const QColor kDisabledPoissonBackground(192, 192, 255);
constexpr double kWindowWidthTwips = 7200;

QRadioButton* NamedOption(const QString& name, int index, const QString& caption) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(name + QLatin1Char('_') + QString::number(index));
    return option;
}

QLabel* Note(const QString& text) {
    return new QLabel(text);
}

}  // namespace

FRM_Main::FRM_Main(ProjectData& project, CalcResults& results, MainWindowServices services)
    : project_(project),
      results_(results),
      services_(std::move(services)),
      run_(std::make_unique<CalculationRun>(*this)),
      fileCommands_(std::make_unique<ProjectFileCommands>(*this)) {
    setObjectName(QStringLiteral("FRM_Main"));
    setWindowTitle(QStringLiteral("ヌベラプログラム"));
    BuildControls();
    BuildMenus();
    ConnectControls();
    SetTabOrder();
}

FRM_Main::~FRM_Main() = default;

void FRM_Main::BuildControls() {
    auto* central = new QWidget;
    central->setMinimumWidth(TwipsToPixels(kWindowWidthTwips, *this));
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildInputButtons());
    layout->addWidget(BuildModeFrame());
    layout->addWidget(BuildPlacementFrame());
    layout->addWidget(Note(QStringLiteral("※着目点の手動設定は、盛土荷重入力後可能になります。")));
    layout->addWidget(Note(QStringLiteral("※即時沈下量計算を行うには、条件の入力が必要です。")));
    CMD_Exec = MakeButton(QStringLiteral("CMD_Exec"), QStringLiteral("実行"));
    CMD_Cancel = MakeButton(QStringLiteral("CMD_Cancel"), QStringLiteral("終了"));
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(CMD_Exec);
    commands->addWidget(CMD_Cancel);
    layout->addLayout(commands);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("STS_Bar"));
    statusBar()->setSizeGripEnabled(false);
}

QWidget* FRM_Main::BuildInputButtons() {
    auto* frame = new QGroupBox(QStringLiteral("条件入力"));
    auto* grid = new QGridLayout(frame);
    CMD_土質条件 = MakeButton(QStringLiteral("CMD_土質条件"), QStringLiteral("土質条件入力"));
    CMD_盛土荷重 = MakeButton(QStringLiteral("CMD_盛土荷重"), QStringLiteral("盛土荷重入力"));
    LBL_土質条件 = Named(new QLabel(kStatusUnsetInitial), QStringLiteral("LBL_土質条件"));
    LBL_盛土荷重 = Named(new QLabel(kStatusUnsetInitial), QStringLiteral("LBL_盛土荷重"));
    grid->addWidget(CMD_土質条件, 0, 0);
    grid->addWidget(LBL_土質条件, 0, 1);
    grid->addWidget(CMD_盛土荷重, 1, 0);
    grid->addWidget(LBL_盛土荷重, 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* FRM_Main::BuildModeFrame() {
    auto* frame = new QGroupBox(QStringLiteral("計算内容"));
    OPT_Select[0] =
        NamedOption(QStringLiteral("OPT_Select"), 0, QStringLiteral("即時沈下量のみ計算する"));
    OPT_Select[1] =
        NamedOption(QStringLiteral("OPT_Select"), 1, QStringLiteral("側方変位量の計算も行う"));
    TXT_Poa = new NumericField(services_.messages, KeyFilter::Decimal);
    TXT_Poa->setObjectName(QStringLiteral("TXT_Poa"));
    TXT_Poa->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    auto* poisson = new QHBoxLayout;
    poisson->addSpacing(fontMetrics().horizontalAdvance(QStringLiteral("　　")));
    poisson->addWidget(new QLabel(QStringLiteral("ﾎﾟｱｿﾝ比")));
    poisson->addWidget(TXT_Poa);
    poisson->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(OPT_Select[0]);
    layout->addWidget(OPT_Select[1]);
    layout->addLayout(poisson);
    layout->addWidget(Note(QStringLiteral("※ﾎﾟｱｿﾝ比を0.01～1.00の範囲で入力してください。")));
    layout->addWidget(Note(QStringLiteral("　未入力の場合は、ﾎﾟｱｿﾝ比=0.3として計算されます。")));
    return frame;
}

QWidget* FRM_Main::BuildPlacementFrame() {
    auto* frame = new QGroupBox(QStringLiteral("着目点設定機能選択"));
    OPT_Tyaku[0] = NamedOption(QStringLiteral("OPT_Tyaku"), 0, QStringLiteral("自動設定"));
    OPT_Tyaku[1] = NamedOption(QStringLiteral("OPT_Tyaku"), 1, QStringLiteral("手動設定"));
    CMD_着目点 = MakeButton(QStringLiteral("CMD_着目点"), QStringLiteral("着目点設定"));
    LBL_着目点 = Named(new QLabel(kStatusUnsetInitial), QStringLiteral("LBL_着目点"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(OPT_Tyaku[0], 0, 0);
    grid->addWidget(OPT_Tyaku[1], 1, 0);
    grid->addWidget(CMD_着目点, 1, 1);
    grid->addWidget(LBL_着目点, 1, 2);
    grid->setColumnStretch(2, 1);
    return frame;
}

void FRM_Main::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* load = file->addAction(QStringLiteral("読み込み(&O)"));
    load->setObjectName(QStringLiteral("mnuLoad"));
    connect(load, &QAction::triggered, this, [this] { fileCommands_->Load(); });
    QAction* save = file->addAction(QStringLiteral("書き込み(&V)"));
    save->setObjectName(QStringLiteral("mnuSave"));
    connect(save, &QAction::triggered, this, [this] { fileCommands_->Save(); });
    file->addSeparator();
    QAction* end = file->addAction(QStringLiteral("終了(&X)"));
    end->setObjectName(QStringLiteral("mnuEnd"));
    connect(end, &QAction::triggered, this, &QWidget::close);

    QMenu* other = menuBar()->addMenu(QStringLiteral("その他(&O)"));
    other->setObjectName(QStringLiteral("mnuOther"));
    QAction* version = other->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    version->setObjectName(QStringLiteral("mnuVersion"));
    connect(version, &QAction::triggered, this, &FRM_Main::ShowVersion);
    other->addSeparator();
    QAction* help = other->addAction(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, [this] {
        myHelpShow(this, 0, services_.appFolder, services_.opener, services_.messages);
    });
}

void FRM_Main::ConnectControls() {
    connect(CMD_土質条件, &QPushButton::clicked, this, [this] { OpenScreen(Screen::Soil); });
    connect(CMD_盛土荷重, &QPushButton::clicked, this, [this] { OpenScreen(Screen::Fill); });
    connect(CMD_着目点, &QPushButton::clicked, this, [this] { OpenScreen(Screen::Points); });
    for (int i = 0; i < 2; ++i) {
        // A click on the mode already chosen changes nothing: it would throw
        // away a Poisson's ratio typed but not yet confirmed.
        connect(OPT_Select[i], &QRadioButton::clicked, this, [this, i] {
            if (project_.alsoLateral != (i == 1)) SelectProcessingMode(i);
        });
        connect(OPT_Tyaku[i], &QRadioButton::clicked, this, [this, i] { SelectPlacement(i); });
    }
    connect(CMD_Exec, &QPushButton::clicked, this, [this] { run_->Execute(); });
    connect(CMD_Cancel, &QPushButton::clicked, this, &QWidget::close);

    // Enter checks the box like every numeric box, but against the range of a
    // Poisson's ratio; it stores nothing (the check before a run or save does).
    // The rule reads the box's own text, the one the value was read from.
    TXT_Poa->SetValueCheck([this](double) {
        const PoissonCheck check = CheckPoissonText(TXT_Poa->text().toStdString());
        return check.ok ? QString() : QString::fromUtf8(check.message);
    });
}

void FRM_Main::SetTabOrder() {
    ChainTabOrder({CMD_土質条件, CMD_盛土荷重, OPT_Select[0], OPT_Select[1], TXT_Poa, OPT_Tyaku[0],
                   OPT_Tyaku[1], CMD_着目点, CMD_Exec, CMD_Cancel});
}

void FRM_Main::Start() {
    project_.soilLayers.reset();
    project_.fillLoads.reset();
    project_.focusPoints.reset();
    SelectProcessingMode(0);
    SelectPlacement(0);
    CMD_着目点->setEnabled(false);
    CMD_Exec->setEnabled(false);
    adjustSize();
    CentreWindow(*this, screen()->availableGeometry());
    show();
}

bool FRM_Main::ManualPlacementSelected() const {
    return OPT_Tyaku[1]->isChecked();
}

Placement FRM_Main::SelectedPlacement() const {
    return ManualPlacementSelected() ? Placement::Manual : Placement::Automatic;
}

void FRM_Main::SetPointsStatus(const QString& text) {
    LBL_着目点->setText(text);
}

void FRM_Main::SetPointsButtonEnabled(bool enabled) {
    CMD_着目点->setEnabled(enabled);
}

void FRM_Main::SelectProcessingMode(int index) {
    OPT_Select[index]->setChecked(true);
    project_.alsoLateral = index == 1;
    TXT_Poa->setEnabled(project_.alsoLateral);
    SetPoissonBackground(project_.alsoLateral);
    if (!project_.alsoLateral) {
        TXT_Poa->clear();
        return;
    }
    // A ratio not stored yet shows the default the run would use.
    const double ratio = project_.poissonRatio == 0 ? 0.3 : RoundHalf(project_.poissonRatio);
    TXT_Poa->setText(QString::fromStdString(FormatFixed2(ratio)));
    TXT_Poa->setFocus();
}

void FRM_Main::SetPoissonBackground(bool enabled) {
    QPalette palette = TXT_Poa->palette();
    const QColor background =
        enabled ? QApplication::palette(TXT_Poa).color(QPalette::Active, QPalette::Base)
                : kDisabledPoissonBackground;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
    }
    TXT_Poa->setPalette(palette);
}

void FRM_Main::SelectPlacement(int index) {
    OPT_Tyaku[index]->setChecked(true);
    CMD_着目点->setEnabled(index == 1 && project_.fillLoads);
    // Both choices leave the run button as the rule says for the new choice
    // (without taking the focus), so it never allows a run without data.
    CMD_Exec->setEnabled(RunAllowed(project_, SelectedPlacement()));
}

bool FRM_Main::CheckPoissonRatio() {
    const PoissonCheck check = CheckPoissonText(TXT_Poa->text().toStdString());
    if (!check.ok) {
        TXT_Poa->ReportAndRefocus(QString::fromUtf8(check.message));
        return false;
    }
    TXT_Poa->setText(QString::fromStdString(check.roundedText));
    project_.poissonRatio = check.ratio;
    return true;
}

void FRM_Main::MoveCursorToRun() {
    PointAtCentre(QRect(CMD_Exec->mapToGlobal(QPoint(0, 0)), CMD_Exec->size()));
}

void FRM_Main::OpenScreen(Screen screen) {
    const InputScreens& screens = services_.screens;
    const ScreenOpener& open = screen == Screen::Soil   ? screens.soil
                               : screen == Screen::Fill ? screens.fill
                                                        : screens.points;
    if (open) open(*this);
    AfterScreenClosed(screen);
}

void FRM_Main::AfterScreenClosed(Screen screen) {
    const auto status = [](bool present) { return present ? kStatusSet : kStatusUnset; };
    switch (screen) {
        case Screen::Soil:
            LBL_土質条件->setText(status(project_.soilLayers.has_value()));
            break;
        case Screen::Fill:
            LBL_盛土荷重->setText(status(project_.fillLoads.has_value()));
            break;
        case Screen::Points:
            LBL_着目点->setText(status(project_.focusPoints.has_value()));
            break;
    }
    // The points screen is reached only in manual mode; its points are needed.
    ApplyRunRule(screen == Screen::Points ? Placement::Manual : SelectedPlacement());
}

void FRM_Main::ApplyRunRule(Placement placement) {
    const bool allowed = RunAllowed(project_, placement);
    CMD_Exec->setEnabled(allowed);
    if (!allowed) return;
    CMD_Exec->setFocus();
    MoveCursorToRun();
}

void FRM_Main::ShowLoadedProject(const LoadedProject& loaded) {
    SelectProcessingMode(loaded.alsoLateral ? 1 : 0);
    if (loaded.alsoLateral) TXT_Poa->setText(QString::fromStdString(loaded.poissonText));
    LBL_土質条件->setText(project_.soilLayers ? kStatusSet : kStatusUnsetInitial);
    LBL_盛土荷重->setText(project_.fillLoads ? kStatusSet : kStatusUnsetInitial);
    LBL_着目点->setText(project_.focusPoints ? kStatusSet : kStatusUnsetInitial);
    // Loaded points select manual placement; either way the points button
    // follows the loaded fill loads.
    SelectPlacement(project_.focusPoints || ManualPlacementSelected() ? 1 : 0);
    ApplyRunRule(SelectedPlacement());
}

void FRM_Main::SetStatusText(const QString& text) {
    if (text.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(text);
    }
    // Repaint only: a click queued during a run (a second 実行, the close box)
    // is handled once the run has ended, never inside it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FRM_Main::ShowVersion() {
    FRM_Title title(this);
    title.exec();
}

void FRM_Main::closeEvent(QCloseEvent* event) {
    const bool close = services_.messages.Ask(
        this, QStringLiteral("ヌベラプログラムを終了します。\r\nよろしいですか？"),
        MsgIcon::Information);
    close ? event->accept() : event->ignore();
}

}  // namespace nubera
