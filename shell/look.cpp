// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cstdio>

namespace look {

QFont font(const QString &designerFace, double points, Weight weight)
{
    QFont f;
    if (designerFace.startsWith(u"Copperplate Gothic")) {
        // An engraved face of capitals: small capitals of a serif face.
        f.setFamilies(
            {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
        f.setCapitalization(QFont::SmallCaps);
    } else if (designerFace == u"Tahoma") {
        f.setFamilies(
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif")});
        f.setCapitalization(QFont::MixedCase);
    } else {
        // "Arial" and "MS Sans Serif": Liberation Sans has Arial's metrics.
        f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                       QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
        // Set explicitly, so a control never takes small capitals from its frame.
        f.setCapitalization(QFont::MixedCase);
    }
    f.setPointSizeF(points);
    switch (weight) {
    case Weight::Light: f.setWeight(QFont::Light); break;
    case Weight::Regular: f.setWeight(QFont::Normal); break;
    case Weight::Bold: f.setWeight(QFont::Bold); break;
    }
    return f;
}

void fitText(QLabel *label)
{
    QFont f = label->font();
    for (int percent = 100; percent >= 90; --percent) {
        f.setLetterSpacing(QFont::PercentageSpacing, percent);
        if (QFontMetrics(f).horizontalAdvance(label->text()) <= label->width())
            break;
    }
    label->setFont(f);
}

void paint(QWidget *w, const QColor &background, const QColor &text)
{
    QPalette p = w->palette();
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    if (text.isValid())
        setTextColour(p, text);
    w->setPalette(p);
}

void setTextColour(QPalette &palette, const QColor &text)
{
    // The disabled group keeps the style's own colours: a disabled control
    // is greyed out as on every other window.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
}

QStringList missingFaceWarnings(const QStringList &installedFamilies)
{
    QStringList lines;
    for (const MappedFace &face : kMappedFaces) {
        const QString family = QString::fromLatin1(face.family);
        if (!installedFamilies.contains(family, Qt::CaseInsensitive))
            lines.append(
                QStringLiteral("vorandel: warning: the font \"%1\" is not installed (Debian package %2);"
                               " some values may not fit their labels")
                    .arg(family, QString::fromLatin1(face.debianPackage)));
    }
    return lines;
}

void warnAboutMissingFaces()
{
    for (const QString &line : missingFaceWarnings(QFontDatabase::families()))
        std::fprintf(stderr, "%s\n", qPrintable(line));
}

}  // namespace look
