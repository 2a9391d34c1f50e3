#pragma once
// A fresh folder standing for drive C for the length of one test, of its own for each test
// process, so that suites run side by side (other builds, ctest -j) never share one.

#include "generate/deployment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace pw {

class TempDrive {
public:
    TempDrive() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // A parameterised test's names hold slashes, which would leave the folders above the
        // drive behind.
        std::string name =
            std::to_string(getpid()) + "_" + info->test_suite_name() + "_" + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        root = std::filesystem::temp_directory_path() / ("pw_drive_" + name);
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        // Records of deployments go beside the drive, not into the user's own state folder.
        if (const char* state = std::getenv("XDG_STATE_HOME")) stateBefore_ = state;
        setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
    }
    ~TempDrive() {
        // Nothing a deployment left running outlives the drive.
        AwaitDeploymentCleanup();
        unsetenv("PANELWRIGHT_DRIVE_C");
        if (stateBefore_.empty())
            unsetenv("XDG_STATE_HOME");
        else
            setenv("XDG_STATE_HOME", stateBefore_.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    std::filesystem::path root;

private:
    std::string stateBefore_;
};

} // namespace pw
