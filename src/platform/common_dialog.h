// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialog_backend.h"

#include <QColor>
#include <QString>

class QWidget;

namespace chromadeck::platform {

// The open, save, colour and font dialogs of one window. Filter, file name, colour and
// font are remembered from one use to the next. Each Show* returns whether the user
// confirmed; a cancelled dialog leaves every remembered value as it was, so a caller
// that acts only on a confirmed answer never loads, writes or recolours on a cancel.
class CommonDialog {
  public:
    CommonDialog(DialogBackend& backend, QWidget* owner);

    // Filters are written "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*": caption|pattern pairs.
    QString Filter;
    QString FileName;
    QString DialogTitle;
    QString DefaultExt;
    QString InitDir;
    QColor Color{Qt::black};
    FontChoice Font;

    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();
    bool ShowFont();

  private:
    FileRequest request() const;

    DialogBackend& backend_;
    QWidget* owner_;
};

}  // namespace chromadeck::platform
