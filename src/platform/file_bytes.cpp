// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cerrno>

namespace chromadeck::platform {

namespace {

QString systemReason(int error) {
    return qt_error_string(error);
}

// Why a file of this kind is no picture file; empty for a regular file.
QString refusalFor(mode_t mode, const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    if (S_ISREG(mode)) return QString();
    if (S_ISDIR(mode))
        return QCoreApplication::translate("PictureFile", "“%1” is a folder, not a file.")
            .arg(name);
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("PictureFile", "“%1” is a named pipe, not a file.")
            .arg(name);
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("PictureFile", "“%1” is a socket, not a file.")
            .arg(name);
    return QCoreApplication::translate("PictureFile", "“%1” is a device, not a file.").arg(name);
}

// Closes the descriptor on every way out unless it was handed on.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

FileBytes ReadRegularFile(const QString& path, qint64 limit) {
    const QByteArray native = QFile::encodeName(path);
    // Looked at first without opening: opening some devices already does something.
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) return {{}, systemReason(errno)};
    if (QString why = refusalFor(info.st_mode, path); !why.isEmpty()) return {{}, why};

    // Without blocking, and checked again on what was opened: the name may have been
    // given to a pipe in between.
    Descriptor fd(::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return {{}, systemReason(errno)};
    if (::fstat(fd.get(), &info) != 0) return {{}, systemReason(errno)};
    if (QString why = refusalFor(info.st_mode, path); !why.isEmpty()) return {{}, why};
    if (info.st_size > limit) {
        return {
            {},
            QCoreApplication::translate(
                "PictureFile", "The file is %1 MB, more than the %2 MB a picture file may have.")
                .arg((info.st_size + (1 << 20) - 1) >> 20)
                .arg(limit >> 20)};
    }

    QByteArray bytes;
    try {
        bytes.resize(qsizetype(info.st_size));
    } catch (const std::bad_alloc&) {
        return {{},
                QCoreApplication::translate("PictureFile", "Not enough memory to read the file.")};
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {{}, systemReason(errno)};
        if (n == 0) break;  // shortened while being read: take what is there
        done += n;
    }
    bytes.truncate(done);
    return {bytes, QString()};
}

QString ReplaceFileContents(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return QCoreApplication::translate("PictureFile", "No file name was given.");
    // A pipe or device by that name would be replaced by a plain file, not written to.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        if (QString why = refusalFor(info.st_mode, path); !why.isEmpty()) return why;
    }

    QSaveFile file(path);
    // Unbuffered, so that every write reaches the system and a full disk is reported by
    // the write that hit it: a buffered last write could fail unseen at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
    qsizetype done = 0;
    while (done < bytes.size()) {
        // A full disk first takes what still fits, then refuses the rest with its reason.
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) break;
        done += qsizetype(n);
    }
    if (done < bytes.size() || file.error() != QFileDevice::NoError) {
        QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit() || file.error() != QFileDevice::NoError) return file.errorString();
    return QString();
}

}  // namespace chromadeck::platform
