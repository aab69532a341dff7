// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "mathlib/fp_guard.h"
#include "mathlib/math_lib.h"
#include "tests/support/ci_skips.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tessaron::fp::installTrapSafetyNet();
    int result = 0;
    {
        // As at program start-up: the component loads 0x1332 and puts back the
        // previous word when it goes.
        tessaron::TMathLib mathLib(nullptr);
        mathLib.FinishLoading();
        result = RUN_ALL_TESTS();
    }
    return tessaron::test::failSkipsUnderCi(result);
}
