// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "selection_rules.h"
#include "toolbar_button.h"

#include <QPoint>
#include <optional>

namespace chromadeck::capture {

// `SelMode`: no region yet, a press starts one; or a region is fixed and can be moved.
enum class SelectionMode { Draw, Move };

// `HandleDrag`: no handle pressed yet in this run, one being dragged, or the last drag
// over.
enum class HandleDragPhase { None, Start, Stop };

// The variables one capture run's events share. Every opening starts from these values;
// nothing carries over from an earlier run. The region itself, the history and the
// annotation tools are kept beside it by the session.
struct RunState {
    SelectionMode SelMode = SelectionMode::Draw;
    bool ToolOn = false;                      // an annotation tool is chosen
    std::optional<CaptureTool> Tool;          // the one chosen last
    bool Drawing = false;                     // a stroke, or the text tool's typing, is under way
    std::optional<ToolbarButton> LastButton;  // the toolbar button clicked last
    bool RightUpKeeps = false;                // releasing a non-left button keeps the window open
    HandleDragPhase HandleDrag = HandleDragPhase::None;
    float OriginX = 0;  // anchor of the selection
    float OriginY = 0;
    float PressX = 0;  // last press inside the fixed region
    float PressY = 0;
    LongRect HitRect;     // the region at the last press in move mode
    float FrameLeft = 0;  // region edges frozen at a handle press
    float FrameTop = 0;
    float FrameRight = 0;
    float FrameBottom = 0;
    QPoint CursorPt;  // screen cursor during a handle drag
    // Where the last stroke started, whichever tool pressed there. A stroke that goes on
    // without a press of its own (the typing box open, then another tool chosen) is drawn
    // from here.
    float StrokeX = 0;
    float StrokeY = 0;
};

}  // namespace chromadeck::capture
