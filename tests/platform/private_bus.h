// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A session bus of the test's own: a dbus-daemon that knows no services to start, so a
// portal installed on the machine can never answer in place of the test's.
class PrivateBus {
  public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    // Empty when the bus runs; otherwise why it could not be started.
    const QString& failure() const { return failure_; }

    // A connection of its own on the bus, registered under `name` for whoever needs it.
    QDBusConnection connect(const QString& name);

  private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
    QString failure_;
    QStringList names_;
};
