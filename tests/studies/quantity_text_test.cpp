// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/quantity_text.h"

#include <gtest/gtest.h>

namespace tessaron {
namespace {

struct QuantityCase {
    const char* text;
    QuantityForm form;
    const char* separator;
    double value;
    QuantityFault fault;
};

TEST(ReadQuantity, ReadsWhatEngineersTypeAndNamesWhatItCannot) {
    constexpr auto kNone = QuantityFault::None;
    const QuantityCase cases[] = {
        {"10k", kFrequencyForm, ".", 10e3, kNone},
        {"2.2 kHz", kFrequencyForm, ".", 2.2e3, kNone},
        {" 10 kHz ", kFrequencyForm, ".", 10e3, kNone},
        {"1000", kFrequencyForm, ".", 1000, kNone},
        {"2,2 kHz", kFrequencyForm, ",", 2.2e3, kNone},
        {"50 mhz", kFrequencyForm, ".", 0.05, kNone},  // the unit in any case, the prefix not
        {"4.7 µHz", kFrequencyForm, ".", 4.7e-6, kNone},
        {"4.7u", kFrequencyForm, ".", 4.7e-6, kNone},
        {"10E", kFrequencyForm, ".", 10, kNone},  // an empty exponent, not exa
        {"40 dB", kDecibelForm, ".", 40, kNone},
        {"0.5dB", kDecibelForm, ".", 0.5, kNone},
        {"5 %", kPercentForm, ".", 5, kNone},
        {"  ", kFrequencyForm, ".", 0, QuantityFault::Empty},
        {"abc", kFrequencyForm, ".", 0, QuantityFault::NotANumber},
        {"kHz", kFrequencyForm, ".", 0, QuantityFault::NotANumber},
        {"10 kV", kFrequencyForm, ".", 0, QuantityFault::NotANumber},
        {"3 k", kDecibelForm, ".", 0, QuantityFault::NotANumber},  // no prefix on decibels
        {"2.2 kHz", kFrequencyForm, ",", 0, QuantityFault::NotANumber},
        {"1e308k", kFrequencyForm, ".", 0, QuantityFault::TooLarge},
    };
    for (const QuantityCase& c : cases) {
        SCOPED_TRACE(c.text);
        const Quantity read = readQuantity(c.text, c.form, c.separator);
        EXPECT_EQ(read.fault, c.fault);
        EXPECT_DOUBLE_EQ(read.value, c.value);
    }
}

}  // namespace
}  // namespace tessaron
