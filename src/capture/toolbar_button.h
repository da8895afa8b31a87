// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace chromadeck::capture {

// The nine buttons of the capture toolbar `Image2`, by their index.
enum class ToolbarButton {
    Undo = 0,
    CopyAndExit = 1,
    Save = 2,
    Exit = 3,
    Arrow = 4,
    Text = 5,
    Ellipse = 6,
    Rectangle = 7,
    Redo = 8,
};
inline constexpr int kToolbarButtonCount = 9;

// The annotation tools, each chosen by one toolbar button.
enum class CaptureTool { Arrow, Text, Ellipse, Rectangle };

// The tool a button chooses; nothing for the buttons that act at once.
std::optional<CaptureTool> toolOf(ToolbarButton button);
ToolbarButton buttonOf(CaptureTool tool);

// What the pointer shows over a button: "撤销", "添加箭头"...
QString tooltipOf(ToolbarButton button);
QString tooltipOf(CaptureTool tool);

}  // namespace chromadeck::capture
