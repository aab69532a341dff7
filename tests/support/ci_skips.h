// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessaron::test {

// What a test program returns after RUN_ALL_TESTS gave `result`: a skipped test
// has tested nothing, so on the build machine (CI=true) it fails the program.
inline int failSkipsUnderCi(int result) {
    const char* ci = std::getenv("CI");
    const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
    if (result == 0 && skipped > 0 && ci != nullptr && std::string_view(ci) == "true") {
        std::fprintf(stderr, "%d test(s) skipped, which CI=true does not allow\n", skipped);
        return 1;
    }
    return result;
}

}  // namespace tessaron::test
