// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yearprint.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QWidget>

#include "shell/notice.h"
#include "yearview/keydatestab.h"
#include "yearview/yearexport.h"

namespace yearview {

namespace {

using namespace Qt::StringLiterals;

const QString kFailedTitle = u"Printimine ebaõnnestus"_s;
constexpr double kTitlePoints = 13, kListPoints = 9;

QFont pointFont(const QFont &base, double points, bool bold = false)
{
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool paintOn(QPagedPaintDevice &device, QWidget *charts, const YearData &data)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page(QPoint(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    paintYearPage(painter, page, charts, data);
    return painter.end();
}

}  // namespace

void paintYearPage(QPainter &painter, const QRect &page, QWidget *charts, const YearData &data)
{
    painter.save();
    const QFont title = pointFont(charts->font(), kTitlePoints, true);
    const QFont list = pointFont(charts->font(), kListPoints);
    const int titleHeight = QFontMetrics(title, painter.device()).height() * 2;
    const QFontMetrics listMetrics(list, painter.device());
    const int line = listMetrics.height();
    const int listHeight = line * (int(data.keyDates.size()) + 3);  // a gap, the headers, the rows

    painter.setPen(Qt::black);
    painter.setFont(title);
    painter.drawText(QRect(page.left(), page.top(), page.width(), titleHeight), Qt::AlignCenter,
                     pictureTitle(data));

    // The charts as wide as the page, kept in proportion and leaving room for the list.
    const QSize chartSize = charts->size();
    const double scale = std::min(double(page.width()) / chartSize.width(),
                                  double(page.height() - titleHeight - listHeight) / chartSize.height());
    const int chartsTop = page.top() + titleHeight;
    painter.save();
    painter.translate(page.left() + (page.width() - chartSize.width() * scale) / 2, chartsTop);
    painter.scale(scale, scale);
    charts->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();

    // The key dates in four columns under their headers: date, time, what and the detail.
    KeyDatesModel model;
    model.setYear(&data);
    int y = chartsTop + int(chartSize.height() * scale) + line;
    const int dateWidth = listMetrics.horizontalAdvance(u"00.00.0000  "_s);
    const int timeWidth = listMetrics.horizontalAdvance(u"00:00:00  "_s);
    const int whatWidth = listMetrics.horizontalAdvance(u"Navigatsioonilised valged ööd lõpevad  "_s);
    const int x[] = {page.left(), page.left() + dateWidth, page.left() + dateWidth + timeWidth,
                     page.left() + dateWidth + timeWidth + whatWidth};
    painter.setFont(pointFont(charts->font(), kListPoints, true));
    for (int column = 0; column < model.columnCount(); ++column)
        painter.drawText(QRect(x[column], y, page.right() - x[column], line),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         model.headerData(column, Qt::Horizontal).toString());
    painter.setFont(list);
    y += line;
    for (int row = 0; row < model.rowCount(); ++row, y += line)
        for (int column = 0; column < model.columnCount(); ++column)
            painter.drawText(QRect(x[column], y, page.right() - x[column], line),
                             Qt::AlignLeft | Qt::AlignVCenter, model.cellText(row, column));
    painter.restore();
}

bool printYear(QWidget *parent, QPrinter &printer, QWidget *charts, const YearData &data)
{
    const QString title = pictureTitle(data);
    printer.setDocName(title);
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        if (paintOn(printer, charts, data))
            return true;
        ShowWarning(parent, kFailedTitle, u"Printerit ei saanud kasutada"_s, printer.printerName());
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(u"Vorandel"_s);
        pdf.setResolution(printer.resolution());
        pdf.setPageLayout(printer.pageLayout());
        if (!paintOn(pdf, charts, data)) {
            ShowWarning(parent, kFailedTitle, u"PDF-faili ei saanud luua"_s,
                        QDir::toNativeSeparators(printer.outputFileName()));
            return false;
        }
    }
    return writeWhole(parent, printer.outputFileName(), bytes);
}

}  // namespace yearview
