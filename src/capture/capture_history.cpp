#include "capture_history.h"

namespace chromadeck::capture {

void CaptureHistory::StartHistory(const QImage& picture) {
    snapPos_ = 1;
    snapTop_ = 1;
    snapshots_.clear();
    snapshots_.resize(2);
    if (!SnapStore) SnapStore.emplace();
    SnapStore->WriteP(snapshots_[1].Bytes, picture);
}

void CaptureHistory::PushSnapshot(const QImage& picture) {
    if (snapshots_.empty()) return StartHistory(picture);
    snapPos_ += 1;
    snapTop_ = snapPos_;
    snapshots_.resize(size_t(snapPos_) + 1);
    if (!SnapStore) SnapStore.emplace();
    SnapStore->WriteP(snapshots_[size_t(snapPos_)].Bytes, picture);
}

CaptureHistory::Step CaptureHistory::show(Long index) const {
    QImage picture = snapshot(index);
    if (picture.isNull()) return {Step::Keep, {}};
    return {Step::Show, std::move(picture)};
}

CaptureHistory::Step CaptureHistory::Undo() {
    snapPos_ -= 1;
    if (snapPos_ >= 1) return show(snapPos_);
    // Later snapshots stay reachable by redo once a region is fixed again.
    snapPos_ = 1;
    return {Step::PastFirst, {}};
}

CaptureHistory::Step CaptureHistory::Redo() {
    snapPos_ += 1;
    if (snapTop_ < snapPos_) {
        snapPos_ = snapTop_;
        return {Step::Keep, {}};
    }
    return show(snapPos_);
}

void CaptureHistory::ResetToFirst() {
    snapPos_ = 1;
    snapTop_ = 1;
    snapshots_.resize(2);
}

void CaptureHistory::clear() {
    snapshots_.clear();
    snapshots_.shrink_to_fit();
    snapPos_ = 1;
    snapTop_ = 1;
}

QImage CaptureHistory::snapshot(Long index) const {
    if (index < 1 || size_t(index) >= snapshots_.size() || !SnapStore) return QImage();
    return SnapStore->ReadP(snapshots_[size_t(index)].Bytes);
}

}  // namespace chromadeck::capture
