// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader calls a control whose text carries an access key: the
// text without the key's mark and without the dots that promise a dialog.
#include <QString>

// "Salvesta ta&bel..." is said "Salvesta tabel"; a doubled "&&" is one ampersand.
inline QString spokenText(QString text)
{
    for (qsizetype i = text.indexOf(u'&'); i >= 0 && i < text.size(); i = text.indexOf(u'&', i + 1))
        text.remove(i, 1);
    if (text.endsWith(u"..."))
        text.chop(3);
    return text;
}

// Gives a button or check box its object name, its spoken name from its text
// and, where there is one, the description a screen reader adds.
template<class Control>
Control *nameControl(Control *control, const QString &objectName, const QString &description = {})
{
    control->setObjectName(objectName);
    control->setAccessibleName(spokenText(control->text()));
    if (!description.isEmpty())
        control->setAccessibleDescription(description);
    return control;
}
