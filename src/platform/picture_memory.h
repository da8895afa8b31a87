// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace chromadeck::platform {

// Pictures are budgeted by the memory their pixels take, not only by their count: one
// copy of the largest picture the program accepts fits comfortably even on a small
// machine, and a header that claims a giant picture is found out before it costs
// gigabytes. The few copies an action holds at once stay well under a gigabyte.
constexpr qint64 kPictureBudgetBytes = qint64(256) << 20;

// The memory an image of this size and format takes; -1 when it does not even fit in a
// number (a size no picture can have).
qint64 PictureBytes(QSize size, QImage::Format format);

// Whether a picture of this size and format may be made under the budget in force.
bool FitsPictureBudget(QSize size, QImage::Format format);

// A new image of `size` and `format`, its pixels not yet set; a null image when it is
// over the budget or the system refuses the memory. Every image whose size comes from
// the user (a picture, the area it is drawn on, a turned picture) is made through here,
// so that running out of memory refuses the action instead of crashing it.
QImage NewPicture(QSize size, QImage::Format format);

// The same with every byte zero (transparent, for formats with alpha). The memory comes
// from the system already cleared and costs nothing until drawn on, so a screen-sized
// layer that only ever holds a stroke's preview stays small.
QImage NewClearPicture(QSize size, QImage::Format format);

// Hands memory the program has freed back to the system. The C library keeps freed
// blocks of a few megabytes for reuse, so after a large piece of work (a capture run on a
// 4K screen) tens of megabytes would otherwise stay counted against the program.
void GiveFreedMemoryBack();

// The message for an action refused for lack of memory: "内存不足" and what was tried.
QString OutOfMemoryMessage(const QString& attempted);

// For tests: another budget while it lives, to make allocations fail on purpose.
class PictureBudgetOverride {
  public:
    explicit PictureBudgetOverride(qint64 bytes);
    ~PictureBudgetOverride();
    PictureBudgetOverride(const PictureBudgetOverride&) = delete;
    PictureBudgetOverride& operator=(const PictureBudgetOverride&) = delete;

  private:
    qint64 previous_;
};

}  // namespace chromadeck::platform
