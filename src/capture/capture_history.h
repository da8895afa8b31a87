#pragma once

#include "canvas/numeric.h"
#include "pictures/picture_bag.h"

#include <QByteArray>
#include <QImage>
#include <array>
#include <optional>
#include <vector>

namespace chromadeck::capture {

// One serialized picture of the history: the grabbed screen as a picture bag, each later
// one as its differences from the grabbed screen.
struct PicBlob {
    QByteArray Bytes;
};

// The capture run's undo and redo history: whole-picture snapshots, the grabbed screen
// first and one after every committed annotation. It only keeps the pictures; the window
// shows what undo and redo hand back.
//
// Always 1 <= SnapPos <= SnapTop, and Snapshots holds exactly 0..SnapTop (index 0 unused)
// once started.
class CaptureHistory {
  public:
    // What the window does after a step back or forward.
    struct Step {
        enum Kind {
            Show,       // make `picture` the window's picture
            Keep,       // leave the picture as it is
            PastFirst,  // undo ran past the grabbed screen: back to selecting
        };
        Kind kind = Keep;
        QImage picture;
    };

    // Snapshot 1 is `picture`; everything of an earlier run is gone.
    void StartHistory(const QImage& picture);
    // `picture` follows the one shown; whatever redo could still reach is dropped.
    void PushSnapshot(const QImage& picture);
    Step Undo();
    Step Redo();
    // Back to the grabbed screen alone, redo entries dropped; the picture is not touched.
    void ResetToFirst();
    // Lets go of every snapshot's memory, at the end of the run.
    void clear();

    Long SnapPos() const { return snapPos_; }
    Long SnapTop() const { return snapTop_; }
    const std::vector<PicBlob>& Snapshots() const { return snapshots_; }
    // The picture snapshot `index` holds; null when it cannot be read back.
    QImage snapshot(Long index) const;

  private:
    Step show(Long index) const;

    void store(PicBlob& blob, const QImage& picture);
    QImage* spare() const;

    std::vector<PicBlob> snapshots_;
    // The grabbed screen, kept whole: every later snapshot is stored as the pixels where
    // it differs from it, a small fraction of a whole screen, so hundreds of annotations
    // fit in memory and a step costs a copy of the screen, not an encoder pass.
    QImage first_;
    mutable std::array<QImage, 2> spares_;
    Long snapPos_ = 1;
    Long snapTop_ = 1;
    // `SnapStore`: made at its first use and kept for the run.
    std::optional<ExcelPropertyBag> SnapStore;
};

}  // namespace chromadeck::capture
