// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QLocalServer;

namespace chromadeck::platform {

// Holds a name for this user while it lives; a second holder of the same name, in this
// or another process, finds it taken. The name is a local socket in the user's runtime
// folder: a holder that died without cleaning up leaves a socket nobody answers on,
// which the next holder takes over.
class SingleInstance {
  public:
    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    bool held() const { return server_ != nullptr; }

  private:
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace chromadeck::platform
