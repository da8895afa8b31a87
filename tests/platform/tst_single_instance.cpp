// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance name: taken while held, free again when let go, and taken over
// from a holder that died and left its socket behind.
#include "platform/single_instance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <QtTest>

using chromadeck::platform::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    }

    void heldOnceAtATime() {
        auto first = std::make_unique<SingleInstance>(QStringLiteral("held-once"));
        QVERIFY(first->held());
        QVERIFY(!SingleInstance(QStringLiteral("held-once")).held());
        QVERIFY(SingleInstance(QStringLiteral("another-name")).held());
        first.reset();
        QVERIFY(SingleInstance(QStringLiteral("held-once")).held());
    }

    void aDeadHoldersSocketIsTakenOver() {
        // A socket file nobody listens on, as a killed holder leaves it.
        const QByteArray path = QFile::encodeName(runtime_.filePath(QStringLiteral("dead")));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFile::exists(runtime_.filePath(QStringLiteral("dead"))));

        SingleInstance taker(QStringLiteral("dead"));
        QVERIFY(taker.held());
        QVERIFY(!SingleInstance(QStringLiteral("dead")).held());
    }

  private:
    QTemporaryDir runtime_;
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
