// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The offscreen platform with two screens side by side, 1920 x 1080 at (0, 0) and
// 3840 x 2160 at (1920, 0), so that a full-screen window takes the whole of the one its
// geometry lies on. Call before the application is made; keep the result alive as long.
#include <QByteArray>
#include <QDir>
#include <QTemporaryFile>
#include <memory>

namespace chromadeck::bench {

inline std::unique_ptr<QTemporaryFile> useOffscreenScreens() {
    auto screens = std::make_unique<QTemporaryFile>(
        QDir::tempPath() + QStringLiteral("/chromadeck-bench-XXXXXX.json"));
    if (!screens->open()) return nullptr;
    screens->write(R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": false,
      "screens": [
        {"name": "hd", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96,
         "logicalBaseDpi": 96, "dpr": 1},
        {"name": "uhd", "x": 1920, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96,
         "logicalBaseDpi": 96, "dpr": 1}]})");
    screens->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens->fileName().toLocal8Bit());
    return screens;
}

}  // namespace chromadeck::bench
