#pragma once

#include <QDialogButtonBox>

class QDialog;
class QFocusEvent;

namespace Shell {

// The OK (cmdOk, default) and Cancel (cmdCancel) buttons of a dialog in the
// program's language, connected to accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog* dialog);
// The OK button alone.
QDialogButtonBox* OkButton(QDialog* dialog);

// Whether a control loses the focus to another control of its dialog by the
// user's doing (a click, Tab, an access key), and not to Cancel: the moment a
// control checks what was entered into it.
bool LeavesForControl(const QFocusEvent& event);

} // namespace Shell
