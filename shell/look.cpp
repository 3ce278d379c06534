#include "shell/look.h"

#include <QPalette>
#include <QWidget>

namespace look {

QFont font(const QString &designerFace, double points, Weight weight)
{
    QFont f;
    if (designerFace.startsWith(u"Copperplate Gothic")) {
        // An engraved face of capitals: small capitals of a serif face.
        f.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                       QStringLiteral("serif")});
        f.setCapitalization(QFont::SmallCaps);
    } else if (designerFace == u"Tahoma") {
        f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("sans-serif")});
    } else {
        // "Arial" and "MS Sans Serif": Liberation Sans has Arial's metrics.
        f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                       QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    }
    f.setPointSizeF(points);
    switch (weight) {
    case Weight::Light: f.setWeight(QFont::Light); break;
    case Weight::Regular: f.setWeight(QFont::Normal); break;
    case Weight::Bold: f.setWeight(QFont::Bold); break;
    }
    return f;
}

void paint(QWidget *w, const QColor &background, const QColor &text)
{
    QPalette p = w->palette();
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        w->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::ButtonText, text);
    }
    w->setPalette(p);
}

} // namespace look
