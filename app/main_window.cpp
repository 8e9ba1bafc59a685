#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "app/description_dialog.h"
#include "app/desktop_run.h"
#include "app/help.h"
#include "app/project_file_commands.h"
#include "app/screen_opener.h"
#include "app/startup/title_window.h"
#include "app/workspace/results_panel.h"
#include "engine/design_results.h"
#include "projectfile/project_file.h"
#include "projectfile/project_session.h"
#include "screenrules/fill_loads.h"
#include "screenrules/poisson_ratio.h"
#include "screenrules/run_enabling_rule.h"
#include "screenrules/soil_conditions.h"
#include "text/number_text.h"
#include "text/round_half.h"
#include "widgets/centring.h"
#include "widgets/dialogs/message_box.h"
#include "widgets/named_control.h"
#include "widgets/numeric_field.h"
#include "widgets/tab_order.h"
#include "widgets/twips.h"

namespace nubera::app {
namespace {

const QColor kDisabledPoissonBackground(192, 192, 255);
constexpr double kWindowWidthTwips = 7200;
constexpr int kOpeningWidth = 1180;
constexpr int kOpeningHeight = 700;
const QString kProgramTitle = QStringLiteral("ヌベラプログラム");
const QString kSaveBeforeClosingQuestion =
    QStringLiteral("データが保存されていません。\n終了する前に保存しますか？");
// A file handed over while something else was open is tried again this often
// until nothing is open any more.
constexpr int kWaitingFileRetryMs = 200;

QLabel* Note(const QString& text) {
    return new QLabel(text);
}

}  // namespace

MainWindow::MainWindow(ProjectSession& session, MainWindowServices services)
    : session_(session),
      project_(session.Project()),
      services_(std::move(services)),
      run_(std::make_unique<DesktopRun>(session, services_, static_cast<RunView&>(*this))),
      fileCommands_(std::make_unique<ProjectFileCommands>(session, services_,
                                                          static_cast<FileCommandsView&>(*this))) {
    setObjectName(QStringLiteral("FRM_Main"));
    history_ = new QUndoStack(this);
    BuildControls();
    BuildMenus();
    ConnectControls();
    SetTabOrder();
    // Enter on a focused button presses it, as it does on the screens.
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(true);
}

MainWindow::~MainWindow() {
    // Hiding the window takes the focus from the ratio box, whose commit
    // must not reach members already destroyed.
    poissonBox_->disconnect(this);
}

void MainWindow::BuildControls() {
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    columns->addWidget(BuildInputs(), 0);
    // A larger window gives its space to the results.
    resultsPanel_ = new ResultsPanel;
    columns->addWidget(resultsPanel_, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("STS_Bar"));
    statusBar()->setSizeGripEnabled(false);
    // A plain widget of the status bar: the run's progress texts cover it
    // while they are shown.
    runRequirement_ = widgets::Named(new QLabel, QStringLiteral("runRequirement"));
    statusBar()->addWidget(runRequirement_);
}

QWidget* MainWindow::BuildInputs() {
    auto* inputs = new QWidget;
    inputs->setMinimumWidth(widgets::TwipsToPixels(kWindowWidthTwips, *this));
    inputs->setMaximumWidth(inputs->minimumWidth());
    auto* layout = new QVBoxLayout(inputs);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildInputButtons());
    layout->addWidget(BuildModeFrame());
    layout->addWidget(BuildPlacementFrame());
    layout->addWidget(Note(QStringLiteral("※着目点の手動設定は、盛土荷重入力後可能になります。")));
    layout->addWidget(Note(QStringLiteral("※即時沈下量計算を行うには、条件の入力が必要です。")));
    runButton_ = widgets::MakeButton(QStringLiteral("CMD_Exec"), QStringLiteral("実行"));
    endButton_ = widgets::MakeButton(QStringLiteral("CMD_Cancel"), QStringLiteral("終了"));
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(runButton_);
    commands->addWidget(endButton_);
    layout->addLayout(commands);
    layout->addStretch();
    return inputs;
}

QWidget* MainWindow::BuildInputButtons() {
    auto* frame = new QGroupBox(QStringLiteral("条件入力"));
    auto* grid = new QGridLayout(frame);
    soilButton_ =
        widgets::MakeButton(QStringLiteral("CMD_土質条件"), QStringLiteral("土質条件入力"));
    fillButton_ =
        widgets::MakeButton(QStringLiteral("CMD_盛土荷重"), QStringLiteral("盛土荷重入力"));
    soilStatus_ = widgets::Named(new QLabel(kStatusUnsetInitial), QStringLiteral("LBL_土質条件"));
    fillStatus_ = widgets::Named(new QLabel(kStatusUnsetInitial), QStringLiteral("LBL_盛土荷重"));
    grid->addWidget(soilButton_, 0, 0);
    grid->addWidget(soilStatus_, 0, 1);
    grid->addWidget(fillButton_, 1, 0);
    grid->addWidget(fillStatus_, 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* MainWindow::BuildModeFrame() {
    auto* frame = new QGroupBox(QStringLiteral("計算内容"));
    settlementOnlyOption_ = widgets::Named(
        new QRadioButton(QStringLiteral("即時沈下量のみ計算する")), QStringLiteral("OPT_Select_0"));
    alsoLateralOption_ = widgets::Named(new QRadioButton(QStringLiteral("側方変位量の計算も行う")),
                                        QStringLiteral("OPT_Select_1"));
    poissonBox_ = new widgets::NumericField(services_.messages, widgets::KeyFilter::Decimal);
    poissonBox_->setObjectName(QStringLiteral("TXT_Poa"));
    poissonBox_->SetFieldName(QStringLiteral("ﾎﾟｱｿﾝ比"));
    poissonBox_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    auto* poisson = new QHBoxLayout;
    poisson->addSpacing(fontMetrics().horizontalAdvance(QStringLiteral("　　")));
    poisson->addWidget(new QLabel(QStringLiteral("ﾎﾟｱｿﾝ比")));
    poisson->addWidget(poissonBox_);
    poisson->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(settlementOnlyOption_);
    layout->addWidget(alsoLateralOption_);
    layout->addLayout(poisson);
    layout->addWidget(Note(QStringLiteral("※ﾎﾟｱｿﾝ比を0.01～1.00の範囲で入力してください。")));
    layout->addWidget(Note(QStringLiteral("　未入力の場合は、ﾎﾟｱｿﾝ比=0.3として計算されます。")));
    return frame;
}

QWidget* MainWindow::BuildPlacementFrame() {
    auto* frame = new QGroupBox(QStringLiteral("着目点設定機能選択"));
    automaticOption_ =
        widgets::Named(new QRadioButton(QStringLiteral("自動設定")), QStringLiteral("OPT_Tyaku_0"));
    manualOption_ =
        widgets::Named(new QRadioButton(QStringLiteral("手動設定")), QStringLiteral("OPT_Tyaku_1"));
    pointsButton_ = widgets::MakeButton(QStringLiteral("CMD_着目点"), QStringLiteral("着目点設定"));
    pointsStatus_ = widgets::Named(new QLabel(kStatusUnsetInitial), QStringLiteral("LBL_着目点"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(automaticOption_, 0, 0);
    grid->addWidget(manualOption_, 1, 0);
    grid->addWidget(pointsButton_, 1, 1);
    grid->addWidget(pointsStatus_, 1, 2);
    grid->setColumnStretch(2, 1);
    return frame;
}

void MainWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    // Each command keeps the window busy while it runs, so that a file
    // handed over meanwhile waits for it.
    const auto add = [&](const char* name, const QString& text, const QKeySequence& keys,
                         auto command) {
        QAction* action = file->addAction(text);
        action->setObjectName(QString::fromUtf8(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, command] {
            BusyScope busy(*this);
            command();
        });
        return action;
    };
    add("mnuNew", QStringLiteral("新規(&N)"), QKeySequence::New, [this] { fileCommands_->New(); });
    // 読み込み is the program's 開く, 書き込み its 名前を付けて保存.
    add("mnuLoad", QStringLiteral("読み込み(&O)"), QKeySequence::Open,
        [this] { fileCommands_->Load(); });
    add("mnuSaveInPlace", QStringLiteral("上書き保存(&S)"), QKeySequence::Save,
        [this] { fileCommands_->SaveInPlace(); });
    add("mnuSave", QStringLiteral("書き込み(&V)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { fileCommands_->Save(); });
    recentMenu_ = file->addMenu(QStringLiteral("最近使ったファイル(&R)"));
    recentMenu_->setObjectName(QStringLiteral("mnuRecent"));
    connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::ShowRecentFiles);
    file->addSeparator();
    add("mnuRun", QStringLiteral("実行(&E)"), QKeySequence(Qt::Key_F5), [this] {
        if (runButton_->isEnabled()) runButton_->click();
    });
    add("mnuLastResult", QStringLiteral("前回の結果を開く(&L)"), QKeySequence(),
        [this] { OpenLastResult(); });
    file->addSeparator();
    add("mnuDescription", QStringLiteral("表題・署名欄(&T)..."), QKeySequence(),
        [this] { EditProjectDescription(); });
    file->addSeparator();
    add("mnuEnd", QStringLiteral("終了(&X)"), QKeySequence::Quit, [this] { close(); });
}

void MainWindow::ShowRecentFiles() {
    recentMenu_->clear();
    const QStringList files = recent_.List();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QAction* action = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(file)));
        action->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        connect(action, &QAction::triggered, this, [this, file] {
            BusyScope busy(*this);
            fileCommands_->OpenRecent(file);
        });
    }
    if (files.isEmpty()) recentMenu_->addAction(QStringLiteral("（なし）"))->setEnabled(false);
}

void MainWindow::BuildMenus() {
    BuildFileMenu();

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction* undo = history_->createUndoAction(this, QStringLiteral("元に戻す"));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = history_->createRedoAction(this, QStringLiteral("やり直し"));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* other = menuBar()->addMenu(QStringLiteral("その他(&O)"));
    other->setObjectName(QStringLiteral("mnuOther"));
    QAction* version = other->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    version->setObjectName(QStringLiteral("mnuVersion"));
    connect(version, &QAction::triggered, this, &MainWindow::ShowVersion);
    other->addSeparator();
    QAction* help = other->addAction(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(help, &QAction::triggered, this, [this] {
        BusyScope busy(*this);
        ShowHelp(this, 0, services_.dataFolder, services_.opener, services_.messages);
    });
}

void MainWindow::ConnectControls() {
    connect(soilButton_, &QPushButton::clicked, this, [this] { OpenScreen(Screen::Soil); });
    connect(fillButton_, &QPushButton::clicked, this, [this] { OpenScreen(Screen::Fill); });
    connect(pointsButton_, &QPushButton::clicked, this, [this] { OpenScreen(Screen::Points); });
    // A click on the mode already chosen changes nothing: it would throw away
    // a Poisson's ratio typed but not yet confirmed.
    for (const auto& [option, mode] :
         {std::pair{settlementOnlyOption_, ProcessingMode::SettlementOnly},
          std::pair{alsoLateralOption_, ProcessingMode::AlsoLateral}}) {
        connect(option, &QRadioButton::clicked, this, [this, mode] {
            if (ModeOf(project_.alsoLateral) == mode) return;
            SelectProcessingMode(mode);
            Commit(QStringLiteral("計算内容の変更"));
        });
    }
    for (const auto& [option, placement] : {std::pair{automaticOption_, Placement::Automatic},
                                            std::pair{manualOption_, Placement::Manual}}) {
        connect(option, &QRadioButton::clicked, this, [this, placement] {
            SelectPlacement(placement);
            Commit(QStringLiteral("着目点設定機能の変更"));
        });
    }
    connect(runButton_, &QPushButton::clicked, this, [this] {
        BusyScope busy(*this);
        run_->Execute();
    });
    connect(endButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(poissonBox_, &QLineEdit::textChanged, this, [this] { ShowModified(); });
    // A ratio counts once confirmed (Enter or leaving the box), not while typed.
    connect(poissonBox_, &QLineEdit::editingFinished, this, [this] {
        RefreshResults();
        Commit(QStringLiteral("ﾎﾟｱｿﾝ比の変更"));
    });
    connect(resultsPanel_, &ResultsPanel::keepRequested, this, &MainWindow::KeepResults);

    // Enter checks the box like every numeric box, but against the range of a
    // Poisson's ratio; it stores nothing (the check before a run or save does).
    // The rule reads the box's own text, the one the value was read from.
    poissonBox_->SetValueCheck([this](double) {
        const PoissonCheck check = CheckPoissonText(poissonBox_->text().toStdString());
        return check.ok ? QString() : QString::fromUtf8(check.message);
    });
}

void MainWindow::SetTabOrder() {
    widgets::ChainTabOrder({soilButton_, fillButton_, settlementOnlyOption_, alsoLateralOption_,
                            poissonBox_, automaticOption_, manualOption_, pointsButton_, runButton_,
                            endButton_});
}

MainWindow::BusyScope::BusyScope(MainWindow& window) : window_(window) {
    ++window_.busy_;
}

MainWindow::BusyScope::~BusyScope() {
    if (--window_.busy_ == 0 && !window_.waitingFiles_.isEmpty()) {
        window_.ScheduleWaitingFiles(0);
    }
}

bool MainWindow::Busy() const {
    return busy_ > 0 || QApplication::activeModalWidget() != nullptr ||
           QApplication::activePopupWidget() != nullptr;
}

void MainWindow::OpenProjectFile(const QString& name) {
    waitingFiles_.push_back(name);
    OpenWaitingFiles();
}

void MainWindow::OpenWaitingFiles() {
    if (waitingFiles_.isEmpty()) return;
    // A box or menu of the window system, not one of this window's own
    // commands, ends without telling: look again shortly.
    if (Busy()) {
        if (busy_ == 0) ScheduleWaitingFiles(kWaitingFileRetryMs);
        return;
    }
    const QString name = waitingFiles_.takeFirst();
    BusyScope busy(*this);
    fileCommands_->Open(name);
}

void MainWindow::ScheduleWaitingFiles(int delayMs) {
    QTimer::singleShot(delayMs, this, &MainWindow::OpenWaitingFiles);
}

void MainWindow::Start() {
    project_.soilLayers.reset();
    project_.fillLoads.reset();
    project_.focusPoints.reset();
    ShowNewProject();
    adjustSize();
    // Room for the results table of a few loads beside the inputs, where the
    // screen has it.
    const QRect available = screen()->availableGeometry();
    resize(std::min(std::max(width(), kOpeningWidth), available.width() * 9 / 10),
           std::min(std::max(height(), kOpeningHeight), available.height() * 9 / 10));
    widgets::CentreWindow(*this, available);
    show();
}

void MainWindow::StartNewProject() {
    project_ = ProjectData{};
    session_.Results() = CalcResults{};
    ShowNewProject();
    // Nothing said of the project before (its workbook above all) stays.
    SetStatusText(QString());
}

void MainWindow::ShowNewProject() {
    SelectProcessingMode(ProcessingMode::SettlementOnly);
    SelectPlacement(Placement::Automatic);
    ShowStatuses();
    pointsButton_->setEnabled(false);
    ShowRunState(Placement::Automatic);
    MarkSaved(QString());
    ResetHistory();
    run_->ForgetLastResult();
    // An empty project starts with its soil, not with a button that ends the program.
    soilButton_->setFocus();
}

void MainWindow::OpenLastResult() {
    const QString workbook = run_->LastResult();
    if (workbook.isEmpty()) {
        services_.messages.Notice(this, QStringLiteral("このデータの計算結果はまだありません。"));
        return;
    }
    run_->ShowResult(workbook);
}

void MainWindow::ForgetRecentFile(const QString& file) {
    recent_.Remove(file);
}

Placement MainWindow::SelectedPlacement() const {
    return manualOption_->isChecked() ? Placement::Manual : Placement::Automatic;
}

void MainWindow::SelectProcessingMode(ProcessingMode mode) {
    (IsAlsoLateral(mode) ? alsoLateralOption_ : settlementOnlyOption_)->setChecked(true);
    project_.alsoLateral = IsAlsoLateral(mode);
    poissonBox_->setEnabled(project_.alsoLateral);
    SetPoissonBackground(project_.alsoLateral);
    if (!project_.alsoLateral) {
        poissonBox_->clear();
        ShowModified();
        RefreshResults();
        return;
    }
    // A ratio not stored yet shows the default the run would use.
    const double ratio = project_.poissonRatio == 0 ? 0.3 : RoundHalf(project_.poissonRatio);
    poissonBox_->setText(QString::fromStdString(FormatFixed2(ratio)));
    RefreshResults();
    poissonBox_->setFocus();
}

void MainWindow::SetPoissonBackground(bool enabled) {
    QPalette palette = poissonBox_->palette();
    const QColor background =
        enabled ? QApplication::palette(poissonBox_).color(QPalette::Active, QPalette::Base)
                : kDisabledPoissonBackground;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, background);
    }
    poissonBox_->setPalette(palette);
}

void MainWindow::SelectPlacement(Placement placement) {
    (placement == Placement::Manual ? manualOption_ : automaticOption_)->setChecked(true);
    pointsButton_->setEnabled(placement == Placement::Manual && project_.fillLoads);
    // Both choices leave the run button as the rule says for the new choice
    // (without taking the focus), so it never allows a run without data.
    ShowRunState(SelectedPlacement());
    RefreshResults();
}

bool MainWindow::CheckPoissonRatio() {
    const PoissonCheck check = CheckPoissonText(poissonBox_->text().toStdString());
    if (!check.ok) {
        poissonBox_->ReportAndRefocus(QString::fromUtf8(check.message));
        return false;
    }
    poissonBox_->setText(QString::fromStdString(check.roundedText));
    project_.poissonRatio = check.ratio;
    // The stored ratio is part of the project: undo puts back the one before.
    Commit(QStringLiteral("ﾎﾟｱｿﾝ比の変更"));
    return true;
}

void MainWindow::MoveCursorToRun() {
    widgets::PointAtCentre(QRect(runButton_->mapToGlobal(QPoint(0, 0)), runButton_->size()));
}

void MainWindow::OpenScreen(Screen screen) {
    BusyScope busy(*this);
    ScreenOpener& screens = services_.screens;
    QString what;
    switch (screen) {
        case Screen::Soil: {
            what = QStringLiteral("土質条件入力");
            SoilConditions conditions = SoilConditionsOf(project_);
            if (screens.EditSoilConditions(this, conditions)) {
                CommitSoilConditions(conditions, project_, session_.Results());
            }
            break;
        }
        case Screen::Fill: {
            what = QStringLiteral("盛土荷重入力");
            FillLoads loads = FillLoadsOf(project_);
            const Placement placement = SelectedPlacement();
            if (screens.EditFillLoads(this, loads, placement, project_.focusPoints.has_value(),
                                      [this](bool remain) { ShowPointsDiscarded(remain); })) {
                CommitFillLoads(loads, placement, project_);
            }
            break;
        }
        case Screen::Points: {
            what = QStringLiteral("着目点設定");
            std::optional<FocusPointList> points = project_.focusPoints;
            if (screens.EditFocusPoints(this, project_.fillLoads, points)) {
                project_.focusPoints = points;
            }
            break;
        }
    }
    AfterScreenClosed(screen);
    Commit(what);
}

void MainWindow::ShowPointsDiscarded(bool fillLoadsRemain) {
    pointsStatus_->setText(kStatusUnsetInitial);
    pointsButton_->setEnabled(fillLoadsRemain);
}

void MainWindow::AfterScreenClosed(Screen screen) {
    const auto status = [](bool present) { return present ? kStatusSet : kStatusUnset; };
    switch (screen) {
        case Screen::Soil:
            soilStatus_->setText(status(project_.soilLayers.has_value()));
            break;
        case Screen::Fill:
            fillStatus_->setText(status(project_.fillLoads.has_value()));
            break;
        case Screen::Points:
            pointsStatus_->setText(status(project_.focusPoints.has_value()));
            break;
    }
    // The points screen is reached only in manual mode; its points are needed.
    ApplyRunRule(screen == Screen::Points ? Placement::Manual : SelectedPlacement());
    ShowModified();
    RefreshResults();
}

void MainWindow::RefreshResults() {
    resultsPanel_->ShowResults(
        ComputeDesignResults(project_, SelectedPlacement(), poissonBox_->text().toStdString()),
        project_.fillLoads);
}

WorkspaceState MainWindow::CurrentState() const {
    return {project_, SelectedPlacement(), poissonBox_->text()};
}

void MainWindow::RestoreState(const WorkspaceState& state) {
    project_ = state.project;
    (project_.alsoLateral ? alsoLateralOption_ : settlementOnlyOption_)->setChecked(true);
    poissonBox_->setEnabled(project_.alsoLateral);
    SetPoissonBackground(project_.alsoLateral);
    poissonBox_->setText(state.poissonText);
    (state.placement == Placement::Manual ? manualOption_ : automaticOption_)->setChecked(true);
    pointsButton_->setEnabled(state.placement == Placement::Manual && project_.fillLoads);
    ShowStatuses();
    ShowRunState(state.placement);
    ShowModified();
    RefreshResults();
    committed_ = state;
}

void MainWindow::ShowStatuses() {
    soilStatus_->setText(project_.soilLayers ? kStatusSet : kStatusUnsetInitial);
    fillStatus_->setText(project_.fillLoads ? kStatusSet : kStatusUnsetInitial);
    pointsStatus_->setText(project_.focusPoints ? kStatusSet : kStatusUnsetInitial);
}

void MainWindow::Commit(const QString& what) {
    WorkspaceState now = CurrentState();
    if (now == committed_) return;
    history_->push(new WorkspaceChange(
        what, committed_, now, [this](const WorkspaceState& state) { RestoreState(state); }));
    committed_ = std::move(now);
}

void MainWindow::ResetHistory() {
    history_->clear();
    committed_ = CurrentState();
}

void MainWindow::KeepResults() {
    const std::string& file = session_.FileName();
    const QString name = file.empty() ? QStringLiteral("未保存")
                                      : QFileInfo(QString::fromStdString(file)).fileName();
    resultsPanel_->Keep(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + name);
}

void MainWindow::ApplyRunRule(Placement placement) {
    ShowRunState(placement);
    if (!runButton_->isEnabled()) return;
    runButton_->setFocus();
    MoveCursorToRun();
}

void MainWindow::ShowRunState(Placement placement) {
    runButton_->setEnabled(RunAllowed(project_, placement));
    const QString requirement = QString::fromStdString(RunRequirementText(project_, placement));
    runButton_->setToolTip(requirement);
    runRequirement_->setText(requirement);
}

void MainWindow::MarkSaved(const QString& file) {
    if (file.toStdString() != session_.FileName()) run_->ForgetLastResult();
    if (!file.isEmpty()) recent_.Add(file);
    QByteArray digest;
    if (QFile saved(file); !file.isEmpty() && saved.open(QIODevice::ReadOnly)) {
        digest = QCryptographicHash::hash(saved.readAll(), QCryptographicHash::Sha256).toHex();
    }
    session_.MarkSaved(file.toStdString(), poissonBox_->text().toStdString(), digest.toStdString());
    const QString title = kProgramTitle + QStringLiteral("[*]");
    setWindowTitle(file.isEmpty()
                       ? title
                       : QFileInfo(file).fileName() + QStringLiteral("[*] - ") + kProgramTitle);
    ShowModified();
}

void MainWindow::ShowAmendedProject() {
    ResetHistory();
    RefreshResults();
    ShowModified();
}

std::string MainWindow::SavedProjectDigest() const {
    return session_.SavedDigest(poissonBox_->text().toStdString());
}

void MainWindow::EditProjectDescription() {
    BusyScope busy(*this);
    if (!EditDescription(this, services_.messages, project_.description)) return;
    ShowModified();
    Commit(QStringLiteral("表題・署名欄"));
}

bool MainWindow::Modified() const {
    return session_.Modified(poissonBox_->text().toStdString());
}

void MainWindow::ShowModified() {
    setWindowModified(Modified());
}

void MainWindow::ShowLoadedProject(const LoadedProject& loaded) {
    SelectProcessingMode(ModeOf(loaded.alsoLateral));
    if (loaded.alsoLateral) poissonBox_->setText(QString::fromStdString(loaded.poissonText));
    ShowStatuses();
    // The placement follows the file, as it does for the command-line
    // program: manual with points, automatic without; either way the points
    // button follows the loaded fill loads.
    SelectPlacement(project_.focusPoints ? Placement::Manual : Placement::Automatic);
    ApplyRunRule(SelectedPlacement());
    ResetHistory();
}

void MainWindow::SetStatusText(const QString& text) {
    if (text.isEmpty()) {
        statusBar()->clearMessage();
    } else {
        statusBar()->showMessage(text);
    }
    // Repaint only: a click queued during a run (a second 実行, the close box)
    // is handled once the run has ended, never inside it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::SayLoaded(const QString& file) {
    QString text = QStringLiteral("読み込みました: ") + QDir::toNativeSeparators(file);
    if (!runRequirement_->text().isEmpty()) text += QStringLiteral("　") + runRequirement_->text();
    SetStatusText(text);
}

QString MainWindow::StatusText() const {
    return statusBar()->currentMessage();
}

void MainWindow::ShowVersion() {
    BusyScope busy(*this);
    TitleWindow title(this);
    title.exec();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    BusyScope busy(*this);
    const bool close = fileCommands_->SaveChangesFirst(kSaveBeforeClosingQuestion) &&
                       services_.messages.Ask(
                           this, QStringLiteral("ヌベラプログラムを終了します。\nよろしいですか？"),
                           widgets::MsgIcon::Information);
    close ? event->accept() : event->ignore();
}

}  // namespace nubera::app
