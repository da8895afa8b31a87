// SPDX-License-Identifier: GPL-3.0-or-later
// The capture history's step decoder on arbitrary bytes, and the round trip of steps the
// encoder makes. A step that does not fit must leave the picture untouched, and a step
// taken forward then back must give the picture it started from.
#include "capture/snapshot_delta.h"
#include "fuzz_expect.h"
#include "snapshot_input.h"

#include <cstddef>
#include <cstdint>

using chromadeck::capture::ApplySnapshotDelta;
using chromadeck::capture::EncodeSnapshotDelta;
using chromadeck::capture::IsWholePictureStep;
using chromadeck::capture::StepWay;
using namespace snapshot_input;

namespace {

// Raw bytes as a step: taken or refused, never half taken.
void TakeStep(const QByteArray& step, const QImage& start, StepWay way) {
    QImage picture = start.copy();
    if (!ApplySnapshotDelta(step, picture, way)) {
        FuzzExpect(picture == start, "a refused step leaves the picture untouched");
        return;
    }
    // A whole-picture step replaces whatever is shown; only a step of changed pixels
    // promises to undo itself exactly.
    if (IsWholePictureStep(step)) return;
    const StepWay reverse = way == StepWay::Forward ? StepWay::Back : StepWay::Forward;
    QImage back = picture;
    FuzzExpect(ApplySnapshotDelta(step, back, reverse), "a step taken one way goes back");
    FuzzExpect(back == start, "a step there and back is no change");
}

// Pixel changes (position, then a colour) encoded as one step, taken both ways.
void EncodeChanges(const std::uint8_t* data, std::size_t size, const QImage& start) {
    QImage after = start.copy();
    const int pixels = after.width() * after.height();
    for (std::size_t at = 0; at + 4 <= size; at += 4) {
        const int index = data[at] % pixels;
        after.setPixel(index % after.width(), index / after.width(),
                       qRgba(data[at + 1], data[at + 2], data[at + 3], 255));
    }
    const std::optional<QByteArray> step = EncodeSnapshotDelta(start, after);
    FuzzExpect(step.has_value(), "a step between two small pictures is encoded");
    QImage picture = start.copy();
    FuzzExpect(ApplySnapshotDelta(*step, picture, StepWay::Forward) && picture == after,
               "the encoded step turns the picture before into the one after");
    FuzzExpect(ApplySnapshotDelta(*step, picture, StepWay::Back) && picture == start, "and back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < std::size_t(kHeaderBytes)) return 0;
    const QImage start = StartPicture(data);
    const std::uint8_t* rest = data + kHeaderBytes;
    const std::size_t restSize = size - kHeaderBytes;
    if (data[2] & kChangesFlag) {
        EncodeChanges(rest, restSize, start);
        return 0;
    }
    // Not copied: a read past the end lands outside libFuzzer's buffer, where the address
    // sanitizer sees it.
    const QByteArray step =
        QByteArray::fromRawData(reinterpret_cast<const char*>(rest), qsizetype(restSize));
    TakeStep(step, start, data[2] & kBackFlag ? StepWay::Back : StepWay::Forward);
    return 0;
}
