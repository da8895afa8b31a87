// SPDX-License-Identifier: GPL-3.0-or-later
#include "portal_request.h"

#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QTimer>

namespace chromadeck::platform {

namespace {

const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

}  // namespace

PortalRequest::PortalRequest(QDBusConnection bus, std::chrono::milliseconds answerTime)
    : bus_(std::move(bus)), answerTime_(answerTime) {}

PortalRequest::~PortalRequest() {
    for (const QString& path : paths_) {
        bus_.disconnect(QString(), path, kRequestInterface, QStringLiteral("Response"), this,
                        SLOT(Response(uint, QVariantMap)));
    }
}

void PortalRequest::listen(const QString& requestPath) {
    if (paths_.contains(requestPath)) return;
    // Any sender: the path holds our own unique name and a fresh token, and a portal
    // started on demand gets its unique name only after this subscription.
    if (bus_.connect(QString(), requestPath, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(Response(uint, QVariantMap)))) {
        paths_.append(requestPath);
    }
}

PortalRequest::Outcome PortalRequest::run(const QDBusMessage& call) {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, this, [this] { finish(Outcome::TimedOut); });
    giveUp.start(answerTime_);

    // The bus's own timeout for the reply is the answer time too, so a portal that hangs
    // before replying is given up on at the same moment.
    QDBusPendingCallWatcher watcher(bus_.asyncCall(call, int(answerTime_.count())));
    connect(&watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* w) { takeReply(w); });
    if (watcher.isFinished()) takeReply(&watcher);  // e.g. not connected at all

    if (outcome_ == Outcome::Waiting) loop_.exec(QEventLoop::ExcludeUserInputEvents);
    return outcome_;
}

void PortalRequest::takeReply(QDBusPendingCallWatcher* watcher) {
    if (outcome_ != Outcome::Waiting) return;
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        callError_ = reply.error();
        finish(Outcome::CallFailed);
        return;
    }
    // Older portals chose the path themselves; the answer then comes on theirs.
    listen(reply.value().path());
}

void PortalRequest::Response(uint response, const QVariantMap& results) {
    if (outcome_ != Outcome::Waiting) return;
    response_ = response;
    results_ = results;
    finish(Outcome::Answered);
}

void PortalRequest::finish(Outcome outcome) {
    if (outcome_ != Outcome::Waiting) return;
    outcome_ = outcome;
    loop_.quit();
}

}  // namespace chromadeck::platform
