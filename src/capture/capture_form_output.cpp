// SPDX-License-Identifier: GPL-3.0-or-later
// How a capture run ends: the region copied to the clipboard, saved to a file, or dropped.
#include "capture_form.h"

#include "pictures/image_saver.h"
#include "platform/common_dialog.h"
#include "platform/event_pump.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

namespace chromadeck {

using namespace capture;

namespace {

// The save dialog opens in the program's folder when files can go there; an installed
// program's folder usually cannot take them, so then the user's pictures.
QString saveFolder() {
    const QString own = QCoreApplication::applicationDirPath();
    if (QFileInfo(own).isWritable()) return own;
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
}

}  // namespace

std::optional<QImage> CaptureForm::regionPicture(Long Left, Long Top, Long Right, Long Bottom) {
    hideSelection();
    platform::PumpEvents();
    if (!session_) return std::nullopt;  // closed while the events ran
    // What the window shows there: the persistent picture with every kept annotation (the
    // screen-only layer is empty between strokes), at the screen's own pixels.
    return session_->regionPicture(Left, Top, Right, Bottom);
}

void CaptureForm::ScrnCap(Long Left, Long Top, Long Right, Long Bottom) {
    if (const std::optional<QImage> region = regionPicture(Left, Top, Right, Bottom))
        services_.clipboard.setImage(*region);
}

std::array<Long, 4> CaptureForm::regionEdges() const {
    const Frame f = frame();
    const float right = f.Left + f.Width, bottom = f.Top + f.Height;
    return {toLongClamped(f.Left), toLongClamped(f.Top), toLongClamped(right),
            toLongClamped(bottom)};
}

void CaptureForm::copyAndExit() {
    Picture1->hide();
    Picture2->hide();
    QThread::msleep(10);
    platform::PumpEvents();
    Shape1->hide();
    const auto [left, top, right, bottom] = regionEdges();
    ScrnCap(left, top, right, bottom);
    Unload();
}

void CaptureForm::saveAndExit() {
    const bool panelShown = !Picture2->isHidden();
    Picture1->hide();
    Picture2->hide();
    QThread::msleep(10);
    platform::PumpEvents();
    Shape1->hide();
    // Taken now, while nothing lies over it; the user's clipboard is not involved.
    const auto [left, top, right, bottom] = regionEdges();
    const std::optional<QImage> region = regionPicture(left, top, right, bottom);
    Picture1->show();
    if (panelShown) Picture2->show();
    Shape1->show();
    if (region) CutdSave(*region);
    Unload();
}

void CaptureForm::CutdSave(const QImage& region) {
    platform::CommonDialog dialog(services_.dialogs, this);
    // Only the captions are translated, never the patterns after them.
    dialog.Filter =
        QStringList{
            tr("PNG文件(*.PNG)") + QStringLiteral("|*.PNG"),
            tr("JPEG文件(*.jpg;*.jpeg)") + QStringLiteral("|*.jpg"),
            tr("位图文件(*.bmp)") + QStringLiteral("|*.bmp"),
            tr("GIF文件(*.gif)") + QStringLiteral("|*.gif"),
            tr("TIFF文件(*.TIFF)") + QStringLiteral("|*.tiff"),
            tr("所有文件(*.*)") + QStringLiteral("|*.*"),
        }
            .join(u'|');
    dialog.DialogTitle = tr("保存为");
    dialog.DefaultExt = QStringLiteral("PNG");
    dialog.InitDir = saveFolder();
    bool saved = false;
    if (dialog.ShowSave()) {
        // The type is what follows the file name's last dot; a name typed without one
        // takes the default extension, as the dialog itself would add it.
        QString path = dialog.FileName;
        if (!QFileInfo(path).fileName().contains(u'.')) path += u'.' + dialog.DefaultExt;
        const QString name = QFileInfo(path).fileName();
        const QString fileType = name.mid(name.lastIndexOf(u'.') + 1);
        saved = SaveImageFile(region, path, fileType, 80, 24, 6, services_.messages,
                              services_.screen, this);
    }
    // Without a file the capture would be lost with the window: it waits on the
    // clipboard instead.
    if (!saved) services_.clipboard.setImage(region);
}

void CaptureForm::Form_DblClick() {
    if (session_ && session_->doubleClickCopies()) copyAndExit();
}

}  // namespace chromadeck
