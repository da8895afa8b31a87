#pragma once

#include "canvas/numeric.h"
#include "snapshot_delta.h"

#include <QByteArray>
#include <QImage>
#include <deque>
#include <limits>

namespace chromadeck::capture {

// How much the history may keep. Tests give small ones.
struct HistoryLimits {
    // The bytes of stored steps; past it the oldest steps merge into the first snapshot.
    qsizetype bound = qsizetype(1) << 30;
    // The largest block of memory the history asks for at once; a larger one counts as
    // refused, as the system would refuse it.
    qsizetype largestBlock = std::numeric_limits<qsizetype>::max();
};

// The capture run's undo and redo history: the grabbed screen first and one snapshot after
// every committed annotation. It keeps the first snapshot and the one at SnapPos as
// pictures and every step between neighbours as bytes (`snapshot_delta.h`): the pixels an
// annotation changed, old and new, so the memory grows with what was drawn, and a step
// back or forward changes only those pixels of the picture shown. It only keeps the
// pictures; the window shows what undo and redo hand back.
//
// Always 1 <= SnapPos <= SnapTop; SnapTop - 1 steps are stored once started, and
// storedBytes() stays within the bound unless a single step is larger.
class CaptureHistory {
  public:
    // What the window does after a step back or forward.
    struct Step {
        enum Kind {
            Show,       // make `picture` the window's picture
            Keep,       // leave the picture as it is
            PastFirst,  // undo ran past the grabbed screen: back to selecting
            Refused,    // the memory for the step could not be had: nothing moved
        };
        Kind kind = Keep;
        QImage picture;
    };

    explicit CaptureHistory(HistoryLimits limits = {}) : limits_(limits) {}
    void setLimits(HistoryLimits limits) { limits_ = limits; }

    // Snapshot 1 is `picture`; everything of an earlier run is gone. False, with the
    // history empty, when the memory for stepping back and forth cannot be had.
    bool StartHistory(const QImage& picture);
    // `picture` follows the one at SnapPos; whatever redo could still reach is dropped.
    // False when the step cannot be stored: the history is as it was.
    bool PushSnapshot(const QImage& picture);
    Step Undo();
    Step Redo();
    // Back to the grabbed screen alone, redo entries dropped; the picture is not touched.
    void ResetToFirst();
    // Lets go of every snapshot's memory, at the end of the run.
    void clear();

    Long SnapPos() const { return snapPos_; }
    Long SnapTop() const { return Long(steps_.size()) + 1; }
    // The bytes the steps take; the first and the current picture come on top.
    qsizetype storedBytes() const { return stored_; }
    // The picture snapshot `index` holds; null when it cannot be made.
    QImage snapshot(Long index) const;

  private:
    // Steps current_ one snapshot forward or back; false leaves everything as it was.
    bool move(StepWay way);
    // A picture of snapshot `target` that nobody else holds; null without the memory.
    QImage pictureAt(Long target);
    // Takes the steps from snapshot `at` to `target` on `picture`, counting `at` along.
    bool walk(QImage& picture, Long& at, Long target) const;
    // Whether the steps from the spare to `target` are cheaper than a copy of the picture.
    bool spareIsNear(Long target) const;
    bool spareUsable() const;
    // Merges the oldest steps into the first snapshot until the steps fit the bound.
    void keepWithinBound();
    void dropStepsAfter(Long position);
    QImage copyOf(const QImage& picture) const;

    HistoryLimits limits_;
    QImage first_;    // snapshot 1
    QImage current_;  // snapshot SnapPos: what the window shows
    // A picture of current_'s shape the window no longer shows, and which snapshot it
    // holds (0: none known). A step back or forward brings it to the snapshot wanted by a
    // step or two (or fills it with a copy) instead of asking the system for a fresh
    // screenful (slow the first time on some machines).
    QImage spare_;
    Long spareAt_ = 0;
    // steps_[k] leads from snapshot k + 1 to snapshot k + 2.
    std::deque<QByteArray> steps_;
    qsizetype stored_ = 0;
    Long snapPos_ = 1;
};

}  // namespace chromadeck::capture
