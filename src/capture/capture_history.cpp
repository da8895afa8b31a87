#include "capture_history.h"

#include <QtEndian>
#include <cstring>

namespace chromadeck::capture {

namespace {

// A later snapshot: "CDDL", width, height, then runs (row, first column, count, pixels)
// of the pixels that differ from the grabbed screen, every number little-endian u32.
constexpr char kDeltaMagic[4] = {'C', 'D', 'D', 'L'};

bool sameShape(const QImage& a, const QImage& b) {
    return !a.isNull() && a.size() == b.size() && a.format() == b.format() &&
           a.format() == QImage::Format_RGB32;
}

void put(QByteArray& out, quint32 value) {
    char word[4];
    qToLittleEndian(value, word);
    out.append(word, 4);
}

QByteArray encodeDifferences(const QImage& picture, const QImage& first) {
    QByteArray out;
    out.append(kDeltaMagic, 4);
    put(out, quint32(picture.width()));
    put(out, quint32(picture.height()));
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* now = reinterpret_cast<const quint32*>(picture.constScanLine(y));
        const auto* was = reinterpret_cast<const quint32*>(first.constScanLine(y));
        if (std::memcmp(now, was, size_t(width) * 4) == 0) continue;
        for (int x = 0; x < width;) {
            if (now[x] == was[x]) {
                ++x;
                continue;
            }
            // A run ends where a few equal pixels in a row make a new run cheaper.
            int end = x + 1, same = 0;
            for (; end < width && same < 4; ++end) same = now[end] == was[end] ? same + 1 : 0;
            end -= same;
            put(out, quint32(y));
            put(out, quint32(x));
            put(out, quint32(end - x));
            out.append(reinterpret_cast<const char*>(now + x), (end - x) * 4);
            x = end;
        }
    }
    return out;
}

// Null when the bytes are not differences for a picture of the first one's shape.
// `into`, when given, is a picture of the first one's shape that nobody else holds: the
// result is written into its memory.
QImage applyDifferences(const QByteArray& bytes, const QImage& first, QImage* into) {
    if (bytes.size() < 12 || std::memcmp(bytes.constData(), kDeltaMagic, 4) != 0) return QImage();
    const char* at = bytes.constData() + 4;
    const char* end = bytes.constData() + bytes.size();
    const auto take = [&](quint32& value) {
        if (end - at < 4) return false;
        value = qFromLittleEndian<quint32>(at);
        at += 4;
        return true;
    };
    quint32 width = 0, height = 0;
    take(width);
    take(height);
    if (first.isNull() || width != quint32(first.width()) || height != quint32(first.height()))
        return QImage();
    QImage fresh;
    QImage& picture = into ? *into : fresh;
    if (into) {
        std::memcpy(picture.bits(), first.constBits(), size_t(first.sizeInBytes()));
    } else {
        picture = first.copy();
    }
    while (at < end) {
        quint32 y, x, count;
        if (!take(y) || !take(x) || !take(count)) return QImage();
        if (y >= height || x >= width || count > width - x ||
            quint64(end - at) < quint64(count) * 4)
            return QImage();
        std::memcpy(reinterpret_cast<quint32*>(picture.scanLine(int(y))) + x, at,
                    size_t(count) * 4);
        at += count * 4;
    }
    return picture;
}

}  // namespace

void CaptureHistory::store(PicBlob& blob, const QImage& picture) {
    if (sameShape(picture, first_)) {
        blob.Bytes = encodeDifferences(picture, first_);
        return;
    }
    if (!SnapStore) SnapStore.emplace();
    SnapStore->WriteP(blob.Bytes, picture);
}

void CaptureHistory::StartHistory(const QImage& picture) {
    snapPos_ = 1;
    snapTop_ = 1;
    snapshots_.clear();
    snapshots_.resize(2);
    if (!SnapStore) SnapStore.emplace();
    SnapStore->WriteP(snapshots_[1].Bytes, picture);
    first_ = picture.format() == QImage::Format_RGB32 ? picture.copy() : QImage();
    // Two pictures' worth of memory, touched now while the window opens: a step back or
    // forward then fills one the window no longer shows instead of asking the system for
    // a fresh screenful (slow the first time on some machines).
    for (QImage& spare : spares_) spare = first_.isNull() ? QImage() : first_.copy();
}

void CaptureHistory::PushSnapshot(const QImage& picture) {
    if (snapshots_.empty()) return StartHistory(picture);
    snapPos_ += 1;
    snapTop_ = snapPos_;
    snapshots_.resize(size_t(snapPos_) + 1);
    store(snapshots_[size_t(snapPos_)], picture);
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
    first_ = QImage();
    for (QImage& spare : spares_) spare = QImage();
    snapPos_ = 1;
    snapTop_ = 1;
}

QImage* CaptureHistory::spare() const {
    // A spare the window still shows is shared; the other one is free.
    for (QImage& candidate : spares_)
        if (!candidate.isNull() && candidate.isDetached() && candidate.size() == first_.size())
            return &candidate;
    return nullptr;
}

QImage CaptureHistory::snapshot(Long index) const {
    if (index < 1 || size_t(index) >= snapshots_.size()) return QImage();
    const QByteArray& bytes = snapshots_[size_t(index)].Bytes;
    if (index == 1 && !first_.isNull()) return first_;
    if (const QImage picture = applyDifferences(bytes, first_, spare()); !picture.isNull())
        return picture;
    return SnapStore ? SnapStore->ReadP(bytes) : QImage();
}

}  // namespace chromadeck::capture
