#pragma once

// The start of VantorLink with its window:
// 1. A copy of the program already runs in this user session (it answers under
//    the instance name): a start without a request file brings that copy's
//    window to the front and ends; a start with one stores the request for the
//    request flow, hands it to that copy, waits until it has been answered and
//    ends with its exit status. When the copy does not take the request in time
//    this process answers it itself.
// 2. Otherwise this process is the first copy and takes later starts' hand-overs.
//    With a request file it answers the request (the command-line role; message
//    boxes on the screen where there is a display and LINK_HEADLESS is not 1),
//    then the requests handed over meanwhile, and ends. Without one it opens the
//    main window and runs until the window is closed.
class InstanceServer;
class frmMain;

namespace Shell {

int RunProgram(int argc, char** argv);

// Lets the window answer what later starts hand to the server: their requests
// in the window (in turn with its own work), and bringing it to the front.
void TakeHandOvers(InstanceServer& server, frmMain& window);

// The exit status of a start without a request file where no window can open.
inline constexpr int kNoDisplayExitStatus = 2;

} // namespace Shell
