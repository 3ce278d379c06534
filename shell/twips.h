// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The designer's geometry is kept in twips (1440 to the logical inch); this is
// the one place where it becomes device-independent pixels. Qt scales those
// for high-dpi screens.
#include <QRect>
#include <QSize>
#include <QWidget>

struct TwipsRect {
    int left, top, width, height;
};

// 15 twips per pixel at 96 dpi, halves rounded up.
constexpr int twipsToPixels(int twips) { return (twips * 2 + 15) / 30; }

inline QRect toPixels(const TwipsRect &r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

inline QSize toPixels(int widthTwips, int heightTwips)
{
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

inline void placeTwips(QWidget *w, const TwipsRect &r) { w->setGeometry(toPixels(r)); }
