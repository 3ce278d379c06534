// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmAbout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/placement.h"
#include "shell/program_info.h"
#include "shell/sysinfo.h"
#include "shell/text.h"
#include "shell/twips.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kWidthTwips = 5580;
constexpr int kHeightTwips = 3225;

constexpr TwipsRect kPicIcon{240, 240, 540, 540};
constexpr TwipsRect kTitle{1080, 240, 3885, 360};
constexpr TwipsRect kVersion{1080, 600, 3885, 225};
constexpr TwipsRect kDescription{1080, 960, 3885, 690};
constexpr TwipsRect kCopyright{840, 1920, 4095, 255};
constexpr TwipsRect kComments{840, 2160, 4095, 255};
constexpr TwipsRect kDisclaimer{255, 2625, 1710, 465};
constexpr TwipsRect kSysInfo{2640, 2625, 1260, 420};
constexpr TwipsRect kOK{4200, 2625, 1260, 420};

// The two etched separators, twips: across from 120 to 5463, a grey line with
// a white one just below it.
constexpr int kSeparatorLeft = 120;
constexpr int kSeparatorRight = 5463;
constexpr int kSeparator1Grey = 1847;
constexpr int kSeparator1White = 1860;
constexpr int kSeparator2Grey = 2445;
constexpr int kSeparator2White = 2460;  // 2 pixels wide
const QColor kSeparatorGrey{128, 128, 128};
const QColor kTitleRed{128, 0, 0};

QLabel *makeLabel(QWidget *parent, const QString &name, const TwipsRect &where, const QString &text,
                  Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignTop);
    placeTwips(label, where);
    return label;
}

}  // namespace

frmAbout::frmAbout(QLabel *aboutPicture, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
    , aboutPicture_(aboutPicture)
{
    setObjectName(u"frmAbout"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"About MyApp"_s);
    setWindowIcon(pictures::snowflakeIcon());
    setFont(look::font(u"MS Sans Serif"_s, 8.25));
    setFixedSize(toPixels(kWidthTwips, kHeightTwips));

    // The box sizes itself to the picture.
    picIcon = new QLabel(this);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setPixmap(pictures::sun());
    picIcon->setGeometry(QRect(toPixels(kPicIcon).topLeft(), picIcon->pixmap().size()));

    lblTitle = makeLabel(this, u"lblTitle"_s, kTitle, u"Application Title"_s);
    lblTitle->setFont(look::font(u"MS Sans Serif"_s, 12));
    look::paint(lblTitle, QColor(), kTitleRed);

    lblVersion = makeLabel(this, u"lblVersion"_s, kVersion, u"Version"_s);
    look::paint(lblVersion, QColor(), look::kNavy);

    lblDescription = makeLabel(this, u"lblDescription"_s, kDescription, u"App Description"_s);
    lblDescription->setWordWrap(true);
    look::paint(lblDescription, QColor(), Qt::black);

    lblCopyright = makeLabel(this, u"lblCopyright"_s, kCopyright, u"Copyright"_s, Qt::AlignHCenter);
    lblCopyright->setFont(look::font(u"MS Sans Serif"_s, 9.75));
    lblComments = makeLabel(this, u"lblComments"_s, kComments, u"Comments"_s, Qt::AlignHCenter);
    lblComments->setFont(look::font(u"MS Sans Serif"_s, 9.75));

    lblDisclaimer = makeLabel(this, u"lblDisclaimer"_s, kDisclaimer, u"Vabavara"_s);
    lblDisclaimer->setFont(look::font(u"Arial"_s, 9));
    lblDisclaimer->setWordWrap(true);
    look::paint(lblDisclaimer, QColor(), Qt::black);

    cmdSysInfo = new QPushButton(u"&System Info..."_s, this);
    cmdSysInfo->setObjectName(u"cmdSysInfo"_s);
    cmdSysInfo->setToolTip(u" Süsteemi informatsioon "_s);
    placeTwips(cmdSysInfo, kSysInfo);

    cmdOK = new QPushButton(u"&Olgu"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setFont(look::font(u"MS Sans Serif"_s, 9.75));
    placeTwips(cmdOK, kOK);
    cmdOK->setDefault(true);

    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    const QString title = toQString(ProgramInfo.Title);
    setWindowTitle(u"Programmist "_s + title);
    lblVersion->setText(toQString(VersionText()));
    lblTitle->setText(title);
    lblDescription->setText(toQString(ProgramInfo.FileDescription));
    lblCopyright->setText(toQString(ProgramInfo.LegalCopyright));
    lblComments->setText(toQString(ProgramInfo.Comments));
}

void frmAbout::cmdOK_Click()
{
    if (aboutPicture_)
        aboutPicture_->setPixmap(pictures::sun());
    accept();
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(this); }

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // "&Olgu" is the cancel button as well: Esc presses it, so the picture is
    // given back as for a click. Only the close box closes without it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    const int left = twipsToPixels(kSeparatorLeft);
    const int right = twipsToPixels(kSeparatorRight);
    auto line = [&](int yTwips, const QColor &colour, int thicknessPx) {
        p.fillRect(QRect(left, twipsToPixels(yTwips), right - left + 1, thicknessPx), colour);
    };
    line(kSeparator1Grey, kSeparatorGrey, 1);
    line(kSeparator1White, Qt::white, 1);
    line(kSeparator2White, Qt::white, 2);
    line(kSeparator2Grey, kSeparatorGrey, 1);
}

void frmAbout::showEvent(QShowEvent *event)
{
    if (!positioned_) {
        positioned_ = true;
        centreOnScreen(this, parentWidget() ? parentWidget()->screen() : nullptr);
    }
    QDialog::showEvent(event);
}
