#include "instance/HandOverProtocol.h"

#include <QDataStream>
#include <QIODevice>
#include <QString>

namespace HandOver {
namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

bool Known(quint8 kind) {
    switch (static_cast<Message>(kind)) {
    case Message::BringToFront:
    case Message::Request:
    case Message::Withdraw:
    case Message::Accepted:
    case Message::Started:
    case Message::Working:
    case Message::Done:
    case Message::Withdrawn:
        return true;
    }
    return false;
}

} // namespace

QByteArray Encode(const Frame& frame) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << static_cast<quint8>(frame.message);
    if (frame.message == Message::Request) {
        const auto& v = frame.values;
        out << QString::fromStdString(v.inFile) << QString::fromStdString(v.outFile)
            << QString::fromStdString(v.logFile) << QString::fromStdString(v.database);
    } else if (frame.message == Message::Done) {
        out << frame.status;
    }
    return bytes;
}

std::optional<Frame> ReadFrame(QIODevice& device) {
    // One transaction for the whole frame: a frame not yet all there is read
    // again from its start when more has arrived.
    QDataStream in(&device);
    in.setVersion(kStreamVersion);
    in.startTransaction();
    quint8 kind = 0;
    in >> kind;
    Frame frame;
    frame.message = static_cast<Message>(kind);
    if (frame.message == Message::Request) {
        QString inFile, outFile, logFile, database;
        in >> inFile >> outFile >> logFile >> database;
        frame.values.inFile = inFile.toStdString();
        frame.values.outFile = outFile.toStdString();
        frame.values.logFile = logFile.toStdString();
        frame.values.database = database.toStdString();
    } else if (frame.message == Message::Done) {
        in >> frame.status;
    }
    if (!in.commitTransaction())
        return std::nullopt;
    if (!Known(kind)) {
        device.readAll();
        return std::nullopt;
    }
    return frame;
}

} // namespace HandOver
