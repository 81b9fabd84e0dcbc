#ifndef TESTS_SUPPORT_CAPTURED_LOG_H
#define TESTS_SUPPORT_CAPTURED_LOG_H

#include <gtest/gtest.h>

#include <string>

// Runs `work` with the game's log (standard output) captured; what it wrote.
template <class F>
std::string captured_log(F work) {
    testing::internal::CaptureStdout();
    work();
    return testing::internal::GetCapturedStdout();
}

#endif
