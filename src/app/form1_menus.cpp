// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_page.h"
#include "canvas/random_source.h"
#include "form1.h"
#include "platform/picture_files.h"
#include "platform/picture_io.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>

namespace chromadeck {

namespace {

// Menus and items keep the name of their Chinese caption whatever language shows them:
// the program and its tests find them by that name.
QMenu* newMenu(QMenuBar* bar, const char* caption) {
    QMenu* menu = bar->addMenu(Form1::tr(caption));
    menu->setObjectName(QString::fromUtf8(caption));
    menu->menuAction()->setObjectName(QString::fromUtf8(caption));
    return menu;
}

template <typename Owner>
QAction* newItem(Owner* owner, const char* caption) {
    QAction* item = owner->addAction(Form1::tr(caption));
    item->setObjectName(QString::fromUtf8(caption));
    return item;
}

}  // namespace

void Form1::buildMenus() {
    QMenuBar* bar = menuBar();

    mnuFile = newMenu(bar, QT_TR_NOOP("文件"));
    mnuOpen = newItem(mnuFile, QT_TR_NOOP("打开图片"));
    mnuExit = newItem(mnuFile, QT_TR_NOOP("关闭"));

    // Entries without a menu of their own act as soon as they are clicked in the bar.
    mnuSave = newItem(bar, QT_TR_NOOP("保存"));
    mnuCapture = newItem(bar, QT_TR_NOOP("截屏"));
    mnuBackColor = newItem(bar, QT_TR_NOOP("背景色"));

    // "清除" is both a command and a menu: it clears the canvas each time it opens, also
    // when the user then picks nothing from it.
    mnuClear = newMenu(bar, QT_TR_NOOP("清除"));
    mnuClearPicture = newItem(mnuClear, QT_TR_NOOP("清除底图"));

    mnuHelp = newMenu(bar, QT_TR_NOOP("帮助"));
    mnuHelpContents = newItem(mnuHelp, QT_TR_NOOP("帮助内容"));
    mnuAbout = newItem(mnuHelp, QT_TR_NOOP("关于Tessaly"));

    connect(mnuOpen, &QAction::triggered, this, [this] { mnuOpen_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuCapture, &QAction::triggered, this, [this] { mnuCapture_Click(); });
    connect(mnuBackColor, &QAction::triggered, this, [this] { mnuBackColor_Click(); });
    connect(mnuClear, &QMenu::aboutToShow, this, [this] { mnuClear_Click(); });
    connect(mnuClearPicture, &QAction::triggered, this, [this] { mnuClearPicture_Click(); });
    connect(mnuHelpContents, &QAction::triggered, this, [this] { mnuHelpContents_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

void Form1::mnuOpen_Click() {
    // On a cancel or an unreadable file the canvas keeps everything it shows.
    const auto picture = platform::OpenPictureFile(CDlg, services_.messages, this, tr("打开图片"));
    // A new background picture starts a new drawing.
    if (picture && !Picture1->setPicture(*picture)) {
        platform::TellPictureCannotBeShown(services_.messages, this, tr("打开图片"),
                                           picture->size());
    }
}

void Form1::mnuExit_Click() {
    // Ends the program at once, asking nothing. Closing only hides the windows, so a text
    // stamp whose event pump brought this here finishes its passes on live widgets before
    // the main loop sees the quit.
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Form1::mnuSave_Click() {
    platform::SavePictureBmpFile(CDlg, services_.messages, this, tr("保存"),
                                 Picture1->surface().Image());
}

void Form1::mnuBackColor_Click() {
    Picture1->surface().setBackColor(RandomColor(random_));
}

void Form1::mnuClear_Click() {
    Picture1->surface().setBackColor(RGB(255, 255, 255));
}

void Form1::mnuClearPicture_Click() {
    Picture1->setPicture(QImage());
}

void Form1::mnuHelpContents_Click() {
    Command7->setVisible(true);
    Label18->setVisible(true);
}

void Form1::Command7_Click() {
    Command7->setVisible(false);
    Label18->setVisible(false);
}

void Form1::mnuAbout_Click() {
    // Without a browser the page simply does not open; there is nothing to tell the user.
    services_.desktop.openUrl(app::configuredAboutAddress());
}

}  // namespace chromadeck
