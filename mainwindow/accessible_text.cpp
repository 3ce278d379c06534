// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/accessible_text.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>

#include <string_view>

#include "rules/textunits.h"

namespace {

// The blank a line edit keeps between its frame and its text, pixels.
constexpr int kTextMarginPixels = 2;

std::u16string_view view(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}

textunits::Unit unitOf(QAccessible::TextBoundaryType boundary)
{
    switch (boundary) {
    case QAccessible::CharBoundary: return textunits::Unit::Character;
    case QAccessible::WordBoundary: return textunits::Unit::Word;
    default: return textunits::Unit::Line;  // one line, one sentence, one paragraph
    }
}

class LineEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    { }

    QLineEdit *edit() const { return static_cast<QLineEdit *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return edit()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State st = QAccessibleWidget::state();
        st.readOnly = edit()->isReadOnly();
        st.editable = !edit()->isReadOnly();
        st.selectableText = true;
        st.hasPopup = false;
        return st;
    }

    // ---- Text ---------------------------------------------------------------
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = edit()->text();
        const int length = int(all.size());
        const int start = qBound(0, startOffset, length);
        const int end = endOffset < 0 ? length : qBound(start, endOffset, length);
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(edit()->text().size()); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !edit()->hasSelectedText())
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            edit()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        const int length = characterCount();
        const int start = qBound(0, startOffset, length);
        const int end = qBound(start, endOffset, length);
        edit()->setSelection(start, end - start);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        return piece(textunits::at, offset, boundary, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override
    {
        return piece(textunits::before, offset, boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override
    {
        return piece(textunits::after, offset, boundary, startOffset, endOffset);
    }

    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        const textunits::Range run = textunits::attributeRun(view(edit()->text()), offset);
        *startOffset = run.start;
        *endOffset = run.end;
        return QString();
    }

    // Where a character is drawn, in screen coordinates: the text is centred
    // or left-aligned in the field's contents.
    QRect characterRect(int offset) const override
    {
        const QString all = edit()->text();
        if (offset < 0 || offset >= all.size())
            return QRect();
        const QFontMetrics fm(edit()->font());
        const QRect area = textArea();
        const int left = textLeft(area, fm) + fm.horizontalAdvance(all.left(offset));
        const QRect local(left, area.center().y() - fm.height() / 2, fm.horizontalAdvance(all.at(offset)),
                          fm.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QString all = edit()->text();
        const QPoint local = edit()->mapFromGlobal(point);
        if (!edit()->rect().contains(local))
            return -1;
        const QFontMetrics fm(edit()->font());
        int x = textLeft(textArea(), fm);
        for (int i = 0; i < all.size(); ++i) {
            x += fm.horizontalAdvance(all.at(i));
            if (local.x() < x)
                return i;
        }
        return int(all.size());
    }
    void scrollToSubstring(int, int) override { }

private:
    using UnitFunction = textunits::Range (*)(std::u16string_view, int, textunits::Unit);

    QString piece(UnitFunction find, int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                  int *endOffset) const
    {
        const QString all = edit()->text();
        if (offset == -2)  // the caret
            offset = edit()->cursorPosition();
        if (boundary == QAccessible::NoBoundary) {
            *startOffset = 0;
            *endOffset = int(all.size());
            return all;
        }
        const textunits::Range r = find(view(all), offset, unitOf(boundary));
        *startOffset = r.start;
        *endOffset = r.end;
        return r.start < 0 ? QString() : all.mid(r.start, r.end - r.start);
    }

    QRect textArea() const
    {
        const QMargins m = edit()->textMargins();
        return edit()->contentsRect().marginsRemoved(m).adjusted(kTextMarginPixels, 0, -kTextMarginPixels, 0);
    }
    int textLeft(const QRect &area, const QFontMetrics &fm) const
    {
        const int width = fm.horizontalAdvance(edit()->text());
        if (edit()->alignment() & Qt::AlignHCenter)
            return area.left() + (area.width() - width) / 2;
        if (edit()->alignment() & Qt::AlignRight)
            return area.right() - width;
        return area.left();
    }
};

}  // namespace

QAccessibleInterface *newLineEditAccessible(QLineEdit *edit) { return new LineEditAccessible(edit); }
bool isLineEditAccessible(QAccessibleInterface *iface) { return dynamic_cast<LineEditAccessible *>(iface); }
