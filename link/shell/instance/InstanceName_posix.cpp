#include "instance/InstanceName.h"

#include <pwd.h>
#include <unistd.h>

QString UserSessionName() {
    const uid_t uid = ::geteuid();
    if (const passwd* entry = ::getpwuid(uid); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(uid);
}
