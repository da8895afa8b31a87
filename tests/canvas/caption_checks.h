// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether every caption of a panel shows whole: inside its control, clear of the
// controls laid over it, at the size its face really needs.
#include "canvas/controls/caption_fit.h"
#include "canvas/controls/shape_controls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QWidget>

namespace chromadeck::test {

// Where each kind of control really puts its caption, in the container's pixels.
inline QRect drawnCaptionArea(const QWidget& control, int* flags) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        *flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return label->contentsRect().translated(control.pos());
    }
    if (const auto* option = qobject_cast<const CaptionOption*>(&control)) {
        *flags = option->captionFlags();
        return option->captionRect().translated(control.pos());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton style;
        style.initFrom(button);
        *flags = Qt::AlignCenter;
        return button->style()
            ->subElementRect(QStyle::SE_PushButtonContents, &style, button)
            .translated(control.pos());
    }
    *flags = Qt::AlignLeft | Qt::AlignVCenter;  // a plain choice: its whole box
    return control.geometry();
}

// The captions that do not show whole, by object name; empty when all do.
inline QStringList cutCaptions(const QWidget& container) {
    QStringList cut;
    const QObjectList& children = container.children();
    for (qsizetype i = 0; i < children.size(); ++i) {
        const auto* control = qobject_cast<const QWidget*>(children[i]);
        QString caption;
        if (const auto* label = qobject_cast<const QLabel*>(control)) caption = label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            caption = button->text();
        if (caption.isEmpty()) continue;

        int flags = 0;
        const QRect area = drawnCaptionArea(*control, &flags);
        const QRect needed = QFontMetrics(control->font()).boundingRect(area, flags, caption);
        bool whole = control->geometry().contains(area) && needed.width() <= area.width() &&
                     needed.height() <= area.height();
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            const auto* over = qobject_cast<const QWidget*>(children[j]);
            if (over && !qobject_cast<const QLabel*>(over) &&
                !qobject_cast<const ShapeControl*>(over) && over->geometry().intersects(area))
                whole = false;
        }
        if (!whole) cut << control->objectName();
    }
    return cut;
}

}  // namespace chromadeck::test
