#pragma once

#include "startup/CommandLine.h"

#include <QByteArray>
#include <QtGlobal>

#include <optional>

class QIODevice;

// The messages between a later start of the program and the copy that already
// runs, over a local socket. Each message is a QDataStream frame: its kind, then
// for a request the four values of the command line (input, output, log,
// database), for Done the exit status.
//
//   later start                    running copy
//   BringToFront             ->
//                            <-    Accepted (the window is in front)
//   Request in out log db    ->
//                            <-    Accepted (queued)
//   [Withdraw                ->]   (the later start gives up waiting)
//                            <-    Withdrawn, or Started
//                            <-    Working ... (about every second while it runs)
//                            <-    Done status
namespace HandOver {

enum class Message : quint8 {
    BringToFront = 1,
    Request = 2,
    Withdraw = 3,
    Accepted = 10,
    Started = 11,
    Working = 12,
    Done = 13,
    Withdrawn = 14,
};

struct Frame {
    Message message = Message::Accepted;
    modStartup::CommandLineValues values; // Request
    qint32 status = 0;                    // Done
};

QByteArray Encode(const Frame& frame);

// The next complete frame on the device, or nothing while it has not all arrived
// (what has arrived stays unread). An unknown kind reads as nothing and is
// dropped with the rest of the data.
std::optional<Frame> ReadFrame(QIODevice& device);

} // namespace HandOver
