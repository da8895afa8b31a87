#include "capture_history.h"

#include <cstring>
#include <new>
#include <utility>

namespace chromadeck::capture {

namespace {

bool sameShape(const QImage& a, const QImage& b) {
    return !a.isNull() && a.size() == b.size() && a.format() == b.format();
}

}  // namespace

QImage CaptureHistory::copyOf(const QImage& picture) const {
    if (picture.isNull() || picture.sizeInBytes() > limits_.largestBlock) return QImage();
    return picture.copy();  // null when the system refuses the memory
}

bool CaptureHistory::StartHistory(const QImage& picture) {
    clear();
    // The spare is made now, while the window opens, so that the first step back never
    // waits for a screenful; without it there is no run to speak of.
    QImage spare = copyOf(picture);
    if (spare.isNull()) return false;
    first_ = picture;
    current_ = picture;
    spare_ = std::move(spare);
    spareAt_ = 1;
    return true;
}

bool CaptureHistory::PushSnapshot(const QImage& picture) {
    if (first_.isNull()) return StartHistory(picture);
    if (picture.isNull()) return false;
    std::optional<QByteArray> step = EncodeSnapshotDelta(current_, picture, limits_.largestBlock);
    if (!step) return false;
    try {
        steps_.push_back(std::move(*step));
    } catch (const std::bad_alloc&) {
        return false;
    }
    stored_ += steps_.back().size();
    dropStepsAfter(snapPos_);
    // The picture shown until now is ours alone once the window shows the new one, and
    // one step from it: the best spare there is.
    QImage shown = std::exchange(current_, picture);
    if (sameShape(shown, picture)) {
        spare_ = std::move(shown);
        spareAt_ = snapPos_;
    } else if (spareAt_ > snapPos_) {
        spareAt_ = 0;  // it held a snapshot redo can no longer reach
    }
    snapPos_ += 1;
    keepWithinBound();
    return true;
}

// Drops the redo steps: those after snapshot `position`, except the one just pushed.
void CaptureHistory::dropStepsAfter(Long position) {
    const auto from = steps_.begin() + (position - 1);
    const auto to = steps_.end() - 1;
    for (auto it = from; it != to; ++it) stored_ -= it->size();
    steps_.erase(from, to);
}

void CaptureHistory::keepWithinBound() {
    while (stored_ > limits_.bound && !steps_.empty()) {
        const QByteArray& oldest = steps_.front();
        if (steps_.size() == 1 && snapPos_ == 2) {
            first_ = current_;  // the only step: its picture after is the one shown
        } else {
            if (!first_.isDetached()) {
                QImage own = copyOf(first_);
                if (own.isNull()) return;  // over the bound for now rather than lose a step
                first_ = std::move(own);
            }
            if (!ApplySnapshotDelta(oldest, first_, StepWay::Forward)) return;
        }
        stored_ -= oldest.size();
        steps_.pop_front();
        snapPos_ -= 1;
        spareAt_ = spareAt_ > 1 ? spareAt_ - 1 : 0;  // a spare of the old first is no snapshot
    }
}

bool CaptureHistory::walk(QImage& picture, Long& at, Long target) const {
    while (at != target) {
        const StepWay way = at < target ? StepWay::Forward : StepWay::Back;
        const QByteArray& step = steps_[size_t(way == StepWay::Forward ? at - 1 : at - 2)];
        if (!ApplySnapshotDelta(step, picture, way)) return false;
        at += way == StepWay::Forward ? 1 : -1;
    }
    return true;
}

bool CaptureHistory::spareUsable() const {
    return sameShape(spare_, current_) && spare_.isDetached();
}

bool CaptureHistory::spareIsNear(Long target) const {
    if (spareAt_ < 1 || !spareUsable()) return false;
    qsizetype bytes = 0;
    for (Long k = std::min(spareAt_, target); k < std::max(spareAt_, target); ++k) {
        const QByteArray& step = steps_[size_t(k - 1)];
        if (IsWholePictureStep(step)) return false;
        bytes += step.size();
        if (bytes > current_.sizeInBytes() / 4) return false;
    }
    return true;
}

QImage CaptureHistory::pictureAt(Long target) {
    Long at = spareAt_;
    QImage picture;
    if (spareIsNear(target)) {
        picture = std::exchange(spare_, QImage());
        spareAt_ = 0;
        if (walk(picture, at, target)) return picture;
    }
    // From a copy of the picture shown, in the spare's memory when it has the shape.
    if (picture.isNull() && spareUsable()) picture = std::exchange(spare_, QImage());
    spareAt_ = spare_.isNull() ? 0 : spareAt_;
    if (sameShape(picture, current_)) {
        std::memcpy(picture.bits(), current_.constBits(), size_t(current_.sizeInBytes()));
    } else {
        picture = copyOf(current_);
        if (picture.isNull()) return QImage();
    }
    at = snapPos_;
    if (walk(picture, at, target)) return picture;
    if (spare_.isNull() && sameShape(picture, current_)) spare_ = std::move(picture);
    return QImage();
}

bool CaptureHistory::move(StepWay way) {
    const Long target = snapPos_ + (way == StepWay::Forward ? 1 : -1);
    QImage picture = pictureAt(target);
    if (picture.isNull()) return false;
    QImage shown = std::exchange(current_, std::move(picture));
    if (!spareUsable() && sameShape(shown, current_)) {
        spare_ = std::move(shown);
        spareAt_ = snapPos_;
    }
    snapPos_ = target;
    return true;
}

CaptureHistory::Step CaptureHistory::Undo() {
    if (snapPos_ <= 1) {
        // Later snapshots stay reachable by redo once a region is fixed again.
        snapPos_ = 1;
        return {Step::PastFirst, {}};
    }
    if (!move(StepWay::Back)) return {Step::Refused, {}};
    return {Step::Show, current_};
}

CaptureHistory::Step CaptureHistory::Redo() {
    if (snapPos_ >= SnapTop()) return {Step::Keep, {}};
    if (!move(StepWay::Forward)) return {Step::Refused, {}};
    return {Step::Show, current_};
}

void CaptureHistory::ResetToFirst() {
    steps_.clear();
    stored_ = 0;
    snapPos_ = 1;
    current_ = first_;
    if (spareAt_ != 1) spareAt_ = 0;
}

void CaptureHistory::clear() {
    steps_ = {};
    stored_ = 0;
    snapPos_ = 1;
    first_ = QImage();
    current_ = QImage();
    spare_ = QImage();
    spareAt_ = 0;
}

QImage CaptureHistory::snapshot(Long index) const {
    if (index < 1 || index > SnapTop() || first_.isNull()) return QImage();
    if (index == snapPos_) return current_;
    if (index == 1) return first_;
    // From the nearer of the first snapshot and the one shown, a step at a time.
    const bool fromFirst = index < snapPos_ && index - 1 < snapPos_ - index;
    Long at = fromFirst ? 1 : snapPos_;
    QImage picture = copyOf(fromFirst ? first_ : current_);
    if (picture.isNull() || !walk(picture, at, index)) return QImage();
    return picture;
}

}  // namespace chromadeck::capture
