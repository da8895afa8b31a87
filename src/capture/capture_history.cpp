// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture_history.h"

#include <cstring>
#include <new>
#include <utility>

namespace chromadeck::capture {

namespace {

bool sameShape(const QImage& a, const QImage& b) {
    return !a.isNull() && a.size() == b.size() && a.format() == b.format();
}

// Copies the pixels of `area` from one picture into another of the same shape.
void copyArea(const QImage& from, QImage& to, const QRect& area) {
    const QRect rows = area & to.rect();
    if (rows.isEmpty()) return;
    uchar* bits = to.bits();
    const qsizetype stride = to.bytesPerLine(), offset = qsizetype(rows.left()) * 4;
    for (int y = rows.top(); y <= rows.bottom(); ++y)
        std::memcpy(bits + y * stride + offset, from.constScanLine(y) + offset,
                    size_t(rows.width()) * 4);
}

}  // namespace

QImage CaptureHistory::copyOf(const QImage& picture) const {
    if (picture.isNull() || picture.sizeInBytes() > limits_.largestBlock) return QImage();
    return picture.copy();  // null when the system refuses the memory
}

bool CaptureHistory::StartHistory(const QImage& picture) {
    clear();
    if (picture.isNull()) return false;
    first_ = picture;
    own_ = picture;
    return true;
}

void CaptureHistory::keepIn(QImage& shown) {
    kept_ = &shown;
    own_ = QImage();
}

bool CaptureHistory::PushDrawn(const QImage& before, QPoint at) {
    if (first_.isNull() || kept_->isNull()) return false;
    // After ResetToFirst the step runs from the grabbed screen, and every pixel may differ.
    const std::optional<QByteArray> step =
        keptSinceFirst_ ? EncodeSnapshotDelta(first_, *kept_, limits_.largestBlock)
                        : EncodeDrawnDelta(before, at, *kept_, limits_.largestBlock);
    if (!step) return false;
    const QRect changed =
        keptSinceFirst_ ? kept_->rect() : (before.isNull() ? QRect() : QRect(at, before.size()));
    return push({*step, changed});
}

bool CaptureHistory::PushSnapshot(const QImage& picture) {
    if (first_.isNull()) return StartHistory(picture);
    if (picture.isNull()) return false;
    const QImage& before = keptSinceFirst_ ? first_ : *kept_;
    std::optional<QByteArray> step = EncodeSnapshotDelta(before, picture, limits_.largestBlock);
    if (!step) return false;
    if (!push({std::move(*step), picture.rect() | before.rect()})) return false;
    *kept_ = picture;
    return true;
}

bool CaptureHistory::PushChange(const QImage& shown, const QRect& changed) {
    if (first_.isNull()) return StartHistory(copyOf(shown));
    if (!sameShape(*kept_, shown)) return PushSnapshot(copyOf(shown));
    // After ResetToFirst the step runs from the grabbed screen, and every pixel may differ.
    const QImage& before = keptSinceFirst_ ? first_ : *kept_;
    const QRect within = keptSinceFirst_ ? shown.rect() : changed & shown.rect();
    std::optional<QByteArray> step =
        EncodeSnapshotDelta(before, shown, limits_.largestBlock, within);
    if (!step) return false;
    // The kept picture is changed where the annotation went when it is ours alone; shared
    // (with the first snapshot, say) it is replaced by a copy.
    QImage fresh;
    if (!kept_->isDetached()) {
        fresh = copyOf(shown);
        if (fresh.isNull()) return false;
    }
    if (!push({std::move(*step), within})) return false;
    if (fresh.isNull())
        copyArea(shown, *kept_, changed);
    else
        *kept_ = std::move(fresh);
    return true;
}

bool CaptureHistory::push(StoredStep step) {
    try {
        steps_.push_back(std::move(step));
    } catch (const std::bad_alloc&) {
        return false;
    }
    stored_ += steps_.back().bytes.size();
    dropStepsAfter(snapPos_);
    snapPos_ += 1;
    keptSinceFirst_ = false;
    keepWithinBound();
    return true;
}

// Drops the redo steps: those after snapshot `position`, except the one just pushed.
void CaptureHistory::dropStepsAfter(Long position) {
    const auto from = steps_.begin() + (position - 1);
    const auto to = steps_.end() - 1;
    for (auto it = from; it != to; ++it) stored_ -= it->bytes.size();
    steps_.erase(from, to);
}

void CaptureHistory::keepWithinBound() {
    while (stored_ > limits_.bound && !steps_.empty()) {
        const QByteArray& oldest = steps_.front().bytes;
        // Never by sharing the kept picture: that would cost the next step a copy of it.
        if (!first_.isDetached()) {
            QImage own = copyOf(first_);
            if (own.isNull()) return;  // over the bound for now rather than lose a step
            first_ = std::move(own);
        }
        if (!ApplySnapshotDelta(oldest, first_, StepWay::Forward)) return;
        stored_ -= oldest.size();
        steps_.pop_front();
        snapPos_ -= 1;
    }
}

bool CaptureHistory::walk(QImage& picture, Long& at, Long target) const {
    while (at != target) {
        const StepWay way = at < target ? StepWay::Forward : StepWay::Back;
        const QByteArray& step = steps_[size_t(way == StepWay::Forward ? at - 1 : at - 2)].bytes;
        if (!ApplySnapshotDelta(step, picture, way)) return false;
        at += way == StepWay::Forward ? 1 : -1;
    }
    return true;
}

bool CaptureHistory::move(StepWay way) {
    const Long target = snapPos_ + (way == StepWay::Forward ? 1 : -1);
    const StoredStep& step = steps_[size_t(way == StepWay::Forward ? snapPos_ - 1 : snapPos_ - 2)];
    // In place, unless someone else holds the kept picture: then on a copy of it. Either
    // way the kept picture is as it was when the step cannot be taken.
    if (!kept_->isDetached() && !IsWholePictureStep(step.bytes)) {
        QImage own = copyOf(*kept_);
        if (own.isNull() || !ApplySnapshotDelta(step.bytes, own, way)) return false;
        *kept_ = std::move(own);
    } else if (!ApplySnapshotDelta(step.bytes, *kept_, way)) {
        return false;
    }
    snapPos_ = target;
    return true;
}

CaptureHistory::Step CaptureHistory::Undo() {
    if (snapPos_ <= 1) {
        // Later snapshots stay reachable by redo once a region is fixed again.
        snapPos_ = 1;
        return {Step::PastFirst, {}, {}};
    }
    const QRect changed = steps_[size_t(snapPos_ - 2)].changed;
    if (!move(StepWay::Back)) return {Step::Refused, {}, {}};
    return {Step::Show, *kept_, changed};
}

CaptureHistory::Step CaptureHistory::Redo() {
    if (snapPos_ >= SnapTop()) return {Step::Keep, {}, {}};
    const QRect changed = steps_[size_t(snapPos_ - 1)].changed;
    if (!move(StepWay::Forward)) return {Step::Refused, {}, {}};
    return {Step::Show, *kept_, changed};
}

void CaptureHistory::ResetToFirst() {
    steps_.clear();
    stored_ = 0;
    // At snapshot 1 the kept picture is the grabbed screen already.
    keptSinceFirst_ = keptSinceFirst_ || snapPos_ > 1;
    snapPos_ = 1;
}

void CaptureHistory::clear() {
    steps_ = {};
    stored_ = 0;
    snapPos_ = 1;
    keptSinceFirst_ = false;
    first_ = QImage();
    own_ = QImage();
    kept_ = &own_;  // a caller's image is left as it is
}

QImage CaptureHistory::snapshot(Long index) const {
    if (index < 1 || index > SnapTop() || first_.isNull()) return QImage();
    if (index == 1) return first_;
    if (index == snapPos_) return *kept_;
    // From the nearer of the first snapshot and the one kept, a step at a time.
    const bool fromFirst = index < snapPos_ && index - 1 < snapPos_ - index;
    Long at = fromFirst ? 1 : snapPos_;
    QImage picture = copyOf(fromFirst ? first_ : *kept_);
    if (picture.isNull() || !walk(picture, at, index)) return QImage();
    return picture;
}

}  // namespace chromadeck::capture
