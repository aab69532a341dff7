#include <gtest/gtest.h>

#include "mathlib/fp_guard.h"
#include "mathlib/math_lib.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tessaron::fp::installTrapSafetyNet();
    // As at program start-up: the component loads 0x1332 and puts back the
    // previous word when it goes.
    tessaron::TMathLib mathLib(nullptr);
    mathLib.FinishLoading();
    return RUN_ALL_TESTS();
}
