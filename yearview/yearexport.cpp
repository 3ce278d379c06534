// SPDX-License-Identifier: GPL-3.0-or-later
#include "yearview/yearexport.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <QWidget>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "almanac/almanac.h"
#include "shell/notice.h"

using namespace Qt::StringLiterals;

namespace yearview {

namespace {

const QString kFailedTitle = u"Salvestamine ebaõnnestus"_s;

// Qt keeps only the text of the system's error; the error numbers a save can
// meet are found again by that text.
int errorNumberOf(const QFileDevice &file)
{
    const QString text = file.errorString();
    for (int number : {ENOSPC, EDQUOT, EFBIG, EACCES, EPERM, EROFS, ENOENT, ENOTDIR, EISDIR, EIO})
        if (text == qt_error_string(number))
            return number;
    return 0;
}

QString reasonOf(const QFileDevice &file)
{
    const int number = errorNumberOf(file);
    return number ? failureReason(number) : u"Faili ei saanud kirjutada"_s;
}

// Every byte written and flushed to the system, or the file's error says why not.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() && file.flush();
}

// A symbolic link is replaced by the new file; the link's target is not
// touched. The new file is written beside the link and renamed over it.
QString replaceLink(const QString &path, const QByteArray &bytes)
{
    QTemporaryFile file(QFileInfo(path).absolutePath() + u"/.vorandel-XXXXXX"_s);
    if (!file.open()
        || !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)
        || !writeAll(file, bytes))
        return reasonOf(file);
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return failureReason(errno);
    file.setAutoRemove(false);
    return {};
}

QString writeOver(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reasonOf(file);
    if (!writeAll(file, bytes)) {
        const QString reason = reasonOf(file);
        file.cancelWriting();  // the unfinished copy is removed with the QSaveFile
        return reason;
    }
    return file.commit() ? QString() : reasonOf(file);
}

}  // namespace

PictureFormat formatOfFilter(const QString &filter)
{
    return filter.contains(u"*.svg"_s, Qt::CaseInsensitive) ? PictureFormat::Svg : PictureFormat::Png;
}

QString withExtension(const QString &path, const QString &extension)
{
    if (path.isEmpty() || path.endsWith(u'.' + extension, Qt::CaseInsensitive))
        return path;
    return path + u'.' + extension;
}

QString failureReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return u"Kettal pole ruumi"_s;
    case EACCES:
    case EPERM:
    case EROFS: return u"Sellesse kausta ei saa kirjutada"_s;
    case ENOENT:
    case ENOTDIR: return u"Kausta pole"_s;
    case EISDIR: return u"Sihtkoht on kaust"_s;
    default: return u"Faili ei saanud kirjutada: "_s + QString::fromLocal8Bit(std::strerror(errorNumber));
    }
}

QByteArray renderPicture(QWidget *charts, PictureFormat format, const QString &title)
{
    const QSize chartSize = charts->size();
    const QFontMetrics metrics(charts->font());
    const int titleHeight = metrics.height() * 2;
    const QSize size(chartSize.width(), chartSize.height() + titleHeight);
    const auto paint = [&](QPainter &painter) {
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        painter.setFont(charts->font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, size.width(), titleHeight), Qt::AlignCenter, title);
        charts->render(&painter, QPoint(0, titleHeight));
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        paint(painter);
    } else {
        const qreal scale = charts->devicePixelRatio();
        QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        {
            QPainter painter(&image);
            paint(painter);
        }
        image.save(&buffer, "PNG");
    }
    return bytes;
}

bool writeWhole(QWidget *parent, const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    QString reason;
    if (target.isSymLink())
        reason = replaceLink(path, bytes);
    else if (target.isDir())
        reason = failureReason(EISDIR);
    else if (target.exists() && !target.isFile())
        reason = u"Sihtkoht pole tavaline fail (seade, sokkel või toru)"_s;
    else
        reason = writeOver(path, bytes);
    if (reason.isEmpty())
        return true;
    ShowWarning(parent, kFailedTitle, reason, QDir::toNativeSeparators(path),
                target.isFile() || target.isSymLink() ? u"Varasem fail jäi muutmata."_s : QString());
    return false;
}

bool saveTable(QWidget *parent, const QString &path, const YearData &data)
{
    return writeWhole(parent, path,
                      QByteArray::fromStdString(almanac::yearCsv(data.days, data.clock.offsetAt)));
}

bool savePicture(QWidget *charts, const QString &path, PictureFormat format, const QString &title)
{
    const QByteArray bytes = renderPicture(charts, format, title);
    if (bytes.isEmpty()) {
        ShowWarning(charts, kFailedTitle, u"Pilti ei saanud luua"_s, QDir::toNativeSeparators(path));
        return false;
    }
    return writeWhole(charts, path, bytes);
}

}  // namespace yearview
