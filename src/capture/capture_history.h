// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvas/numeric.h"
#include "snapshot_delta.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
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
// every committed annotation. It keeps two pictures, the first snapshot and the one at
// SnapPos (the kept picture the window shows), and every step between neighbours as bytes
// (`snapshot_delta.h`): the pixels an annotation changed, old and new. Memory grows with
// what was drawn, and committing, undoing or redoing a step touches only its pixels: the
// kept picture is changed in place, not copied, as long as nobody else holds it.
//
// Always 1 <= SnapPos <= SnapTop; SnapTop - 1 steps are stored once started, and
// storedBytes() stays within the bound unless a single step is larger.
class CaptureHistory {
  public:
    // What the window does after a step back or forward.
    struct Step {
        enum Kind {
            Show,       // make `picture` the window's picture; only `changed` differs
            Keep,       // leave the picture as it is
            PastFirst,  // undo ran past the grabbed screen: back to selecting
            Refused,    // the memory for the step could not be had: nothing moved
        };
        Kind kind = Keep;
        QImage picture;
        QRect changed;  // where the picture shown before differs from `picture`
    };

    explicit CaptureHistory(HistoryLimits limits = {}) : limits_(limits) {}
    // It may keep its picture in its caller's image, which a copy would share.
    CaptureHistory(const CaptureHistory&) = delete;
    CaptureHistory& operator=(const CaptureHistory&) = delete;
    void setLimits(HistoryLimits limits) { limits_ = limits; }

    // Snapshot 1 is `picture`, shared, not copied; everything of an earlier run is gone.
    // False, with the history empty, without a picture.
    bool StartHistory(const QImage& picture);
    // `picture` follows the one at SnapPos; whatever redo could still reach is dropped.
    // False when the step cannot be stored: the history is as it was.
    bool PushSnapshot(const QImage& picture);
    // The same for a picture that differs from the kept one only inside `changed`: only
    // those pixels are compared and copied. The history keeps its own kept picture, so
    // `shown` may go on changing afterwards.
    bool PushChange(const QImage& shown, const QRect& changed);
    // From now on the kept picture is `shown` itself, which must hold it now: the picture
    // a window shows and draws on, so that no second screenful is needed. Its caller
    // draws each annotation on it and tells PushDrawn; steps back and forth change it in
    // place. Until StartHistory, which lets go of it.
    void keepIn(QImage& shown);
    // The kept picture was drawn on inside the rectangle at `at` of before's size, and
    // `before` holds that rectangle as it was (null: nothing was drawn). False when the
    // step cannot be stored: the history is as it was and the drawing is the caller's to
    // take back.
    bool PushDrawn(const QImage& before, QPoint at);
    Step Undo();
    Step Redo();
    // Back to the grabbed screen alone, redo entries dropped; the kept picture is not
    // touched, so the next snapshot holds every change since the grabbed screen.
    void ResetToFirst();
    // Lets go of every snapshot's memory, at the end of the run.
    void clear();

    Long SnapPos() const { return snapPos_; }
    Long SnapTop() const { return Long(steps_.size()) + 1; }
    // The bytes the steps take; the first and the kept picture come on top.
    qsizetype storedBytes() const { return stored_; }
    // The picture snapshot `index` holds; null when it cannot be made.
    QImage snapshot(Long index) const;
    // The kept picture: snapshot SnapPos, or after ResetToFirst everything kept since.
    const QImage& kept() const { return *kept_; }

  private:
    struct StoredStep {
        QByteArray bytes;
        QRect changed;
    };
    // Steps current_ one snapshot forward or back; false leaves everything as it was.
    bool move(StepWay way);
    // Takes the steps from snapshot `at` to `target` on `picture`, counting `at` along.
    bool walk(QImage& picture, Long& at, Long target) const;
    // Merges the oldest steps into the first snapshot until the steps fit the bound.
    void keepWithinBound();
    void dropStepsAfter(Long position);
    // Stores `step` after SnapPos and moves SnapPos onto it; false changes nothing.
    bool push(StoredStep step);
    QImage copyOf(const QImage& picture) const;

    HistoryLimits limits_;
    QImage first_;  // snapshot 1
    QImage own_;    // the kept picture, unless it is kept in a caller's image
    QImage* kept_ = &own_;
    // After ResetToFirst the kept picture may differ from snapshot 1 anywhere.
    bool keptSinceFirst_ = false;
    // steps_[k] leads from snapshot k + 1 to snapshot k + 2.
    std::deque<StoredStep> steps_;
    qsizetype stored_ = 0;
    Long snapPos_ = 1;
};

}  // namespace chromadeck::capture
