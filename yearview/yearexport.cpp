// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yearexport.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>
#include <functional>

#include "almanac/almanac.h"
#include "shell/notice.h"

using namespace Qt::StringLiterals;

namespace {

bool writeFile(QWidget *parent, const QString &path, const std::function<bool(QIODevice &)> &write)
{
    // Written beside the target and renamed over it only when complete: a
    // failure leaves whatever was there before.
    QSaveFile file(path);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        reason = u"Faili ei saa luua (kausta puudub kirjutusõigus või kausta pole)."_s;
    else if (!write(file) || file.error() != QFileDevice::NoError) {
        reason = u"Kirjutamine katkes (ketas võib olla täis)."_s;
        file.cancelWriting();
    }
    if (reason.isEmpty() && file.commit())
        return true;
    if (reason.isEmpty())
        reason = u"Faili ei saanud lõpuni kirjutada."_s;
    ShowNotice(parent, u"Salvestamine ebaõnnestus"_s, reason, path, file.errorString());
    return false;
}

}  // namespace

bool yearview::saveTable(QWidget *parent, const QString &path, const YearData &data)
{
    const QByteArray csv = QByteArray::fromStdString(almanac::yearCsv(data.days, yearview::overviewClock()));
    return writeFile(parent, path, [&csv](QIODevice &file) { return file.write(csv) == csv.size(); });
}

bool yearview::savePicture(QWidget *charts, const QString &path, const QString &title)
{
    const QSize size = charts->size();
    if (path.endsWith(u".svg"_s, Qt::CaseInsensitive)) {
        return writeFile(charts, path, [&](QIODevice &file) {
            QSvgGenerator svg;
            svg.setOutputDevice(&file);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(title);
            QPainter painter;
            if (!painter.begin(&svg))
                return false;
            charts->render(&painter);
            return painter.end();
        });
    }
    const qreal scale = charts->devicePixelRatio();
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        charts->render(&painter);
    }
    return writeFile(charts, path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}
