// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder on a disk of its own that holds only a few kilobytes, to see what a save does
// when the disk fills up halfway through a file. Mounting needs root; elsewhere the
// disk is not there and `whyMissing` says why, for the test to skip with.
#include <QString>
#include <QTemporaryDir>

namespace chromadeck::testing {

class SmallDisk {
  public:
    explicit SmallDisk(int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString whyMissing() const { return whyMissing_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    // Takes up whatever room is left, so that the next write of any size fails.
    void fillUp() const;

  private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    QString whyMissing_;
};

}  // namespace chromadeck::testing
