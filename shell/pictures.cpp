// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace pictures {

namespace {

QPixmap blank(int sizePx)
{
    QPixmap pm(sizePx, sizePx);
    pm.fill(Qt::transparent);
    return pm;
}

}  // namespace

QPixmap sun(int sizePx)
{
    QPixmap pm = blank(sizePx);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(sizePx / 32.0, sizePx / 32.0);
    const QPointF c(16, 16);
    QPainterPath rays;
    constexpr int kRays = 12;
    for (int i = 0; i < kRays; ++i) {
        const double a = i * 2 * M_PI / kRays;
        const double side = M_PI / kRays * 0.55;
        rays.moveTo(c + QPointF(8.5 * std::cos(a - side), 8.5 * std::sin(a - side)));
        rays.lineTo(c + QPointF(15.5 * std::cos(a), 15.5 * std::sin(a)));
        rays.lineTo(c + QPointF(8.5 * std::cos(a + side), 8.5 * std::sin(a + side)));
        rays.closeSubpath();
    }
    p.setPen(QPen(QColor(200, 120, 0), 0.6));
    p.setBrush(QColor(255, 200, 0));
    p.drawPath(rays);
    p.setBrush(QColor(255, 255, 0));
    p.drawEllipse(c, 8.5, 8.5);
    return pm;
}

QPixmap snowflake(int sizePx)
{
    QPixmap pm = blank(sizePx);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(sizePx / 32.0, sizePx / 32.0);
    p.translate(16, 16);
    p.setPen(QPen(QColor(0, 200, 255), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        p.drawLine(QPointF(0, 0), QPointF(0, -14));
        p.drawLine(QPointF(0, -9), QPointF(-4, -13));
        p.drawLine(QPointF(0, -9), QPointF(4, -13));
        p.drawLine(QPointF(0, -4.5), QPointF(-3, -7.5));
        p.drawLine(QPointF(0, -4.5), QPointF(3, -7.5));
        p.rotate(60);
    }
    return pm;
}

QPixmap information(int sizePx)
{
    QPixmap pm = blank(sizePx);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(sizePx / 32.0, sizePx / 32.0);
    auto bubble = [](QPointF o) {
        QPainterPath path;
        path.addEllipse(QRectF(o.x() + 1, o.y() + 1, 26, 22));
        QPainterPath tail;
        tail.moveTo(o + QPointF(8, 20));
        tail.lineTo(o + QPointF(5, 29));
        tail.lineTo(o + QPointF(14, 22));
        tail.closeSubpath();
        return path.united(tail);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 128));
    p.drawPath(bubble(QPointF(3, 2)));
    p.setPen(QPen(Qt::black, 0.8));
    p.setBrush(Qt::white);
    p.drawPath(bubble(QPointF(0, 0)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(QPointF(14, 6.5), 2, 2);
    p.drawRect(QRectF(12.5, 10, 3, 9));
    p.drawRect(QRectF(11, 10, 3, 1.5));
    p.drawRect(QRectF(11, 17.5, 6, 1.5));
    return pm;
}

QPixmap warning(int sizePx)
{
    QPixmap pm = blank(sizePx);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(sizePx / 32.0, sizePx / 32.0);
    QPainterPath triangle;
    triangle.moveTo(16, 2);
    triangle.lineTo(30.5, 28.5);
    triangle.lineTo(1.5, 28.5);
    triangle.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 210, 0));
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(14.5, 10, 3, 11));
    p.drawEllipse(QPointF(16, 24.5), 1.8, 1.8);
    return pm;
}

QIcon sunIcon()
{
    QIcon icon;
    icon.addPixmap(sun(16));
    icon.addPixmap(sun(32));
    icon.addPixmap(sun(64));
    return icon;
}

QIcon snowflakeIcon()
{
    QIcon icon;
    icon.addPixmap(snowflake(16));
    icon.addPixmap(snowflake(32));
    return icon;
}

}  // namespace pictures
