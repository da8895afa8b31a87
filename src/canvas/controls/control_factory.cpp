// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_factory.h"

#include "caption_fit.h"
#include "shape_controls.h"

namespace chromadeck {

QFont songFont(double points, bool bold) {
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel* newLabel(QWidget* frame, const char* name, const QString& caption, QRect geometry) {
    return place(new QLabel(caption, frame), name, geometry);
}

QPushButton* newButton(QWidget* frame, const char* name, const QString& caption, QRect geometry) {
    return place(new QPushButton(caption, frame), name, geometry);
}

QRadioButton* newOption(QWidget* frame, const char* name, const QString& caption, QRect geometry) {
    return place(new CaptionOption(caption, frame), name, geometry);
}

QComboBox* newCombo(QWidget* frame, const char* name, const QString& text, QRect geometry) {
    auto* box = place(new QComboBox(frame), name, geometry);
    box->setEditable(true);
    // No inline completion rewrites what is typed and Enter never adds it to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setEditText(text);
    return box;
}

QScrollBar* newScrollBar(QWidget* frame, const char* name, QRect geometry, int minimum, int maximum,
                         int value) {
    auto* bar = place(new QScrollBar(Qt::Horizontal, frame), name, geometry);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    bar->setTracking(false);
    return bar;
}

QGroupBox* newFrame(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    return place(new QGroupBox(caption, parent), name, geometry);
}

ShapeControl* newBox(QWidget* frame, const char* name, QRect geometry) {
    auto* shape = new ShapeControl(frame);
    shape->setObjectName(QString::fromUtf8(name));
    shape->setGeometry(geometry);
    return shape;
}

}  // namespace chromadeck
