// The network share's calls of the system, through their seam: Wine has no real
// network share to connect to.

#include "RelaySandbox.h"

#include "relay/NetworkShare_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Relay;

namespace {

struct Recorded {
    DWORD scope = 0, type = 0, usage = 0, flags = 0;
    bool localNameNull = false;
    std::string remote, user, password;
    std::vector<std::string> cancelled;
    DWORD cancelFlags = 0;
    BOOL force = FALSE;
    DWORD result = NO_ERROR;
    int connects = 0;
};
Recorded recorded;

DWORD APIENTRY FakeAdd(LPNETRESOURCEA resource, LPCSTR password, LPCSTR user, DWORD flags) {
    ++recorded.connects;
    recorded.scope = resource->dwScope;
    recorded.type = resource->dwType;
    recorded.usage = resource->dwUsage;
    recorded.localNameNull = resource->lpLocalName == nullptr;
    recorded.remote = resource->lpRemoteName;
    recorded.password = password;
    recorded.user = user;
    recorded.flags = flags;
    return recorded.result;
}

DWORD APIENTRY FakeCancel(LPCSTR name, DWORD flags, BOOL force) {
    recorded.cancelled.emplace_back(name);
    recorded.cancelFlags = flags;
    recorded.force = force;
    return NO_ERROR;
}

TEST(NetworkShare, UncShareIsConnectedAndCancelledWithTheSystemCalls) {
    recorded = {};
    NetworkShare share({&FakeAdd, &FakeCancel});
    EXPECT_TRUE(share.Connect("\\\\herdserver\\iso$", "kestrom", "mobrikanet"));
    EXPECT_EQ(recorded.scope, static_cast<DWORD>(RESOURCE_GLOBALNET));
    EXPECT_EQ(recorded.type, static_cast<DWORD>(RESOURCETYPE_DISK));
    EXPECT_EQ(recorded.usage, static_cast<DWORD>(RESOURCEUSAGE_CONNECTABLE));
    EXPECT_TRUE(recorded.localNameNull);
    EXPECT_EQ(recorded.remote, "\\\\herdserver\\iso$");
    EXPECT_EQ(recorded.user, "kestrom");
    EXPECT_EQ(recorded.password, "mobrikanet");
    EXPECT_EQ(recorded.flags, 0u);

    share.Cancel("\\\\herdserver\\iso$");
    ASSERT_EQ(recorded.cancelled.size(), 1u);
    EXPECT_EQ(recorded.cancelled[0], "\\\\herdserver\\iso$");
    EXPECT_EQ(recorded.cancelFlags, static_cast<DWORD>(CONNECT_UPDATE_PROFILE));
    EXPECT_TRUE(recorded.force);

    recorded.result = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(share.Connect("\\\\herdserver\\iso$", "kestrom", "wrong"));
}

TEST(NetworkShare, AFolderIsUsedAsAFolder) {
    recorded = {};
    RelaySandbox sandbox;
    NetworkShare share({&FakeAdd, &FakeCancel});
    EXPECT_TRUE(share.Connect(sandbox.Folder(), "kestrom", "mobrikanet"));
    EXPECT_FALSE(share.Connect(sandbox.File("missing"), "kestrom", "mobrikanet"));
    share.Cancel(sandbox.Folder());
    EXPECT_EQ(recorded.connects, 0);
    EXPECT_TRUE(recorded.cancelled.empty());
}

} // namespace
