// SPDX-License-Identifier: GPL-3.0-or-later
// The byte form of a history step, and taking a step on a picture. The reader trusts
// nothing: every number is checked against the picture and the bytes left before it is
// used, and a step changes no pixel until all of it has been checked.
#include "snapshot_delta.h"

#include "pictures/picture_bag.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <new>

namespace chromadeck::capture {

namespace {

// A step between pictures of one shape: "CDSD", width, height, QImage format, then runs
// (row, first column, count, the old pixels, the new pixels) in reading order, never
// overlapping. Every number is a little-endian u32.
constexpr char kRunsMagic[4] = {'C', 'D', 'S', 'D'};
// A step between pictures of two shapes: "CDSW", the length of the first bag, the bag of
// the picture before, the bag of the picture after.
constexpr char kWholeMagic[4] = {'C', 'D', 'S', 'W'};
constexpr qsizetype kRunsHeader = 16;

bool sameRunShape(const QImage& a, const QImage& b) {
    return !a.isNull() && a.size() == b.size() && a.format() == b.format() && a.depth() == 32;
}

// Appends a step's bytes, refusing to grow past the largest block its caller allows as
// the system would refuse it.
class StepWriter {
  public:
    explicit StepWriter(qsizetype largest) : largest_(largest) {}

    void word(quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        append(bytes, 4);
    }
    void append(const void* data, qsizetype size) {
        if (size > largest_ - bytes_.size()) throw std::bad_alloc();
        bytes_.append(static_cast<const char*>(data), size);
    }
    QByteArray take() {
        bytes_.squeeze();  // the step is kept for the run: no growth room with it
        return std::move(bytes_);
    }

  private:
    qsizetype largest_;
    QByteArray bytes_;
};

class StepReader {
  public:
    StepReader(const QByteArray& bytes, qsizetype from)
        : bytes_(bytes), at_(std::min(from, bytes.size())) {}

    bool done() const { return at_ >= bytes_.size(); }
    bool word(quint32& value) {
        const char* bytes = take(4);
        if (!bytes) return false;
        value = qFromLittleEndian<quint32>(bytes);
        return true;
    }
    // The next `size` bytes; null when fewer are left.
    const char* take(quint64 size) {
        if (quint64(left()) < size) return nullptr;
        const char* start = bytes_.constData() + at_;
        at_ += qsizetype(size);
        return start;
    }
    qsizetype left() const { return bytes_.size() - at_; }

  private:
    const QByteArray& bytes_;
    qsizetype at_;
};

// `before` holds the pixels of `area` as they were, from `beforeAt` in the picture's
// coordinates (the whole picture, or only a piece of it).
void encodeRuns(StepWriter& out, const QImage& before, QPoint beforeAt, const QImage& after,
                const QRect& area) {
    out.append(kRunsMagic, 4);
    out.word(quint32(after.width()));
    out.word(quint32(after.height()));
    out.word(quint32(after.format()));
    // Runs never reach past the columns compared: with nothing changed outside them, the
    // bytes are those of comparing the whole picture.
    const int left = area.left(), width = area.right() + 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* was =
            reinterpret_cast<const quint32*>(before.constScanLine(y - beforeAt.y())) - beforeAt.x();
        const auto* now = reinterpret_cast<const quint32*>(after.constScanLine(y));
        if (std::memcmp(was + left, now + left, size_t(width - left) * 4) == 0) continue;
        for (int x = left; x < width;) {
            if (was[x] == now[x]) {
                ++x;
                continue;
            }
            // A run goes on over one unchanged pixel (8 bytes in it) but ends at two: a
            // new run's 12 bytes of header are then the cheaper way.
            int end = x + 1;
            for (;;) {
                if (end < width && was[end] != now[end])
                    end += 1;
                else if (end + 1 < width && was[end + 1] != now[end + 1])
                    end += 2;
                else
                    break;
            }
            out.word(quint32(y));
            out.word(quint32(x));
            out.word(quint32(end - x));
            out.append(was + x, qsizetype(end - x) * 4);
            out.append(now + x, qsizetype(end - x) * 4);
            x = end;
        }
    }
}

void encodeWhole(StepWriter& out, const QImage& before, const QImage& after, qsizetype largest) {
    // The bags are about as large as their pictures: refused before they are made.
    if (before.sizeInBytes() > largest || after.sizeInBytes() > largest - before.sizeInBytes())
        throw std::bad_alloc();
    const ExcelPropertyBag bag;
    QByteArray first, second;
    bag.WriteP(first, before);
    bag.WriteP(second, after);
    if (quint64(first.size()) > 0xffffffffu) throw std::bad_alloc();
    out.append(kWholeMagic, 4);
    out.word(quint32(first.size()));
    out.append(first.constData(), first.size());
    out.append(second.constData(), second.size());
}

bool applyRuns(const QByteArray& step, QImage& picture, StepWay way) {
    if (step.size() < kRunsHeader || picture.isNull() || picture.depth() != 32) return false;
    StepReader header(step, 4);
    quint32 width = 0, height = 0, format = 0;
    if (!header.word(width) || !header.word(height) || !header.word(format)) return false;
    if (width != quint32(picture.width()) || height != quint32(picture.height()) ||
        format != quint32(picture.format()))
        return false;

    // Every run in range, in reading order, with the pixels the picture holds now.
    struct Run {
        quint32 y, x, count;
        const char* pixels;  // count old pixels, then count new ones
    };
    const auto eachRun = [&](auto&& visit) {
        StepReader runs(step, kRunsHeader);
        qint64 lastRow = -1;
        quint32 lastEnd = 0;
        while (!runs.done()) {
            Run run{};
            if (!runs.word(run.y) || !runs.word(run.x) || !runs.word(run.count)) return false;
            if (run.y >= height || run.x >= width || run.count == 0 || run.count > width - run.x)
                return false;
            if (qint64(run.y) < lastRow || (qint64(run.y) == lastRow && run.x < lastEnd))
                return false;
            run.pixels = runs.take(quint64(run.count) * 8);
            if (!run.pixels) return false;
            if (!visit(run)) return false;
            lastRow = run.y;
            lastEnd = run.x + run.count;
        }
        return true;
    };
    // Forward the picture holds a run's old pixels now and takes its new ones; back the
    // other way round.
    const size_t heldNow = way == StepWay::Forward ? 0 : 1;
    const auto matches = [&](const Run& run) {
        const char* expected = run.pixels + size_t(run.count) * 4 * heldNow;
        return std::memcmp(picture.constScanLine(int(run.y)) + size_t(run.x) * 4, expected,
                           size_t(run.count) * 4) == 0;
    };
    if (!eachRun(matches)) return false;

    if (!picture.isDetached()) {
        QImage own = picture.copy();
        if (own.isNull()) return false;
        picture = std::move(own);
    }
    uchar* bits = picture.bits();
    if (!bits) return false;
    const qsizetype stride = picture.bytesPerLine();
    return eachRun([&](const Run& run) {
        const char* wanted = run.pixels + size_t(run.count) * 4 * (1 - heldNow);
        std::memcpy(bits + run.y * stride + qsizetype(run.x) * 4, wanted, size_t(run.count) * 4);
        return true;
    });
}

bool applyWhole(const QByteArray& step, QImage& picture, StepWay way) {
    StepReader reader(step, 4);
    quint32 firstSize = 0;
    if (!reader.word(firstSize)) return false;
    const char* first = reader.take(firstSize);
    if (!first) return false;
    const qsizetype secondSize = reader.left();
    const char* second = reader.take(quint64(secondSize));
    const QByteArray bag = way == StepWay::Forward
                               ? QByteArray::fromRawData(second, secondSize)
                               : QByteArray::fromRawData(first, qsizetype(firstSize));
    QImage taken = ExcelPropertyBag().ReadP(bag);
    if (taken.isNull()) return false;
    picture = std::move(taken);
    return true;
}

}  // namespace

std::optional<QByteArray> EncodeSnapshotDelta(const QImage& before, const QImage& after,
                                              qsizetype largestBlock, std::optional<QRect> within) {
    if (before.isNull() || after.isNull()) return std::nullopt;
    try {
        StepWriter out(largestBlock);
        if (sameRunShape(before, after))
            encodeRuns(out, before, QPoint(0, 0), after,
                       within ? *within & after.rect() : after.rect());
        else
            encodeWhole(out, before, after, largestBlock);
        return out.take();
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<QByteArray> EncodeDrawnDelta(const QImage& before, QPoint at, const QImage& after,
                                           qsizetype largestBlock) {
    // Nothing drawn is a step that changes nothing.
    const QRect area = before.isNull() ? QRect() : QRect(at, before.size());
    if (after.isNull() || after.depth() != 32 ||
        (!before.isNull() && (before.format() != after.format() || !after.rect().contains(area))))
        return std::nullopt;
    try {
        StepWriter out(largestBlock);
        encodeRuns(out, before, at, after, area);
        return out.take();
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool IsWholePictureStep(const QByteArray& step) {
    return step.size() >= 4 && std::memcmp(step.constData(), kWholeMagic, 4) == 0;
}

bool ApplySnapshotDelta(const QByteArray& step, QImage& picture, StepWay way) {
    if (step.size() < 4) return false;
    if (std::memcmp(step.constData(), kRunsMagic, 4) == 0) return applyRuns(step, picture, way);
    if (IsWholePictureStep(step)) return applyWhole(step, picture, way);
    return false;
}

}  // namespace chromadeck::capture
