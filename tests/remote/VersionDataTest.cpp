#include "relay/VersionData.h"

#include <gtest/gtest.h>

// The About box's texts. On Windows they come from the program's version
// resource, which this test program carries too.
TEST(RelayVersionData, ProductNameVersionAndCopyright) {
    const Relay::VersionData version = Relay::ProgramVersionData();
    EXPECT_EQ(version.productName, "Qel ISO Remote");
    EXPECT_EQ(version.productVersion, "2.0.0");
    EXPECT_EQ(version.legalCopyright, "Copyright (C) Kestrom");
}
