#include "app/startup/title_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "version.h"
#include "widgets/centring.h"
#include "widgets/twips.h"

namespace nubera::app {
namespace {

// The designed size of the window and the height it is cut to as a splash.
constexpr double kWidthTwips = 7200;
constexpr double kHeightTwips = 7005;
constexpr double kSplashHeightTwips = 6255;

// The logo: an embankment on layered ground beside an open cut.
QPixmap DrawLogo(int size) {
    QPixmap logo(size, size);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);
    const QColor layers[] = {QColor(196, 164, 120), QColor(168, 136, 96), QColor(132, 112, 84)};
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(4, 62 + i * 11, 92, 11), layers[i]);
    p.fillRect(QRectF(64, 62, 20, 33), Qt::white);  // the open cut
    QPainterPath fill;
    fill.moveTo(8, 62);
    fill.lineTo(26, 34);
    fill.lineTo(46, 34);
    fill.lineTo(62, 62);
    fill.closeSubpath();
    p.fillPath(fill, QColor(110, 150, 90));
    p.setPen(QPen(QColor(200, 30, 30), 2.5));
    for (int x : {20, 36, 52}) {  // the settlement the program computes
        p.drawLine(QLineF(x, 8, x, 26));
        p.drawLine(QLineF(x - 4, 21, x, 27));
        p.drawLine(QLineF(x + 4, 21, x, 27));
    }
    p.setPen(QPen(Qt::black, 1.2));
    p.drawRect(QRectF(4, 62, 92, 33));
    return logo;
}

}  // namespace

TitleWindow::TitleWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FRM_Title"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    BuildControls();
    // A desktop font larger than the one designed for grows the window rather
    // than cutting off its texts.
    const QSize designed(widgets::TwipsToPixels(kWidthTwips, *this),
                         widgets::TwipsToPixels(kHeightTwips, *this));
    setFixedSize(designed.expandedTo(minimumSizeHint()));
    widgets::CentreWindow(*this, screen()->geometry());
    // The whole version, with the commit of a build that is not a release.
    version_->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + QString::fromUtf8(kVersionText));
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    frame_->installEventFilter(this);
    okButton_->installEventFilter(this);
}

void TitleWindow::BuildControls() {
    frame_ = new QFrame(this);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::Box);
    rule_ = new QFrame(frame_);
    rule_->setObjectName(QStringLiteral("Frame2"));
    rule_->setFrameShape(QFrame::HLine);
    logo_ = new QLabel(frame_);
    logo_->setObjectName(QStringLiteral("imgLogo"));
    logo_->setPixmap(DrawLogo(widgets::TwipsToPixels(2400, *this)));
    productName_ = new QLabel(QStringLiteral("ヌベラプログラム"), frame_);
    productName_->setObjectName(QStringLiteral("lblProductName"));
    QFont productFont = productName_->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2.2);
    productFont.setBold(true);
    productName_->setFont(productFont);
    maker_ = new QLabel(QStringLiteral("ヌベラ開発グループ"), frame_);
    maker_->setObjectName(QStringLiteral("lblCompanyProduct"));
    version_ = new QLabel(frame_);
    version_->setObjectName(QStringLiteral("lblVersion"));
    auto* subtitle =
        new QLabel(QStringLiteral("盛土荷重による即時沈下量・側方変位量の計算"), frame_);

    auto* frameLayout = new QVBoxLayout(frame_);
    auto* top = new QHBoxLayout;
    top->addWidget(logo_);
    auto* names = new QVBoxLayout;
    names->addStretch();
    names->addWidget(maker_);
    names->addWidget(productName_);
    names->addWidget(subtitle);
    names->addStretch();
    top->addLayout(names, 1);
    frameLayout->addLayout(top, 1);
    frameLayout->addWidget(rule_);
    frameLayout->addWidget(version_, 0, Qt::AlignRight);

    okButton_ = new QPushButton(QStringLiteral("ＯＫ"), this);
    okButton_->setObjectName(QStringLiteral("CMD_OK"));
    okButton_->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);
}

void TitleWindow::PrepareSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    okButton_->hide();
    // Any growth for a large font is kept.
    const int growth = height() - widgets::TwipsToPixels(kHeightTwips, *this);
    setFixedHeight(widgets::TwipsToPixels(kSplashHeightTwips, *this) + growth);
    widgets::CentreWindow(*this, screen()->geometry());
}

void TitleWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    accept();
}

bool TitleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::MouseButtonPress) accept();
    // The OK button holds the focus and would keep Tab and the arrow keys for
    // itself; any key closes the window.
    if (watched == okButton_ && event->type() == QEvent::KeyPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace nubera::app
