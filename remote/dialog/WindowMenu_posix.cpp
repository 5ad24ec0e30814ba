#include "dialog/WindowMenu.h"

#include <QAction>
#include <QDialog>

void AddToWindowMenu(QDialog& dialog, QAction& action) {
    dialog.setContextMenuPolicy(Qt::ActionsContextMenu);
    dialog.addAction(&action);
}

bool HandleWindowMenuMessage(const QByteArray&, void*, QAction&) {
    return false;
}
