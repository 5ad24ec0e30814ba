#pragma once

// A program folder in which vantorlink-cli runs as a process, with its own
// registry, settings file (herd 12-3456) and, where herd-iso-sim is built, that
// simulator as the herd-management ISO application (version 5.5).

#include "CapturedRun.h"
#include "HerdIsoSimPath.h"
#include "LinkSandbox.h"

#include "../common/TestFiles.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class CliWorld : public ::testing::Test {
protected:
    CliWorld() {
        modUtils::RegWriteString(kSimulator, modUtils::RegRoot::LocalMachine,
                                 modMirelCom::IsoRegistryKey, modMirelCom::IsoApplicationValue);
        SetIsoVersion("5.5");
        WriteFileBytesAtomic(File("link.ini"), "[Settings]\r\nHerdNo=12-3456\r\n");
    }

    std::string File(const std::string& name) const { return sandbox.File(name); }
    std::string Report() const { return FileBytes(File("~link.log")); }

    static void SetIsoVersion(const std::string& version) {
        modUtils::RegWriteString(version, modUtils::RegRoot::LocalMachine,
                                 modMirelCom::IsoRegistryKey, "Version");
    }

    CapturedRun Cli(std::vector<std::string> args) {
        args.insert(args.begin(), VANTORLINK_CLI_PATH);
        return RunCaptured(args, sandbox.Folder());
    }

    LinkSandbox sandbox;
    ScopedEnvironment headless{"LINK_HEADLESS", std::string("1")};
    ScopedEnvironment database{"HERD_ISO_SIM_DB", sandbox.File("herd.db")};
    ScopedEnvironment noFault{"HERD_ISO_SIM_FAULT", std::nullopt};
};
