#include "instance/InstanceName.h"

#include <windows.h>

QString UserSessionName() {
    wchar_t user[257] = {};
    DWORD size = sizeof user / sizeof user[0];
    QString name = ::GetUserNameW(user, &size) ? QString::fromWCharArray(user) : QString();
    DWORD session = 0;
    if (::ProcessIdToSessionId(::GetCurrentProcessId(), &session))
        name += QLatin1Char('-') + QString::number(session);
    return name;
}
