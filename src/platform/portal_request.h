// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <chrono>

namespace chromadeck::platform {

// One portal request from the call to its Response signal: listens on the request's
// object path, takes the call's reply and gives up after the answer time.
class PortalRequest : public QObject {
    Q_OBJECT

  public:
    enum class Outcome { Waiting, Answered, CallFailed, TimedOut };

    PortalRequest(QDBusConnection bus, std::chrono::milliseconds answerTime);
    ~PortalRequest() override;

    // Portals answer on a path made of our bus name and the token we chose, and may do so
    // before their reply to the call arrives: the path is listened on before the call.
    void listen(const QString& requestPath);
    // Sends the call and waits for the Response, a failed call or the answer time.
    Outcome run(const QDBusMessage& call);

    uint response() const { return response_; }
    const QVariantMap& results() const { return results_; }
    const QDBusError& callError() const { return callError_; }

  private slots:
    void Response(uint response, const QVariantMap& results);

  private:
    void takeReply(QDBusPendingCallWatcher* watcher);
    void finish(Outcome outcome);

    QDBusConnection bus_;
    std::chrono::milliseconds answerTime_;
    QStringList paths_;
    QEventLoop loop_;
    Outcome outcome_ = Outcome::Waiting;
    uint response_ = 2;
    QVariantMap results_;
    QDBusError callError_;
};

}  // namespace chromadeck::platform
