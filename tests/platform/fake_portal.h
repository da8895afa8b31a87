// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

// The desktop portal's screenshot call as a compositor's portal answers it, on a bus of
// the test's choosing, for as long as the object lives.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")

  public:
    enum class Answer { Picture, Cancelled, Failed, Never };

    explicit FakePortal(QDBusConnection bus);
    ~FakePortal() override;

    Answer answer = Answer::Picture;
    QString pictureFile;  // named in the answer as a file:// URI

    int calls = 0;
    QVariantMap lastOptions;

  public slots:
    QDBusObjectPath Screenshot(const QString& parentWindow, const QVariantMap& options,
                               const QDBusMessage& message);

  private:
    QDBusConnection bus_;
};
