// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace chromadeck {

// A font built from a font record and selected into a canvas: the next Print uses it
// until the previous font is selected back.
struct LogicalFont {
    QString faceName;
    int height = 0;      // pixels; negative: the character height, positive: the cell height
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = 400;    // 400 normal, 700 bold, 800 extra bold
    bool italic = false;

    QFont toQFont() const;
    double angleDegrees() const { return escapement / 10.0; }
};

// The font a canvas prints with when no record is selected: name, points, bold, italic.
QFont canvasFont(const QString& name, double points, bool bold, bool italic);

}  // namespace chromadeck
