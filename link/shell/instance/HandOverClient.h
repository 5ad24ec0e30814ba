#pragma once

#include "startup/CommandLine.h"

#include <QLocalSocket>
#include <QString>

#include <optional>

// A later start's side of the hand-over: it finds the copy that runs first, and
// hands its command line to it, waiting with bounds so that it never waits for
// a copy that does not answer.
class HandOverClient {
public:
    // Milliseconds. answer: for the running copy to take a message (connect,
    // acceptance, withdrawal; also the ending wait for a copy that has ended);
    // queue: for a queued request to start; silence: for a sign of life from the
    // copy while the request runs.
    struct Bounds {
        int answerMs = 15000;
        int queueMs = 600000;
        int silenceMs = 600000;
    };
    // The defaults, or LINK_HANDOVER_ANSWER_MS, LINK_HANDOVER_QUEUE_MS and
    // LINK_HANDOVER_SILENCE_MS where they are set to a positive number.
    static Bounds BoundsFromEnvironment();

    explicit HandOverClient(const Bounds& bounds);

    // Whether a running copy answers under the name.
    bool Connect(const QString& name);

    // Asks the running copy to bring its window to the front; true when it did.
    bool BringToFront();

    // Hands the request over and waits until it has been answered: the request's
    // exit status. Nothing when the running copy did not take it or let it wait
    // longer than the queue bound (the request is then withdrawn and this process
    // answers it itself), or ended before it was answered. When the copy falls
    // silent while it runs the request, the status of a failed run (1).
    std::optional<int> HandOverRequest(const modStartup::CommandLineValues& values);

private:
    Bounds bounds_;
    QLocalSocket socket_;
};
