// SPDX-License-Identifier: GPL-3.0-or-later
#include "private_bus.h"

#include <QFile>
#include <QStandardPaths>

namespace {

// A session bus listening in the test's folder, with no service folders (nothing is
// started on demand) and a policy that lets the test own any name.
QByteArray configFor(const QString& folder) {
    return QByteArrayLiteral(
               "<!DOCTYPE busconfig PUBLIC "
               "\"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
               "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:dir=") +
           folder.toUtf8() +
           QByteArrayLiteral(
               "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
               "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
               "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
               "</policy></busconfig>\n");
}

}  // namespace

PrivateBus::PrivateBus() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty()) {
        failure_ = QStringLiteral("dbus-daemon is not installed (Debian package dbus-daemon)");
        return;
    }
    const QString config = dir_.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(configFor(dir_.path())) < 0) {
        failure_ = QStringLiteral("cannot write the bus configuration");
        return;
    }
    file.close();

    daemon_.setProgram(program);
    daemon_.setArguments({QStringLiteral("--config-file=") + config,
                          QStringLiteral("--print-address"), QStringLiteral("--nofork")});
    daemon_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    daemon_.start();
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(10'000)) {
    }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
    if (address_.isEmpty())
        failure_ = QStringLiteral("dbus-daemon did not start: ") + daemon_.errorString();
}

PrivateBus::~PrivateBus() {
    for (const QString& name : names_) QDBusConnection::disconnectFromBus(name);
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.terminate();
        if (!daemon_.waitForFinished(5'000)) daemon_.kill();
        daemon_.waitForFinished(5'000);
    }
}

QDBusConnection PrivateBus::connect(const QString& name) {
    names_.append(name);
    return QDBusConnection::connectToBus(address_, name);
}
