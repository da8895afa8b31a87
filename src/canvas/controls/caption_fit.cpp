// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption_fit.h"

#include "shape_controls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace chromadeck {

namespace {

constexpr double kSmallestPoints = 6.0;

QRect optionContents(const QRadioButton& option) {
    QStyleOptionButton style;
    style.initFrom(&option);
    style.text = option.text();
    return option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option);
}

QRect buttonContents(const QPushButton& button) {
    QStyleOptionButton style;
    style.initFrom(&button);
    style.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &style, &button);
}

bool fits(const QFont& font, QRect area, int flags, const QString& text) {
    const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

struct Fit {
    double points;
    int flags;
};

// The largest size, the designed one first, at which the caption fits on one line or,
// failing that, wrapped; the smallest size when nothing fits.
Fit bestFit(QFont font, QRect area, int flags, const QString& text, bool mayWrap) {
    for (double points = font.pointSizeF(); points >= kSmallestPoints; points -= 0.5) {
        font.setPointSizeF(points);
        if (fits(font, area, flags, text)) return {points, flags};
        if (mayWrap && fits(font, area, flags | Qt::TextWordWrap, text))
            return {points, flags | Qt::TextWordWrap};
    }
    return {kSmallestPoints, flags | (mayWrap ? Qt::TextWordWrap : 0)};
}

void setPoints(QWidget& control, double points) {
    QFont font = control.font();
    if (font.pointSizeF() == points) return;
    font.setPointSizeF(points);
    control.setFont(font);
}

void fitLabel(QLabel& label) {
    const QRect area = uncoveredArea(label);
    const QRect all = label.rect();
    label.setContentsMargins(area.left() - all.left(), area.top() - all.top(),
                             all.right() - area.right(), all.bottom() - area.bottom());
    const int flags = Qt::AlignLeft | Qt::AlignTop;
    const Fit fit = bestFit(label.font(), area, flags, label.text(), true);
    label.setAlignment(Qt::Alignment(flags));
    if (fit.flags & Qt::TextWordWrap) label.setWordWrap(true);
    setPoints(label, fit.points);
}

void fitOption(CaptionOption& option) {
    const QRect area = optionContents(option) & uncoveredArea(option);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    const Fit fit = bestFit(option.font(), area, flags, option.text(), true);
    option.setCaptionLayout(uncoveredArea(option), fit.flags);
    setPoints(option, fit.points);
}

void fitButton(QPushButton& button) {
    const Fit fit =
        bestFit(button.font(), buttonContents(button), Qt::AlignCenter, button.text(), false);
    setPoints(button, fit.points);
}

bool coversOthers(const QWidget& widget) {
    return !qobject_cast<const QLabel*>(&widget) && !qobject_cast<const ShapeControl*>(&widget);
}

}  // namespace

QRect CaptionOption::captionRect() const {
    const QRect contents = optionContents(*this);
    return uncovered_.isNull() ? contents : contents & uncovered_;
}

void CaptionOption::setCaptionLayout(QRect uncovered, int flags) {
    uncovered_ = uncovered;
    flags_ = flags;
    update();
}

void CaptionOption::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton style;
    initStyleOption(&style);
    const QString caption = style.text;
    style.text.clear();  // the indicator and focus from the style; the caption from here
    painter.drawControl(QStyle::CE_RadioButton, style);
    painter.drawItemText(captionRect(), flags_ | Qt::TextShowMnemonic, style.palette, isEnabled(),
                         caption, QPalette::WindowText);
}

QRect uncoveredArea(const QWidget& control) {
    QRect area = control.rect();
    const QWidget* container = control.parentWidget();
    if (!container) return area;
    const QObjectList& siblings = container->children();
    for (qsizetype i = siblings.indexOf(&control) + 1; i < siblings.size(); ++i) {
        const auto* later = qobject_cast<const QWidget*>(siblings[i]);
        if (!later || later->isWindow() || !coversOthers(*later)) continue;
        const QRect cover = later->geometry().translated(-control.pos()) & area;
        if (cover.isEmpty()) continue;
        // Cut away the side the cover comes from: below, to the right, or above.
        if (cover.top() > area.top())
            area.setBottom(cover.top() - 1);
        else if (cover.left() > area.left())
            area.setRight(cover.left() - 1);
        else
            area.setTop(cover.bottom() + 1);
    }
    return area;
}

void fitCaptions(QWidget& container) {
    for (QObject* child : container.children()) {
        if (auto* option = qobject_cast<CaptionOption*>(child))
            fitOption(*option);
        else if (auto* label = qobject_cast<QLabel*>(child); label && !label->text().isEmpty())
            fitLabel(*label);
        else if (auto* button = qobject_cast<QPushButton*>(child))
            fitButton(*button);
    }
}

}  // namespace chromadeck
