// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace chromadeck::platform {

struct FontChoice {
    QString name = QStringLiteral("宋体");
    double size = 9.0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

struct FileRequest {
    QString title;
    QString filter;  // caption|pattern pairs, as CommonDialog::Filter
    QString fileName;
    QString defaultExt;
    QString initDir;
    QWidget* parent = nullptr;
};

// Asks the user. Every answer is empty when the user cancels.
class DialogBackend {
  public:
    virtual ~DialogBackend() = default;
    virtual std::optional<QString> openFile(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest& request) = 0;
    virtual std::optional<QColor> color(const QColor& initial, QWidget* parent) = 0;
    virtual std::optional<FontChoice> font(const FontChoice& initial, QWidget* parent) = 0;
};

// Turns "Bitmap(*.bmp)|*.bmp|All files(*.*)|*.*" into Qt's "Bitmap(*.bmp) (*.bmp);;...".
QString toQtFilter(const QString& pipeFilter);

}  // namespace chromadeck::platform
