#include "instance/InstanceName.h"

#include "common/ProgramInfo.h"
#include "common/modUtils.h"

#include <QCryptographicHash>

QString InstanceName() {
    QString name = QString::fromUtf8(ProgramInfo::Title.data(),
                                     static_cast<qsizetype>(ProgramInfo::Title.size()));
    name += QLatin1Char('-') + UserSessionName();
    const std::string location = modUtils::UserRegistryLocation();
    if (!location.empty()) {
        const QByteArray hash =
            QCryptographicHash::hash(QByteArray::fromStdString(location), QCryptographicHash::Sha1);
        name += QLatin1Char('-') + QString::fromLatin1(hash.toHex().left(16));
    }
    return name;
}
