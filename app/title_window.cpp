#include "frm_title.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "centring.h"
#include "twips.h"
#include "version.h"

namespace nubera {
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

QString VersionText(int major, int minor, int patch) {
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(major).arg(minor).arg(patch);
}

FRM_Title::FRM_Title(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FRM_Title"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    BuildControls();
    // A desktop font larger than the one designed for grows the window rather
    // than cutting off its texts.
    const QSize designed(TwipsToPixels(kWidthTwips, *this), TwipsToPixels(kHeightTwips, *this));
    setFixedSize(designed.expandedTo(minimumSizeHint()));
    CentreWindow(*this, screen()->geometry());
    lblVersion->setText(VersionText(kVersionMajor, kVersionMinor, kVersionPatch));
    connect(CMD_OK, &QPushButton::clicked, this, &QDialog::accept);
    Frame1->installEventFilter(this);
    CMD_OK->installEventFilter(this);
}

void FRM_Title::BuildControls() {
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame2 = new QFrame(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::HLine);
    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(DrawLogo(TwipsToPixels(2400, *this)));
    lblProductName = new QLabel(QStringLiteral("ヌベラプログラム"), Frame1);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont productFont = lblProductName->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2.2);
    productFont.setBold(true);
    lblProductName->setFont(productFont);
    lblCompanyProduct = new QLabel(QStringLiteral("ヌベラ開発グループ"), Frame1);
    lblCompanyProduct->setObjectName(QStringLiteral("lblCompanyProduct"));
    lblVersion = new QLabel(Frame1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* subtitle =
        new QLabel(QStringLiteral("盛土荷重による即時沈下量・側方変位量の計算"), Frame1);

    auto* frameLayout = new QVBoxLayout(Frame1);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    auto* names = new QVBoxLayout;
    names->addStretch();
    names->addWidget(lblCompanyProduct);
    names->addWidget(lblProductName);
    names->addWidget(subtitle);
    names->addStretch();
    top->addLayout(names, 1);
    frameLayout->addLayout(top, 1);
    frameLayout->addWidget(Frame2);
    frameLayout->addWidget(lblVersion, 0, Qt::AlignRight);

    CMD_OK = new QPushButton(QStringLiteral("ＯＫ"), this);
    CMD_OK->setObjectName(QStringLiteral("CMD_OK"));
    CMD_OK->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CMD_OK);
    layout->addLayout(buttons);
}

void FRM_Title::PrepareSplash() {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    CMD_OK->hide();
    // Any growth for a large font is kept.
    const int growth = height() - TwipsToPixels(kHeightTwips, *this);
    setFixedHeight(TwipsToPixels(kSplashHeightTwips, *this) + growth);
    CentreWindow(*this, screen()->geometry());
}

void FRM_Title::keyPressEvent(QKeyEvent* event) {
    event->accept();
    accept();
}

bool FRM_Title::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Frame1 && event->type() == QEvent::MouseButtonPress) accept();
    // The OK button holds the focus and would keep Tab and the arrow keys for
    // itself; any key closes the window.
    if (watched == CMD_OK && event->type() == QEvent::KeyPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace nubera
