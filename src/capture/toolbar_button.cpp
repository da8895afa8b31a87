// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar_button.h"

#include <QCoreApplication>

namespace chromadeck::capture {

std::optional<CaptureTool> toolOf(ToolbarButton button) {
    switch (button) {
        case ToolbarButton::Arrow:
            return CaptureTool::Arrow;
        case ToolbarButton::Text:
            return CaptureTool::Text;
        case ToolbarButton::Ellipse:
            return CaptureTool::Ellipse;
        case ToolbarButton::Rectangle:
            return CaptureTool::Rectangle;
        default:
            return std::nullopt;
    }
}

ToolbarButton buttonOf(CaptureTool tool) {
    switch (tool) {
        case CaptureTool::Arrow:
            return ToolbarButton::Arrow;
        case CaptureTool::Text:
            return ToolbarButton::Text;
        case CaptureTool::Ellipse:
            return ToolbarButton::Ellipse;
        case CaptureTool::Rectangle:
            break;
    }
    return ToolbarButton::Rectangle;
}

QString tooltipOf(ToolbarButton button) {
    switch (button) {
        case ToolbarButton::Undo:
            return QCoreApplication::translate("CaptureToolbar", "撤销");
        case ToolbarButton::CopyAndExit:
            return QCoreApplication::translate("CaptureToolbar", "复制退出");
        case ToolbarButton::Save:
            return QCoreApplication::translate("CaptureToolbar", "保存");
        case ToolbarButton::Exit:
            return QCoreApplication::translate("CaptureToolbar", "退出截屏");
        case ToolbarButton::Arrow:
            return QCoreApplication::translate("CaptureToolbar", "添加箭头");
        case ToolbarButton::Text:
            return QCoreApplication::translate("CaptureToolbar", "添加文字");
        case ToolbarButton::Ellipse:
            return QCoreApplication::translate("CaptureToolbar", "添加椎圆");
        case ToolbarButton::Rectangle:
            return QCoreApplication::translate("CaptureToolbar", "添加矩形");
        case ToolbarButton::Redo:
            break;
    }
    return QCoreApplication::translate("CaptureToolbar", "重做");
}

QString tooltipOf(CaptureTool tool) {
    return tooltipOf(buttonOf(tool));
}

}  // namespace chromadeck::capture
