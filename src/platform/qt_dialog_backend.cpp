// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_dialog_backend.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontDialog>

namespace chromadeck::platform {

namespace {

// "bmp", ".bmp" and "*.bmp" all mean the extension bmp.
QString bareExtension(QString ext) {
    ext = ext.trimmed();
    while (ext.startsWith(u'*') || ext.startsWith(u'.')) ext.remove(0, 1);
    return ext;
}

std::optional<QString> askForFile(const FileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(request.parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The program's captions already name their patterns ("PNG文件(*.PNG)"): the list
    // shows them as they are, without the patterns again behind them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    if (!request.title.isEmpty()) dialog.setWindowTitle(request.title);

    const QString qtFilter = toQtFilter(request.filter);
    if (!qtFilter.isEmpty()) dialog.setNameFilters(qtFilter.split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(bareExtension(request.defaultExt));

    // Start in the folder asked for, else where the remembered file lives.
    const QFileInfo remembered(request.fileName);
    if (!request.initDir.isEmpty()) {
        dialog.setDirectory(request.initDir);
    } else if (!request.fileName.isEmpty()) {
        dialog.setDirectory(remembered.absolutePath());
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(remembered.fileName());

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    return files.first();
}

}  // namespace

std::optional<QString> QtDialogBackend::openFile(const FileRequest& request) {
    return askForFile(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogBackend::saveFile(const FileRequest& request) {
    return askForFile(request, QFileDialog::AcceptSave);
}

std::optional<QColor> QtDialogBackend::color(const QColor& initial, QWidget* parent) {
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

std::optional<FontChoice> QtDialogBackend::font(const FontChoice& initial, QWidget* parent) {
    QFont start(initial.name);
    if (initial.size > 0) start.setPointSizeF(initial.size);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);

    QFontDialog dialog(start, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;

    const QFont chosen = dialog.selectedFont();
    FontChoice choice;
    choice.name = chosen.family();
    choice.size = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : initial.size;
    choice.bold = chosen.weight() >= QFont::DemiBold;
    choice.italic = chosen.italic();
    return choice;
}

}  // namespace chromadeck::platform
