#pragma once

#include "canvas/numeric.h"
#include "selection_rules.h"

#include <QString>

namespace chromadeck::capture {

// `SelMode`: no region yet, a press starts one; or a region is fixed and can be moved.
inline const QString kSelDraw = QStringLiteral("draw");
inline const QString kSelMove = QStringLiteral("move");

// The variables the capture window's handlers share for one capture run. Every opening
// starts from these values; nothing carries over from an earlier run. The history
// (`Snapshots`, `SnapPos`, `SnapTop`, `SnapStore`) lives in CaptureHistory.
struct RunState {
    QString SelMode = kSelDraw;
    Integer ToolOn = 0;      // -1 while an annotation tool is chosen
    QString ToolName;        // tooltip of the chosen tool button
    Integer Drawing = 0;     // -1 while an annotation stroke is in progress
    Integer LastButton = 0;  // toolbar button clicked last
    Long RightUpKeeps = 0;   // 0: releasing a non-left button closes the window
    QString HandleDrag;      // "Start" while a handle is dragged, "Stop" afterwards
    float OriginX = 0;       // anchor of the selection
    float OriginY = 0;
    float PressX = 0;  // last press inside the fixed region
    float PressY = 0;
    LongRect HitRect;     // the region at the last press in "move" mode
    float FrameLeft = 0;  // region edges frozen at a handle press
    float FrameTop = 0;
    float FrameRight = 0;
    float FrameBottom = 0;
    struct {
        Long x = 0;
        Long y = 0;
    } CursorPt;         // screen cursor during a handle drag
    float StrokeX = 0;  // start of the annotation stroke
    float StrokeY = 0;
};

}  // namespace chromadeck::capture
