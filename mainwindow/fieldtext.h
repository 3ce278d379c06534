// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the field handlers and the commands share: a field's value, and a
// notice given as the rules word it.
#include <QLineEdit>
#include <QList>
#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "rules/fieldrules.h"
#include "shell/notice.h"
#include "shell/text.h"
#include "solar/observation.h"

// The ten fields' texts in row order, as the rules read them.
inline std::array<std::string, 10> fieldTexts(const QList<QLineEdit *> &fields)
{
    std::array<std::string, 10> texts;
    for (std::size_t i = 0; i < texts.size() && qsizetype(i) < fields.size(); ++i)
        texts[i] = toUtf8(fields[qsizetype(i)]->text());
    return texts;
}

inline std::array<std::string_view, 10> viewsOf(const std::array<std::string, 10> &texts)
{
    std::array<std::string_view, 10> views;
    std::copy(texts.begin(), texts.end(), views.begin());
    return views;
}

// The observation the ten fields hold; empty while one of them is not a number.
inline std::optional<solar::Observation> readObservation(const QList<QLineEdit *> &fields)
{
    const std::array<std::string, 10> texts = fieldTexts(fields);
    return solar::ReadObservation(viewsOf(texts));
}

// The key filter keeps the texts to digits, so every value fits; a text that
// is not a whole number reads 0.
inline int fieldValue(const QLineEdit *field)
{
    return solar::FieldTextToInt16(field->text().toStdString()).value_or(0);
}

// Empties a field without an undo step: Ctrl+Z is refused in the fields, and
// a history that is never used would only grow with every Clear.
inline void emptyField(QLineEdit *field) { field->setText(QString()); }

inline void ShowNotice(QWidget *owner, const fieldrules::NoticeText &n)
{
    ShowNotice(owner, toQString(n.title), toQString(n.line1), toQString(n.line2), toQString(n.line3));
}
