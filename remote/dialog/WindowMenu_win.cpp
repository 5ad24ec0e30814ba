#include "dialog/WindowMenu.h"

#include <QAction>
#include <QDialog>

#include <windows.h>

namespace {

// The command number of the About entry in the system menu.
constexpr UINT kAboutCommand = 16;

} // namespace

void AddToWindowMenu(QDialog& dialog, QAction& action) {
    HMENU menu = ::GetSystemMenu(reinterpret_cast<HWND>(dialog.winId()), FALSE);
    if (menu) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, kAboutCommand,
                      reinterpret_cast<LPCWSTR>(action.text().utf16()));
    }
    // The context menu offers it too.
    dialog.setContextMenuPolicy(Qt::ActionsContextMenu);
    dialog.addAction(&action);
}

bool HandleWindowMenuMessage(const QByteArray& eventType, void* message, QAction& action) {
    if (eventType != "windows_generic_MSG")
        return false;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message != WM_SYSCOMMAND || (msg->wParam & 0xFFF0) != kAboutCommand)
        return false;
    action.trigger();
    return true;
}
