#pragma once
// A fresh folder standing for drive C for the length of one test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace pw {

class TempDrive {
public:
    TempDrive() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        // A suffix of its own: the same test may run at the same time in another checkout
        // on this machine, and the two must not share a drive.
        root = std::filesystem::temp_directory_path() /
               ("pw_drive_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                std::to_string(std::random_device{}()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        // Records of deployments go beside the drive, not into the user's own state folder.
        if (const char* state = std::getenv("XDG_STATE_HOME")) stateBefore_ = state;
        setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
    }
    ~TempDrive() {
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
