#pragma once

#include <QString>

// The name under which the first copy of the program in a user session listens
// for later starts: the application title, the user (and on Windows the
// session), and where the user's registry values are kept, so that only copies
// that share those values hand requests to each other.
QString InstanceName();

// The platform's part: the user and, where the system has several, the session.
QString UserSessionName();
