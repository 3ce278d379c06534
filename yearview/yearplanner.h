// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The overview's bar for another year or place without going back to the main
// window: the year with a step back and forward (also Ctrl+PageUp and
// Ctrl+PageDown), today, and the gazetteer's region and place lists beside
// the place's name.
#include <QDate>
#include <QWidget>

#include "yearview/yearview.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace yearview {

// The request for another place of the gazetteer, its list text: the place's
// values replace the observation's, the year and the date stay.
YearRequest withPlace(const YearRequest &request, std::string_view listText);

// The date shown in another year: the same day of the month, 29 February
// becoming 28 February in a common year.
QDate sameDateIn(const QDate &date, int year);

class YearPlanner : public QWidget
{
    Q_OBJECT

public:
    explicit YearPlanner(QWidget *parent);

    QLabel *lblKohaNimi;
    QToolButton *cmdEelmineAasta, *cmdJärgmineAasta;
    QSpinBox *spnAasta;
    QPushButton *cmdTäna;
    QComboBox *cboPiirkond2, *cboKoht2;

    // Shows the request's year and place without asking for either.
    void setRequest(const YearRequest &request);

signals:
    void yearChosen(int year);
    void todayChosen();
    // A place of the gazetteer, by its list text.
    void placeChosen(const QString &listText);

private:
    void fillPlaces(const QString &regionText, const QString &current);
    void stepYear(int step);
};

}  // namespace yearview
