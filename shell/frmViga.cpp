// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmViga.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/placement.h"
#include "shell/twips.h"

using namespace Qt::StringLiterals;

namespace {

// Client area, twips.
constexpr int kWidthTwips = 4905;
constexpr int kHeightTwips = 1740;

constexpr TwipsRect kCommand1{1950, 1200, 1095, 375};
constexpr TwipsRect kKolmas{720, 720, 4095, 255};
constexpr TwipsRect kTeine{720, 480, 4095, 255};
constexpr TwipsRect kEsimene{720, 240, 4095, 255};
constexpr TwipsRect kImage1{120, 240, 480, 480};

QLabel *makeLine(QWidget *parent, const QString &name, const TwipsRect &where)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(label, where);
    return label;
}

}  // namespace

frmViga::frmViga(QWidget *owner)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(u"frmViga"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(look::font(u"MS Sans Serif"_s, 8.25));
    setFixedSize(toPixels(kWidthTwips, kHeightTwips));
    setSizeGripEnabled(false);

    // In the order the form stores them; only the button takes the focus.
    Command1 = new QPushButton(u"&Olgu"_s, this);
    Command1->setObjectName(u"Command1"_s);
    placeTwips(Command1, kCommand1);
    Command1->setDefault(true);

    lblKolmas = makeLine(this, u"lblKolmas"_s, kKolmas);
    lblTeine = makeLine(this, u"lblTeine"_s, kTeine);
    lblEsimene = makeLine(this, u"lblEsimene"_s, kEsimene);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    placeTwips(Image1, kImage1);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(pictures::information(32));

    Command1->setFocus();
    // Esc closes through QDialog::reject, the close box through closeEvent:
    // both end like a click on the button, with the dialog discarded.
    connect(Command1, &QPushButton::clicked, this, &frmViga::Command1_Click);
}

void frmViga::Command1_Click() { accept(); }

void frmViga::showEvent(QShowEvent *event)
{
    for (QLabel *line : {lblEsimene, lblTeine, lblKolmas})
        look::fitText(line);
    if (!positioned_) {
        positioned_ = true;
        centreOnScreen(this, parentWidget() ? parentWidget()->screen() : nullptr);
    }
    QDialog::showEvent(event);
}
