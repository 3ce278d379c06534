// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts and colours of the designer, mapped to what the system has.
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <QStringList>

class QLabel;

namespace look {

inline const QColor kLavender{192, 192, 255};
inline const QColor kNavy{0, 0, 128};
inline const QColor kDarkRed{192, 0, 0};

enum class Weight { Light, Regular, Bold };

// The designer's faces ("Arial", "MS Sans Serif", "Tahoma",
// "Copperplate Gothic Light", "Copperplate Gothic Bold") become the nearest
// installed faces; sizes (in points) and weights are kept.
QFont font(const QString &designerFace, double points, Weight weight = Weight::Regular);

// A text wider than its label is set a little tighter (down to 90 % letter
// spacing) so that it fits, as the designer's face would have.
void fitText(QLabel *label);

// Sets the background (and, when valid, the text colour) of a widget.
void paint(QWidget *w, const QColor &background, const QColor &text = QColor());

// Sets the text colour of an enabled control; a disabled one keeps the
// style's disabled text colour.
void setTextColour(QPalette &palette, const QColor &text);

// The installed faces the designer's faces are mapped to, with the Debian
// package that brings each. Without them the nearest face is wider, and
// values are cut at the edge of their labels.
struct MappedFace {
    const char *family;
    const char *debianPackage;
};
inline constexpr MappedFace kMappedFaces[] = {
    {"Liberation Sans", "fonts-liberation"},
    {"Liberation Serif", "fonts-liberation"},
    {"DejaVu Sans", "fonts-dejavu-core"},
};

// One warning line for every mapped face missing from the installed families.
QStringList missingFaceWarnings(const QStringList &installedFamilies);

// Writes those lines for the faces of this system to standard error.
void warnAboutMissingFaces();

}  // namespace look
