// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the input fields, the gazetteer lists, the commands, the
// results frame, the clock and the season choice. It owns all state of a run.
#include <QDateTime>
#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

#include "almanac/almanac.h"
#include "mainwindow/runstate.h"
#include "solar/observation.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QKeyEvent;
class QMenu;
class QAction;
class QPushButton;
class QRadioButton;
class QTimer;

// The window's controls, named as the designer named them (each also carries
// its name as its object name).
struct MainWindowControls {
    // Input area.
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10,
        *Label11, *Label12, *Label13, *Label14;
    QLineEdit *txtPäev, *txtKuu, *txtAasta;
    QLineEdit *txtLaiusKraad, *txtLaiusMinut, *txtLaiusSekund;
    QLineEdit *txtPikkusKraad, *txtPikkusMinut, *txtPikkusSekund;
    QLineEdit *txtKõrgus;
    // Season.
    QGroupBox *fraSesoon;
    QRadioButton *optSuveaeg, *optTalveaeg;
    // Commands, place lists, pictures, timer.
    QPushButton *cmdArvuta, *cmdTühjenda, *cmdVälju;
    QComboBox *cboNimestik, *cboPiirkond;
    QLabel *picJuuliusePäev, *picKell;
    QLabel *imgAbout, *imgHelves;
    QTimer *tmrAeg;
    // Results.
    QGroupBox *fraTulem, *fraTõus, *fraLoojang;
    QLabel *lblPäevNädaNr_Aastas, *lblNurkA, *lblNurkB, *lblNurkC, *lblNurkD, *lblPäikKõrgHoriKohal,
        *lblNurkE, *lblKohaKeskpäev, *lblPäikTõus_st_Keskpäev_ni, *lblKeskpäev_st_PäikLooj_ni,
        *lblPäikTõusLoojKell, *lblMaaPöörKiir, *lblMaaRaskKiir;
    QLabel *lblPäev_Nädal, *lblPöörlemiskiir, *lblRaskuskiir;
    QLabel *lblNurkA_Tõ, *lblNurkB_Tõ, *lblNurkC_Tõ, *lblNurkD_Tõ, *lblPäiHorKoh_Tõ, *lblNurkE_Tõ,
        *lblKohKeskP_Tõ, *lblPäiTõu_st_KeskP_ni, *lblTühi_Tõ, *lblPäiTõuKell;
    QLabel *lblNurkA_Lo, *lblNurkB_Lo, *lblNurkC_Lo, *lblNurkD_Lo, *lblPäiHorKoh_Lo, *lblNurkE_Lo,
        *lblKohKeskP_Lo, *lblTühi_Lo, *lblKeskP_st_PäiLoo_ni, *lblPäiLooKell;

    // The results frame's menu.
    QMenu *mnuTulem;
    QAction *mnuAastaÜlevaade, *mnuKopeeri;
};

class frmProge : public QDialog, private MainWindowControls
{
    Q_OBJECT

public:
    explicit frmProge(QWidget *parent = nullptr);
    ~frmProge() override;

    // The controls, for tests and for the window's accessible interfaces;
    // the window alone places and wires them.
    const MainWindowControls &controls() const { return *this; }
    // What the window keeps through a run besides its controls' texts.
    const RunState &runState() const { return run_; }

    // ---- The computation (mainwindow/results.cpp) -----------------------------
    void ComputeResults();
    void ComputeSunriseColumn(const solar::Observation &obs, std::int16_t dayOfYear, double latitude,
                              double longitude);
    void ComputeSunsetColumn(const solar::Observation &obs, std::int16_t dayOfYear, double latitude,
                             double longitude);
    void DisableInputFields();
    void ShowSeasonHints();
    void ShowResultCaptions();

    // ---- Input fields (mainwindow/inputfields*.cpp) --------------------------
    // The key filter: sets keyCode to 0, after a notice, to discard the key.
    void FilterDigitKey(char16_t &keyCode, bool minusAllowed);
    // True (after a notice) when the value is above the limit.
    bool CheckFieldLimit(int value, int limit);
    // The date checks empty the day field and focus it when they reject the day;
    // they return the verdict "valid", or std::nullopt for month 0 (no check).
    std::optional<bool> CheckDayOfMonth(int day, int month);
    std::optional<bool> CheckFullDate(int day, int month, int year);
    void CheckLeapDay(int day, int year);
    void SetSeasonForMonth(std::int16_t month);
    void UpdateCalculateEnabled();

    void txtPäev_KeyPress(char16_t &keyCode);
    void txtKuu_KeyPress(char16_t &keyCode);
    void txtAasta_KeyPress(char16_t &keyCode);
    void txtLaiusKraad_KeyPress(char16_t &keyCode);
    void txtLaiusMinut_KeyPress(char16_t &keyCode);
    void txtLaiusSekund_KeyPress(char16_t &keyCode);
    void txtPikkusKraad_KeyPress(char16_t &keyCode);
    void txtPikkusMinut_KeyPress(char16_t &keyCode);
    void txtPikkusSekund_KeyPress(char16_t &keyCode);
    void txtKõrgus_KeyPress(char16_t &keyCode);

    void txtPäev_Change();
    void txtKuu_Change();
    void txtAasta_Change();
    void txtLaiusKraad_Change();
    void txtLaiusMinut_Change();
    void txtLaiusSekund_Change();
    void txtPikkusKraad_Change();
    void txtPikkusMinut_Change();
    void txtPikkusSekund_Change();
    void txtKõrgus_Change();

    void txtPäev_LostFocus();
    void txtKuu_LostFocus();
    void txtAasta_LostFocus();
    void txtLaiusMinut_LostFocus();
    void txtLaiusSekund_LostFocus();
    void txtPikkusMinut_LostFocus();
    void txtPikkusSekund_LostFocus();

    // Every field: the right button never touches the clipboard; the middle
    // button's selection paste is refused like Ctrl+V.
    void txtField_MouseDown(QLineEdit *field, Qt::MouseButton button);

    // ---- Commands (mainwindow/commands.cpp) ----------------------------------
    void cmdArvuta_Click();
    void cmdTühjenda_Click();
    void cmdVälju_Click();
    void ResetSeasonHints();
    void EnableInputFields();

    // ---- Gazetteer lists (mainwindow/place_lists.cpp) ------------------------
    void FillRegionList();
    void FillPlaceList();
    void PreparePlaceList();
    void DisablePlaceList();
    void ApplyPlaceCoordinates();
    void ShowChooseDistrictNotice();
    void cboNimestik_Click();
    void cboPiirkond_Click();
    void cboNimestik_LostFocus();
    void cboPiirkond_LostFocus();

    // ---- Window start, clock, season, About picture --------------------------
    void Form_Load();
    void tmrAeg_Timer();
    void optSuveaeg_Click();
    void optTalveaeg_Click();
    void Form_MouseMove();
    void fraTulem_MouseMove();
    void Label4_MouseMove();
    void imgAbout_MouseMove();
    void imgAbout_Click();

    // ---- Results frame's menu and the year overview (mainwindow/yearview_menu.cpp)
    void fraTulem_ContextMenu(const QPoint &position);
    void OpenYearOverview();  // nothing before a computation
    // F2 opens the overview; the menu key and Shift+F10 open the results
    // frame's menu. True when the key was one of them.
    bool ResultsMenuKey(const QKeyEvent *event);
    void CopyResults();
    QString ResultsText() const;  // "caption: value" lines of the observation and results

    // Ends the program at once with the given exit code. Tests replace it.
    std::function<void(int)> endProgram;
    // The present moment, as the clock shows it. Tests replace it.
    std::function<QDateTime()> currentDateTime;

    // The ten input fields in the order of the rows.
    QList<QLineEdit *> inputFields() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildLayout();  // mainwindow/layout.cpp
    void connectHandlers();  // mainwindow/wiring.cpp
    void setUpAccessibility();  // mainwindow/accessibility.cpp
    void setUpYearOverview();  // mainwindow/yearview_menu.cpp
    bool fieldEvent(QLineEdit *field, QEvent *event);  // mainwindow/inputfields_events.cpp
    void emptyAndCorrect(QLineEdit *field);  // empties a rejected field and focuses it
    void focusForCorrection(QLineEdit *field);
    void advanceTo(QLineEdit *next);
    bool changeFrame(QLineEdit *field, const char16_t *emptyHint, const char16_t *filledHint);
    void limitedFieldChange(QLineEdit *field, int limit, QLineEdit *next, const char16_t *emptyHint,
                            const char16_t *filledHint);
    void tidyMinutesOrSeconds(QLineEdit *field);
    void tidyDayOrMonth(QLineEdit *field);
    void showStoredTimesShifted(double shiftHours, const QString &seasonTip);  // mainwindow/season.cpp
    // The precise sunrise and sunset of the computed date (mainwindow/precise_times.cpp),
    // shown as the event-time labels' tooltips in the season the labels show.
    void computePreciseDay(const solar::Observation &obs, double latitude, double longitude);
    void showPreciseTimeTips(bool summerTimeShown);
    void clearPreciseTimeTips();
    std::optional<almanac::SolarDay> preciseDay_;  // empty outside the years it covers
    void keepSeasonTabStop();  // mainwindow/season.cpp
    // While the program moves the focus into a field to correct, the field it
    // leaves has not been left by the user: its leaving step does not run.
    bool correctingFocus_ = false;
    QLineEdit *fieldWithFocus_ = nullptr;
    bool loaded_ = false;
    RunState run_;
};
