#include "toolbar_button.h"

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
            return QStringLiteral("撤销");
        case ToolbarButton::CopyAndExit:
            return QStringLiteral("复制退出");
        case ToolbarButton::Save:
            return QStringLiteral("保存");
        case ToolbarButton::Exit:
            return QStringLiteral("退出截屏");
        case ToolbarButton::Arrow:
            return QStringLiteral("添加箭头");
        case ToolbarButton::Text:
            return QStringLiteral("添加文字");
        case ToolbarButton::Ellipse:
            return QStringLiteral("添加椎圆");
        case ToolbarButton::Rectangle:
            return QStringLiteral("添加矩形");
        case ToolbarButton::Redo:
            break;
    }
    return QStringLiteral("重做");
}

QString tooltipOf(CaptureTool tool) {
    return tooltipOf(buttonOf(tool));
}

}  // namespace chromadeck::capture
