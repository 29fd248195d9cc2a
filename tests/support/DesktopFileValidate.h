#pragma once
// Checks desktop entries with the desktop's own validator,
// desktop-file-validate (Debian package desktop-file-utils).

#include <gtest/gtest.h>

#include <string>

// True when the validator can be run here.
bool HaveDesktopFileValidator();

// Success when the validator finds no error in the entry at path; its
// report otherwise. Hints and warnings alone are no failure.
::testing::AssertionResult PassesDesktopFileValidate(const std::string& path);
