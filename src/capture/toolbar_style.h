// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/rgb_color.h"
#include "platform/screen.h"

// The look the toolbar and the options panel share, so that the bars, their outlines and
// the controls drawn on them stay one colour wherever they are built.
namespace chromadeck::capture {

inline constexpr RgbColor kBarColour = RGB(222, 238, 255);
// The bars' outlines.
inline constexpr RgbColor kBarOutline = RGB(128, 128, 255);
// The separators between the toolbar's button groups, lighter than the outlines.
inline constexpr RgbColor kSeparatorColour = RGB(192, 192, 255);
// The square under a hovered button and the edge of the hovered font-size box.
inline constexpr RgbColor kHoverColour = RGB(36, 143, 251);
// The ink of the icons drawn in code.
inline constexpr RgbColor kIconInk = RGB(40, 70, 140);
// The annotation colour and text size (points) every run starts with.
inline constexpr RgbColor kStartColour = RGB(255, 0, 0);
inline constexpr int kStartTextSize = 11;

// Both bars are 3620 twips wide; the panel narrows by the font group when that is hidden.
inline constexpr float kPanelWidth = 3620.0f / platform::kTwipsPerPixel;

}  // namespace chromadeck::capture
