// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the year overview of Tallinn (Kesklinn), 2026, at midsummer, with the
// golden and blue hours' bands, for the README's picture: it prints "ready"
// once drawn and stays until a line arrives on standard input (at most 30 s).
// scripts/screenshot.sh takes the picture of the screen under Xvfb.
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <unistd.h>

#include "yearview/frmAasta.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    yearview::YearRequest request;
    request.observation = {21, 6, 2026, 59, 26, 0, 24, 44, 45, 6, false};
    request.place
        = {solar::DecimalLatitude(request.observation), solar::DecimalLongitude(request.observation), 6};
    request.year = 2026;
    request.placeName = QStringLiteral("Tallinn, Kesklinn");
    request.placeListText = QStringLiteral("-- Kesklinn");

    frmAasta w(nullptr);
    w.ShowYear(request);
    w.chkKuldne->setChecked(true);
    // The whole screen, as the picture is taken of it.
    w.showMaximized();
    w.chtAasta->setFocus();

    QTimer::singleShot(1500, &w, [] { QTextStream(stdout) << "ready\n" << Qt::flush; });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, &QApplication::quit);
    QTimer::singleShot(30000, &app, &QApplication::quit);
    return app.exec();
}
