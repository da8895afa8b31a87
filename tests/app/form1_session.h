// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/form1.h"
#include "canvas/random_source.h"
#include "platform/scripted_services.h"

#include <QImage>
#include <QTest>
#include <memory>

namespace chromadeck::testing {

// A fresh window on scripted services with a fresh colour source, as the program starts.
struct Session {
    platform::ScriptedServices services;
    RandomSource random;
    std::unique_ptr<Form1> form = std::make_unique<Form1>(services.services(), random);

    // Shown and large enough that the canvas reaches past its 1575 x 1017 sample picture.
    void showLarge() {
        form->show();
        form->resize(1900, 1070);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::processEvents();
    }
};

// Pixels of exactly `colour` inside and outside `area` of the picture.
struct InkCount {
    int inside = 0;
    int outside = 0;
};

inline InkCount countInk(const QImage& image, QRgb colour, const QRect& area) {
    InkCount count;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] != colour) continue;
            (area.contains(x, y) ? count.inside : count.outside)++;
        }
    }
    return count;
}

}  // namespace chromadeck::testing
