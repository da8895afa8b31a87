// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QScrollBar>
#include <QString>

namespace chromadeck {

class ShapeControl;

// The face of every caption: 宋体 at the given size, the weight always explicit so a
// bold container does not make its children bold.
QFont songFont(double points = 9.0, bool bold = false);

// Names a control as its handlers know it, places it at its design geometry in its
// container and captions it in the Song face.
template <typename Control>
Control* place(Control* control, const char* name, QRect geometry) {
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
    control->setFont(songFont());
    return control;
}

// The controls of the program's windows, each named as its handlers know it, placed at
// its design geometry in its container and captioned in the Song face.
QLabel* newLabel(QWidget* frame, const char* name, const QString& caption, QRect geometry);
QPushButton* newButton(QWidget* frame, const char* name, const QString& caption, QRect geometry);
QRadioButton* newOption(QWidget* frame, const char* name, const QString& caption, QRect geometry);
// An editable number field with suggestions: what is typed stays exactly as typed.
QComboBox* newCombo(QWidget* frame, const char* name, const QString& text, QRect geometry);
// A horizontal bar whose change fires at once for the arrows and the trough, and once on
// release for a dragged thumb.
QScrollBar* newScrollBar(QWidget* frame, const char* name, QRect geometry, int minimum, int maximum,
                         int value);
// A captioned frame that groups controls.
QGroupBox* newFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry);
// A box outline drawn as a shape.
ShapeControl* newBox(QWidget* frame, const char* name, QRect geometry);

}  // namespace chromadeck
