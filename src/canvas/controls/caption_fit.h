// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>
#include <QRect>

namespace chromadeck {

// A choice whose caption is laid out only in the part of its box that no later control
// covers, and wrapped onto more lines where that part is tall enough for them.
class CaptionOption : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

    // Where the caption is drawn, in the option's own pixels, and its text flags.
    QRect captionRect() const;
    int captionFlags() const { return flags_; }
    void setCaptionLayout(QRect uncovered, int flags);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect uncovered_;
    int flags_ = Qt::AlignLeft | Qt::AlignVCenter;
};

// The part of `control` that the controls made after it in its container leave free.
// Labels and box outlines lie open, so they never cover anything; alternate captions
// that share a place are labels too.
QRect uncoveredArea(const QWidget& control);

// Lays out every caption of `container`'s labels, options and buttons so that it shows
// whole: labels at the top-left of their free area, options beside their indicator, a
// second line where the free area has room for it, and the face made smaller in half
// points only where the designed size cannot fit.
void fitCaptions(QWidget& container);

}  // namespace chromadeck
