// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmAlgus.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/placement.h"
#include "shell/program_info.h"
#include "shell/text.h"
#include "shell/twips.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidthTwips = 7380;
constexpr int kHeightTwips = 4245;
const QColor kMarginBlue{0, 0, 192};
constexpr int kHandOverMs = 1300;

constexpr TwipsRect kFraVäli{150, 180, 7080, 3930};
// Inside the frame:
constexpr TwipsRect kLicenseTo{1200, 240, 5655, 255};
constexpr TwipsRect kProductName{2520, 1320, 2430, 765};
constexpr TwipsRect kVersion{5970, 2280, 885, 285};
constexpr TwipsRect kCopyright{3600, 2640, 3255, 255};
constexpr TwipsRect kComments{3600, 2880, 3255, 255};
constexpr TwipsRect kWarning{240, 3600, 5535, 195};
constexpr TwipsRect kLogo{360, 795, 1815, 1815};

QLabel *makeLabel(QWidget *parent, const QString &name, const TwipsRect &where, const QString &text,
                  const QFont &font, Qt::Alignment alignment, const QColor &colour = QColor())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    if (colour.isValid())
        look::paint(label, QColor(), colour);
    placeTwips(label, where);
    return label;
}

// A label that sizes itself to its text keeps its top and the edge it is
// aligned to: left-aligned ones grow to the right, right-aligned ones to the left.
void fitToText(QLabel *label)
{
    const QRect before = label->geometry();
    const QSize size = label->sizeHint();
    QRect after(before.topLeft(), size);
    if (label->alignment() & Qt::AlignRight)
        after.moveRight(before.right());
    label->setGeometry(after);
}

}  // namespace

frmAlgus::frmAlgus(std::function<QWidget *()> showMainWindow, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , showMainWindow_(std::move(showMainWindow))
{
    setObjectName(u"frmAlgus"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(toPixels(kWidthTwips, kHeightTwips));
    look::paint(this, kMarginBlue);
    setFocusPolicy(Qt::StrongFocus);

    fraVäli = new QGroupBox(this);
    fraVäli->setObjectName(u"fraVäli"_s);
    placeTwips(fraVäli, kFraVäli);
    // The frame keeps the platform's own colours; only the margin is blue.
    look::paint(fraVäli, QApplication::palette().color(QPalette::Window),
                QApplication::palette().color(QPalette::WindowText));
    fraVäli->installEventFilter(this);

    const QString arial = u"Arial"_s;
    lblLicenseTo = makeLabel(fraVäli, u"lblLicenseTo"_s, kLicenseTo, u"Vabavara"_s, look::font(arial, 9),
                             Qt::AlignRight, Qt::black);
    lblProductName = makeLabel(fraVäli, u"lblProductName"_s, kProductName, u"Product"_s,
                               look::font(arial, 32.25, look::Weight::Bold), Qt::AlignLeft, look::kDarkRed);
    lblVersion = makeLabel(fraVäli, u"lblVersion"_s, kVersion, u"Version"_s,
                           look::font(arial, 12, look::Weight::Bold), Qt::AlignRight, look::kNavy);
    lblCopyright = makeLabel(fraVäli, u"lblCopyright"_s, kCopyright, u"Copyright"_s, look::font(arial, 9),
                             Qt::AlignHCenter);
    lblComments = makeLabel(fraVäli, u"lblComments"_s, kComments, u"Comments"_s, look::font(arial, 9),
                            Qt::AlignHCenter);
    lblWarning = makeLabel(fraVäli, u"lblWarning"_s, kWarning, u"Avan programmi..."_s,
                           look::font(arial, 8.25), Qt::AlignLeft);

    imgLogo = new QLabel(fraVäli);
    imgLogo->setObjectName(u"imgLogo"_s);
    placeTwips(imgLogo, kLogo);
    imgLogo->setScaledContents(true);
    imgLogo->setPixmap(pictures::sun(imgLogo->width()));

    tmrKäiviti = new QTimer(this);
    tmrKäiviti->setObjectName(u"tmrKäiviti"_s);
    tmrKäiviti->setInterval(kHandOverMs);
    tmrKäiviti->setSingleShot(true);
    connect(tmrKäiviti, &QTimer::timeout, this, &frmAlgus::tmrKäiviti_Timer);

    Form_Load();
    tmrKäiviti->start();
}

void frmAlgus::Form_Load()
{
    lblVersion->setText(toQString(VersionText()));
    fitToText(lblVersion);
    lblProductName->setText(toQString(ProgramInfo.Title));
    fitToText(lblProductName);
    lblCopyright->setText(toQString(ProgramInfo.LegalCopyright));
    lblComments->setText(toQString(ProgramInfo.Comments));
}

void frmAlgus::tmrKäiviti_Timer() { handOver(); }
void frmAlgus::Form_KeyPress() { handOver(); }
void frmAlgus::fraVäli_Click() { handOver(); }

void frmAlgus::handOver()
{
    if (handedOver_)
        return;
    handedOver_ = true;
    tmrKäiviti->stop();
    if (showMainWindow_)
        showMainWindow_();
    close();
}

void frmAlgus::keyPressEvent(QKeyEvent *event)
{
    // Keys reach the window from every control (labels and the frame pass them
    // on). Only a key that produces a character counts; which one is not looked at.
    if (!event->text().isEmpty()) {
        event->accept();
        Form_KeyPress();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmAlgus::eventFilter(QObject *watched, QEvent *event)
{
    // A click: the left button pressed and released on the frame (or on a
    // label in it, which passes the mouse on).
    if (watched == fraVäli) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                framePressed_ = true;
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && framePressed_) {
                framePressed_ = false;
                if (fraVäli->rect().contains(mouse->position().toPoint()))
                    fraVäli_Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmAlgus::showEvent(QShowEvent *event)
{
    if (!positioned_) {
        positioned_ = true;
        centreOnScreen(this, screen());
    }
    QWidget::showEvent(event);
    // A splash gets no focus of its own from most window managers.
    activateWindow();
    setFocus();
}
