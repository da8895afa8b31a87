// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_files.h"

#include "common_dialog.h"
#include "message_box.h"
#include "picture_io.h"
#include "picture_memory.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

namespace chromadeck::platform {

namespace {
// The file as the user knows it, in the message that says why it failed.
QString shownName(const QString& path) {
    return QDir::toNativeSeparators(path);
}
}  // namespace

std::optional<QImage> OpenPictureFile(CommonDialog& dialog, MessageBox& messages, QWidget* parent,
                                      const QString& title) {
    if (!dialog.ShowOpen() || dialog.FileName.isEmpty()) return std::nullopt;
    const LoadedPicture loaded = LoadPicture(dialog.FileName);
    if (!loaded.ok()) {
        messages.show(parent, title,
                      QCoreApplication::translate("PictureFile", "无法打开图片“%1”：\n%2")
                          .arg(shownName(dialog.FileName), loaded.error),
                      MessageIcon::Warning);
        return std::nullopt;
    }
    return loaded.image;
}

void TellPictureCannotBeShown(MessageBox& messages, QWidget* parent, const QString& title,
                              QSize size) {
    const QString attempted = QCoreApplication::translate("PictureFile",
                                                          "the picture of %1 x %2 pixels cannot "
                                                          "be shown; the one shown before stays.")
                                  .arg(size.width())
                                  .arg(size.height());
    messages.show(parent, title, OutOfMemoryMessage(attempted), MessageIcon::Warning);
}

bool SavePictureBmpFile(CommonDialog& dialog, MessageBox& messages, QWidget* parent,
                        const QString& title, const QImage& picture) {
    // Only the captions are translated, never the patterns after them.
    dialog.Filter =
        QStringList{
            QCoreApplication::translate("PictureFile", "Bitmap(*.bmp)") + QStringLiteral("|*.bmp"),
            QCoreApplication::translate("PictureFile", "All files(*.*)") + QStringLiteral("|*.*"),
        }
            .join(u'|');
    if (!dialog.ShowSave() || dialog.FileName.isEmpty()) return false;
    // Saved under exactly the name chosen: no extension is added.
    const QString why = SavePictureBmp(picture, dialog.FileName);
    if (why.isEmpty()) return true;
    messages.show(parent, title,
                  QCoreApplication::translate("PictureFile", "无法保存图片“%1”：\n%2")
                      .arg(shownName(dialog.FileName), why),
                  MessageIcon::Warning);
    return false;
}

}  // namespace chromadeck::platform
