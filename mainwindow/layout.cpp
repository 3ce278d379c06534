// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the designer laid it out: every control with its name,
// geometry (twips), tab index, caption, font, colours, tooltip and state.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "mainwindow/frmProge.h"
#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/twips.h"

using look::Weight;

namespace {

constexpr int kClientWidthTwips = 6600;
constexpr int kClientHeightTwips = 6495;

// Tab indices are kept as the designer numbered them; the focus chain follows them.
constexpr char kTabIndex[] = "tabIndex";

template<class W>
W *makeControl(QWidget *parent, const char16_t *name, const TwipsRect &rect, int tabIndex)
{
    auto *w = new W(parent);
    w->setObjectName(QString::fromUtf16(name));
    placeTwips(w, rect);
    w->setProperty(kTabIndex, tabIndex);
    return w;
}

// ---- Input area --------------------------------------------------------------

enum class LabelKind { Prompt, Unit, UnitFixedSize };

struct InputLabel {
    QLabel *MainWindowControls::*member;
    const char16_t *name;
    TwipsRect rect;
    int tab;
    const char16_t *caption;
    LabelKind kind;
};

// clang-format off
const InputLabel kInputLabels[] = {
    {&MainWindowControls::Label1, u"Label1", {240, 240, 1605, 300}, 0, u"Sisesta kuupäev:", LabelKind::Prompt},
    {&MainWindowControls::Label5, u"Label5", {2235, 270, 180, 195}, 5, u"pp", LabelKind::Unit},
    {&MainWindowControls::Label6, u"Label6", {2885, 270, 255, 255}, 6, u"/kk", LabelKind::UnitFixedSize},
    {&MainWindowControls::Label7, u"Label7", {3595, 270, 435, 195}, 8, u"/aaaa", LabelKind::Unit},
    {&MainWindowControls::Label2, u"Label2", {240, 600, 1875, 300}, 1, u"Sisesta geogr. laius:", LabelKind::Prompt},
    {&MainWindowControls::Label8, u"Label8", {2885, 600, 60, 195}, 11, u"°", LabelKind::Unit},
    {&MainWindowControls::Label9, u"Label9", {3440, 600, 30, 195}, 13, u"'", LabelKind::Unit},
    {&MainWindowControls::Label10, u"Label10", {3980, 600, 60, 195}, 15, u"''", LabelKind::Unit},
    {&MainWindowControls::Label3, u"Label3", {240, 960, 2040, 300}, 2, u"Sisesta geogr. pikkus:", LabelKind::Prompt},
    {&MainWindowControls::Label11, u"Label11", {2885, 960, 60, 195}, 17, u"°", LabelKind::Unit},
    {&MainWindowControls::Label12, u"Label12", {3440, 960, 30, 195}, 19, u"'", LabelKind::Unit},
    {&MainWindowControls::Label13, u"Label13", {3980, 960, 60, 195}, 21, u"''", LabelKind::Unit},
    {&MainWindowControls::Label4, u"Label4", {240, 1320, 2085, 300}, 3, u"Sisesta vaatluskõrgus:", LabelKind::Prompt},
    {&MainWindowControls::Label14, u"Label14", {3080, 1350, 120, 195}, 23, u"m", LabelKind::Unit},
};
// clang-format on

struct InputBox {
    QLineEdit *MainWindowControls::*member;
    const char16_t *name;
    TwipsRect rect;
    int tab;
    int maxLength;
    const char16_t *tooltip;
};

// clang-format off
const InputBox kInputBoxes[] = {
    {&MainWindowControls::txtPäev, u"txtPäev", {2475, 240, 375, 315}, 4, 2, u" Sisesta päev "},
    {&MainWindowControls::txtKuu, u"txtKuu", {3185, 240, 375, 315}, 7, 2, u" Sisesta kuu "},
    {&MainWindowControls::txtAasta, u"txtAasta", {4105, 240, 545, 315}, 9, 4, u" Sisesta aasta täispikkuses "},
    {&MainWindowControls::txtLaiusKraad, u"txtLaiusKraad", {2475, 600, 375, 315}, 10, 2,
     u" Sisesta geograafiline laius (kraad) "},
    {&MainWindowControls::txtLaiusMinut, u"txtLaiusMinut", {3020, 600, 375, 315}, 12, 2,
     u" Sisesta geograafiline laius (minut) "},
    {&MainWindowControls::txtLaiusSekund, u"txtLaiusSekund", {3560, 600, 375, 315}, 14, 2,
     u" Sisesta geograafiline laius (sekund) "},
    {&MainWindowControls::txtPikkusKraad, u"txtPikkusKraad", {2475, 960, 375, 315}, 16, 2,
     u" Sisesta geograafiline pikkus (kraad) "},
    {&MainWindowControls::txtPikkusMinut, u"txtPikkusMinut", {3020, 960, 375, 315}, 18, 2,
     u" Sisesta geograafiline pikkus (minut) "},
    {&MainWindowControls::txtPikkusSekund, u"txtPikkusSekund", {3560, 960, 375, 315}, 20, 2,
     u" Sisesta geograafiline pikkus (sekund) "},
    {&MainWindowControls::txtKõrgus, u"txtKõrgus", {2475, 1320, 545, 315}, 22, 4,
     u" Sisesta kõrgus merepinnast meetrites "},
};
// clang-format on

// ---- Results frame -------------------------------------------------------------

struct ResultRow {
    int top;  // relative to fraTulem; the column labels sit 240 twips higher in their frames
    QLabel *MainWindowControls::*caption;
    const char16_t *captionName;
    int captionLeft, captionWidth;
    const char16_t *pattern;  // shown until the first computation writes the row captions
    QLabel *MainWindowControls::*sunrise;
    const char16_t *sunriseName;
    QLabel *MainWindowControls::*sunset;
    const char16_t *sunsetName;
    QLabel *MainWindowControls::*other;
    const char16_t *otherName;
    int otherLeft, otherWidth;
    bool largerFont;  // "Arial" 9 instead of 8.25
};

// clang-format off
const ResultRow kResultRows[] = {
    {360, &MainWindowControls::lblPäevNädaNr_Aastas, u"lblPäevNädaNr_Aastas", 960, 2295,
     u"¤¤¤¤¤¤¤¤¤¤¤¤¤           ", nullptr, nullptr, nullptr, nullptr,
     &MainWindowControls::lblPäev_Nädal, u"lblPäev_Nädal", 3360, 615, false},
    {600, &MainWindowControls::lblNurkA, u"lblNurkA", 120, 3855, u"¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤        ",
     &MainWindowControls::lblNurkA_Tõ, u"lblNurkA_Tõ", &MainWindowControls::lblNurkA_Lo, u"lblNurkA_Lo", nullptr,
     nullptr, 0, 0, false},
    {840, &MainWindowControls::lblNurkB, u"lblNurkB", 120, 3855,
     u"**            ######             #            #         **        ",
     &MainWindowControls::lblNurkB_Tõ, u"lblNurkB_Tõ", &MainWindowControls::lblNurkB_Lo, u"lblNurkB_Lo", nullptr,
     nullptr, 0, 0, false},
    {1080, &MainWindowControls::lblNurkC, u"lblNurkC", 120, 3855,
     u"**                     #             #        #              **        ",
     &MainWindowControls::lblNurkC_Tõ, u"lblNurkC_Tõ", &MainWindowControls::lblNurkC_Lo, u"lblNurkC_Lo", nullptr,
     nullptr, 0, 0, false},
    {1320, &MainWindowControls::lblNurkD, u"lblNurkD", 120, 3855,
     u"**                    #             #     #                  **        ",
     &MainWindowControls::lblNurkD_Tõ, u"lblNurkD_Tõ", &MainWindowControls::lblNurkD_Lo, u"lblNurkD_Lo", nullptr,
     nullptr, 0, 0, false},
    {1560, &MainWindowControls::lblPäikKõrgHoriKohal, u"lblPäikKõrgHoriKohal", 120, 3855,
     u"**                   #             ##                        **        ",
     &MainWindowControls::lblPäiHorKoh_Tõ, u"lblPäiHorKoh_Tõ", &MainWindowControls::lblPäiHorKoh_Lo,
     u"lblPäiHorKoh_Lo", nullptr, nullptr, 0, 0, false},
    {1800, &MainWindowControls::lblNurkE, u"lblNurkE", 120, 3855,
     u"**                  #             #     #                    **        ",
     &MainWindowControls::lblNurkE_Tõ, u"lblNurkE_Tõ", &MainWindowControls::lblNurkE_Lo, u"lblNurkE_Lo", nullptr,
     nullptr, 0, 0, false},
    {2040, &MainWindowControls::lblKohaKeskpäev, u"lblKohaKeskpäev", 120, 3855,
     u"**      #       #               #         #                 **        ",
     &MainWindowControls::lblKohKeskP_Tõ, u"lblKohKeskP_Tõ", &MainWindowControls::lblKohKeskP_Lo, u"lblKohKeskP_Lo",
     nullptr, nullptr, 0, 0, false},
    {2280, &MainWindowControls::lblPäikTõus_st_Keskpäev_ni, u"lblPäikTõus_st_Keskpäev_ni", 120, 3855,
     u"**         ##      @        #             #    @       **        ",
     &MainWindowControls::lblPäiTõu_st_KeskP_ni, u"lblPäiTõu_st_KeskP_ni", &MainWindowControls::lblTühi_Lo,
     u"lblTühi_Lo", nullptr, nullptr, 0, 0, false},
    {2520, &MainWindowControls::lblKeskpäev_st_PäikLooj_ni, u"lblKeskpäev_st_PäikLooj_ni", 120, 3855,
     u"¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤¤        ", &MainWindowControls::lblTühi_Tõ, u"lblTühi_Tõ",
     &MainWindowControls::lblKeskP_st_PäiLoo_ni, u"lblKeskP_st_PäiLoo_ni", nullptr, nullptr, 0, 0, false},
    {2880, &MainWindowControls::lblPäikTõusLoojKell, u"lblPäikTõusLoojKell", 600, 3375, u"",
     &MainWindowControls::lblPäiTõuKell, u"lblPäiTõuKell", &MainWindowControls::lblPäiLooKell, u"lblPäiLooKell",
     nullptr, nullptr, 0, 0, true},
    {3240, &MainWindowControls::lblMaaPöörKiir, u"lblMaaPöörKiir", 950, 2105,
     u",  ''  ,         ,  ''  ,         ,  ''  , ", nullptr, nullptr, nullptr, nullptr,
     &MainWindowControls::lblPöörlemiskiir, u"lblPöörlemiskiir", 3120, 975, false},
    {3480, &MainWindowControls::lblMaaRaskKiir, u"lblMaaRaskKiir", 960, 2115,
     u"'         '  ,,  '         '  ,,  '         '", nullptr, nullptr, nullptr, nullptr,
     &MainWindowControls::lblRaskuskiir, u"lblRaskuskiir", 3120, 975, false},
};
// clang-format on

constexpr int kRowHeightTwips = 255;
constexpr int kColumnLabelLeft = 120;
constexpr int kColumnLabelWidth = 975;
constexpr int kColumnOffsetTwips = 240;

}  // namespace

void frmProge::buildLayout()
{
    setObjectName(QStringLiteral("frmProge"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    resize(toPixels(kClientWidthTwips, kClientHeightTwips));
    setFont(look::font(QStringLiteral("Arial"), 18));
    look::paint(this, look::kLavender);
    setCursor(Qt::CrossCursor);
    setWindowIcon(pictures::sunIcon());

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);

    // Input area.
    for (const auto &row : kInputLabels) {
        auto *label = makeControl<QLabel>(this, row.name, row.rect, row.tab);
        label->setText(QString::fromUtf16(row.caption));
        if (row.kind == LabelKind::Prompt) {
            label->setFont(look::font(QStringLiteral("MS Sans Serif"), 9.75));
            look::paint(label, look::kLavender, look::kNavy);
        } else {
            label->setFont(look::font(QStringLiteral("MS Sans Serif"), 8.25));
            look::paint(label, look::kLavender, windowText);
        }
        if (row.kind != LabelKind::UnitFixedSize)
            label->resize(label->sizeHint());  // sizes itself to its text
        this->*row.member = label;
    }
    for (const auto &row : kInputBoxes) {
        auto *box = makeControl<QLineEdit>(this, row.name, row.rect, row.tab);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(look::font(QStringLiteral("Arial"), 9));
        box->setMaxLength(row.maxLength);
        box->setToolTip(QString::fromUtf16(row.tooltip));
        box->setCursor(Qt::IBeamCursor);
        this->*row.member = box;
    }

    // Season frame.
    fraSesoon = makeControl<QGroupBox>(this, u"fraSesoon", {4100, 960, 2295, 645}, 24);
    fraSesoon->setTitle(QStringLiteral("Sesoon :"));
    fraSesoon->setFont(look::font(QStringLiteral("Arial"), 9));
    look::paint(fraSesoon, look::kLavender, look::kNavy);
    const QString seasonTip = QStringLiteral(" Vali suveaeg või talveaeg ");
    optSuveaeg = makeControl<QRadioButton>(fraSesoon, u"optSuveaeg", {120, 270, 975, 255}, 25);
    optSuveaeg->setText(QStringLiteral("Suveaeg"));
    optTalveaeg = makeControl<QRadioButton>(fraSesoon, u"optTalveaeg", {1200, 270, 975, 255}, 26);
    optTalveaeg->setText(QStringLiteral("Talveaeg"));
    for (auto *opt : {optSuveaeg, optTalveaeg}) {
        opt->setFont(look::font(QStringLiteral("MS Sans Serif"), 8.25));
        look::paint(opt, look::kLavender, windowText);
        // A button fills its background with the button colour; an option
        // button stands on the lavender of its frame.
        opt->setBackgroundRole(QPalette::Window);
        opt->setCursor(Qt::ArrowCursor);
        opt->setToolTip(seasonTip);
    }
    optSuveaeg->setChecked(true);

    // Commands.
    const QColor light3d = QApplication::palette().color(QPalette::Midlight);
    cmdArvuta = makeControl<QPushButton>(this, u"cmdArvuta", {4100, 1800, 950, 495}, 27);
    cmdArvuta->setText(QStringLiteral("&Arvuta"));
    cmdArvuta->setToolTip(QStringLiteral(" Arvuta tulemus "));
    cmdTühjenda = makeControl<QPushButton>(this, u"cmdTühjenda", {5140, 1800, 1245, 495}, 28);
    cmdTühjenda->setText(QStringLiteral("&Tühjenda"));
    cmdTühjenda->setToolTip(QStringLiteral(" Kustuta tulemus "));
    for (auto *cmd : {cmdArvuta, cmdTühjenda}) {
        cmd->setFont(look::font(QStringLiteral("Tahoma"), 12));
        QPalette p = cmd->palette();
        p.setColor(QPalette::Button, light3d);
        look::setTextColour(p, windowText);
        cmd->setPalette(p);
        cmd->setCursor(Qt::ArrowCursor);
        cmd->setEnabled(false);
    }
    // Calculate is the default button only while all ten fields are filled;
    // no other button ever takes that role (Enter presses a button only when it
    // has the focus).
    cmdArvuta->setAutoDefault(false);
    cmdTühjenda->setAutoDefault(false);

    // Place lists.
    cboNimestik = makeControl<QComboBox>(this, u"cboNimestik", {1200, 1680, 2385, 345}, 71);
    cboPiirkond = makeControl<QComboBox>(this, u"cboPiirkond", {1200, 2040, 2385, 345}, 72);
    for (auto *cbo : {cboNimestik, cboPiirkond}) {
        cbo->setEditable(true);
        cbo->setInsertPolicy(QComboBox::NoInsert);
        cbo->setCompleter(nullptr);  // typed text stays as typed
        // A combo box reports a typed text that matches a line as chosen when
        // its text field is left; typing is no pick, so that report is cut off.
        QObject::disconnect(cbo->lineEdit(), &QLineEdit::editingFinished, cbo, nullptr);
        cbo->setFont(look::font(QStringLiteral("Arial"), 9));
        cbo->setCursor(Qt::ArrowCursor);
        look::paint(cbo, QColor(), windowText);
    }
    cboNimestik->setEditText(QStringLiteral("         >Vali piirkond<"));
    cboNimestik->setToolTip(QStringLiteral(" Vali  A l e v i d / L i n n a d  või maakond "));
    cboPiirkond->setEnabled(false);

    // Picture boxes: surfaces for the Julian date and the clock, text from the top left.
    picJuuliusePäev = makeControl<QLabel>(this, u"picJuuliusePäev", {4805, 300, 1680, 300}, 31);
    picJuuliusePäev->setFont(look::font(QStringLiteral("Arial"), 9.75));
    look::paint(picJuuliusePäev, look::kLavender, look::kNavy);
    picKell = makeControl<QLabel>(this, u"picKell", {4960, 600, 1500, 350}, 30);
    look::paint(picKell, look::kLavender, look::kDarkRed);
    for (auto *pic : {picJuuliusePäev, picKell}) {
        pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pic->setContentsMargins(0, 0, 0, 0);
    }

    // Images.
    imgAbout = new QLabel(this);
    imgAbout->setObjectName(QStringLiteral("imgAbout"));
    placeTwips(imgAbout, {240, 1800, 480, 480});
    imgAbout->setPixmap(pictures::sun());
    imgAbout->setCursor(Qt::WhatsThisCursor);
    imgAbout->setToolTip(QStringLiteral(" Programmist... "));
    imgHelves = new QLabel(this);
    imgHelves->setObjectName(QStringLiteral("imgHelves"));
    placeTwips(imgHelves, {3600, 1800, 480, 480});
    imgHelves->setPixmap(pictures::snowflake());
    imgHelves->setVisible(false);
    imgHelves->setEnabled(false);

    // Results frame and its two columns.
    fraTulem = makeControl<QGroupBox>(this, u"fraTulem", {0, 2520, 6615, 3975}, 29);
    fraTulem->setTitle(QStringLiteral("Sisesta andmed..."));
    fraTulem->setFont(look::font(QStringLiteral("Copperplate Gothic Light"), 12, Weight::Light));
    look::paint(fraTulem, look::kLavender, look::kDarkRed);
    fraTõus = makeControl<QGroupBox>(fraTulem, u"fraTõus", {4080, 240, 1215, 2940}, 45);
    fraTõus->setTitle(QStringLiteral("Tõus:"));
    fraLoojang = makeControl<QGroupBox>(fraTulem, u"fraLoojang", {5280, 240, 1215, 2940}, 46);
    fraLoojang->setTitle(QStringLiteral("Loojang:"));
    for (auto *fra : {fraTõus, fraLoojang}) {
        fra->setFont(look::font(QStringLiteral("Tahoma"), 9.75));
        look::paint(fra, look::kLavender, look::kDarkRed);
    }

    cmdVälju = makeControl<QPushButton>(fraTulem, u"cmdVälju", {4440, 3360, 1695, 495}, 70);
    cmdVälju->setText(QStringLiteral("V ä l j u"));
    cmdVälju->setFont(look::font(QStringLiteral("Copperplate Gothic Bold"), 12, Weight::Bold));
    look::paint(cmdVälju, QColor(), windowText);
    cmdVälju->setCursor(Qt::ArrowCursor);
    cmdVälju->setToolTip(QStringLiteral(" Sulge programm "));
    cmdVälju->setAutoDefault(false);

    auto valueLabel
        = [&](QWidget *parent, const char16_t *name, const TwipsRect &rect, int tab, bool largerFont) {
              auto *label = makeControl<QLabel>(parent, name, rect, tab);
              label->setFont(look::font(QStringLiteral("Arial"), largerFont ? 9 : 8.25));
              label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
              look::paint(label, look::kLavender, look::kNavy);
              return label;
          };
    int captionTab = 32;
    int sunriseTab = 48;
    int sunsetTab = 58;
    for (const auto &row : kResultRows) {
        auto *caption = makeControl<QLabel>(fraTulem, row.captionName,
                                            {row.captionLeft, row.top, row.captionWidth, kRowHeightTwips},
                                            captionTab++);
        caption->setText(QString::fromUtf16(row.pattern));
        caption->setFont(look::font(QStringLiteral("Arial"), row.largerFont ? 9 : 8.25));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        look::paint(caption, look::kLavender, windowText);
        this->*row.caption = caption;
        const TwipsRect inColumn{kColumnLabelLeft, row.top - kColumnOffsetTwips, kColumnLabelWidth,
                                 kRowHeightTwips};
        if (row.sunrise)
            this->*row.sunrise = valueLabel(fraTõus, row.sunriseName, inColumn, sunriseTab++, row.largerFont);
        if (row.sunset)
            this->*row.sunset = valueLabel(fraLoojang, row.sunsetName, inColumn, sunsetTab++, row.largerFont);
    }
    lblPäev_Nädal = valueLabel(fraTulem, u"lblPäev_Nädal", {3360, 360, 615, kRowHeightTwips}, 47, false);
    lblPöörlemiskiir
        = valueLabel(fraTulem, u"lblPöörlemiskiir", {3120, 3240, 975, kRowHeightTwips}, 68, false);
    lblRaskuskiir = valueLabel(fraTulem, u"lblRaskuskiir", {3120, 3480, 975, kRowHeightTwips}, 69, false);

    // Labels and frames show the platform's arrow; only the bare window surface
    // has the crosshair.
    for (auto *w : findChildren<QWidget *>()) {
        if (!w->testAttribute(Qt::WA_SetCursor))
            w->setCursor(Qt::ArrowCursor);
    }

    // Labels, frames and picture boxes never take the focus.
    for (auto *w : findChildren<QLabel *>())
        w->setFocusPolicy(Qt::NoFocus);
    for (auto *w : findChildren<QGroupBox *>())
        w->setFocusPolicy(Qt::NoFocus);

    // The focus chain follows the tab indices across all containers.
    QList<QWidget *> chain;
    for (auto *w : findChildren<QWidget *>()) {
        if (w->property(kTabIndex).isValid() && w->focusPolicy() != Qt::NoFocus)
            chain.append(w);
    }
    std::stable_sort(chain.begin(), chain.end(), [](QWidget *a, QWidget *b) {
        return a->property(kTabIndex).toInt() < b->property(kTabIndex).toInt();
    });
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    tmrAeg = new QTimer(this);
    tmrAeg->setObjectName(QStringLiteral("tmrAeg"));
    tmrAeg->setInterval(1000);
}

QList<QLineEdit *> frmProge::inputFields() const
{
    return {txtPäev,        txtKuu,         txtAasta,       txtLaiusKraad,   txtLaiusMinut,
            txtLaiusSekund, txtPikkusKraad, txtPikkusMinut, txtPikkusSekund, txtKõrgus};
}
