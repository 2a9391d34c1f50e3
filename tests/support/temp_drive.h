#pragma once
// A fresh folder standing for drive C for the length of one test.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pw {

class TempDrive {
public:
    TempDrive() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::temp_directory_path() /
               ("pw_drive_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
    }
    ~TempDrive() {
        unsetenv("PANELWRIGHT_DRIVE_C");
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TempDrive(const TempDrive&) = delete;
    TempDrive& operator=(const TempDrive&) = delete;

    std::filesystem::path root;
};

} // namespace pw
