// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

namespace chromadeck::app {

// Where "关于Tessaly" points: the address the build was configured with, or, when it
// was given none, the about page shipped with the program as a local file: beside it
// in a build folder, in the data folder next to its `bin` folder once installed
// (wherever the install was moved), and beside it again when neither exists.
QUrl aboutAddress(const QString& configured, const QString& programFolder);

// The same for this build, beside the running executable.
QUrl configuredAboutAddress();

}  // namespace chromadeck::app
