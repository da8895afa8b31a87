// SPDX-License-Identifier: GPL-3.0-or-later
#include "small_disk.h"

#include <sys/mount.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace chromadeck::testing {

SmallDisk::SmallDisk(int kilobytes) {
    const QByteArray where = QFile::encodeName(folder_.path());
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) == 0) {
        mounted_ = true;
    } else {
        whyMissing_ = QStringLiteral(
                          "a small tmpfs cannot be mounted here (%1); "
                          "run as root to test a full disk")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
}

SmallDisk::~SmallDisk() {
    // Lazily, so a file a failing test left open does not keep the disk mounted.
    if (mounted_) ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

void SmallDisk::fillUp() const {
    QFile filler(filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(1024, 'f');
    while (filler.write(block) > 0) {
    }
}

}  // namespace chromadeck::testing
