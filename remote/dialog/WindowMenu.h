#pragma once

#include <QByteArray>

class QAction;
class QDialog;

// The window menu of the dialog (platform part): the system menu on Windows, the
// window's context menu elsewhere, where the window manager's menu is closed to
// programs.
void AddToWindowMenu(QDialog& dialog, QAction& action);
// A window message that chooses the action from the window menu triggers it;
// true when the message was that one.
bool HandleWindowMenuMessage(const QByteArray& eventType, void* message, QAction& action);
