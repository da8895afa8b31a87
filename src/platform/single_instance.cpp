// SPDX-License-Identifier: GPL-3.0-or-later
#include "single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace chromadeck::platform {

namespace {

QString socketPath(const QString& name) {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(name);
}

bool someoneAnswers(const QString& path) {
    QLocalSocket probe;
    probe.connectToServer(path);
    return probe.waitForConnected(1000);
}

}  // namespace

SingleInstance::SingleInstance(const QString& name) {
    const QString path = socketPath(name);
    auto server = std::make_unique<QLocalServer>();
    // No access option: Qt would then make the socket elsewhere and rename it over ours,
    // so a second holder would always succeed. The runtime folder is the user's alone.
    if (!server->listen(path)) {
        if (server->serverError() != QAbstractSocket::AddressInUseError || someoneAnswers(path))
            return;
        QLocalServer::removeServer(path);  // left by a holder that died
        if (!server->listen(path)) return;
    }
    server_ = std::move(server);
}

SingleInstance::~SingleInstance() = default;

}  // namespace chromadeck::platform
