// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <limits>
#include <optional>

namespace chromadeck::capture {

// One step of the capture history as bytes: what turns one picture into the next, and
// back. Two pictures of one size and one 32-bit format are told by their differences, the
// runs of changed pixels with both their old and their new values, so a step costs about
// what the annotation touched. Pictures that differ in size or format are kept whole, the
// one before and the one after, each as a picture bag.
//
// The bytes stay in this program's memory (pixels in this machine's byte order); they are
// not a file format.

// Which way a step is taken: from the picture before it to the one after, or back.
enum class StepWay { Forward, Back };

// The step from `before` to `after`. Nothing when its memory cannot be had, or when it
// would take a block larger than `largestBlock` bytes, counted as the system refusing it.
// Given `within`, only its pixels are compared: the caller knows nothing else changed.
std::optional<QByteArray> EncodeSnapshotDelta(
    const QImage& before, const QImage& after,
    qsizetype largestBlock = std::numeric_limits<qsizetype>::max(),
    std::optional<QRect> within = std::nullopt);

// The step from a picture to `after`, when they differ only inside the rectangle at `at`
// of before's size and `before` holds that rectangle's pixels as they were. The bytes are
// those EncodeSnapshotDelta gives for the two whole pictures. Nothing without the memory,
// or when the rectangle does not lie inside `after` in its format.
std::optional<QByteArray> EncodeDrawnDelta(
    const QImage& before, QPoint at, const QImage& after,
    qsizetype largestBlock = std::numeric_limits<qsizetype>::max());

// Whether `step` keeps its two pictures whole (so taking it replaces the picture instead
// of changing some of its pixels).
bool IsWholePictureStep(const QByteArray& step);

// Takes `step` on `picture`: forward turns the picture before it into the one after it,
// back the other way. Any bytes may come in. False, with `picture` untouched, when they
// are not a step of this kind, do not fit the picture (size, format, or a run's pixels
// not what the step says they are now), or the memory for the result cannot be had.
[[nodiscard]] bool ApplySnapshotDelta(const QByteArray& step, QImage& picture, StepWay way);

}  // namespace chromadeck::capture
