#pragma once

#include <cstdint>

#include "mathlib/extended.h"

namespace tessaron::fp {

// How arithmetic faults become C++ exceptions.
//
// The component loads a control word that leaves invalid operation, zero divide
// and overflow unmasked. Letting the processor trap is not survivable (a SIGFPE
// handler runs with a fresh FPU state, x87 faults surface late, in the caller,
// and traps inside glibc or Qt terminate). So while a computation runs the unit
// holds the same word with every fault masked, the computation asks checked()
// after each formula, and checked() throws the runtime's exception for a sticky
// flag that the loaded word leaves unmasked. Between computations the unit holds
// the loaded word untouched.
//
// Guards nest: only the outermost one switches the word, so every numeric entry
// point simply opens one.
class Guard {
public:
    Guard();
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
};

// Throws EZeroDivide, EOverflow, EUnderflow or EInvalidOp when a fault flag that
// the active word leaves unmasked is set (x87 status word or MXCSR), clearing
// the flags first. Must be called inside a Guard.
void throwPendingFault();

// Clears the sticky flags without looking at them: for library calls whose
// intermediate faults are not ours to report (strtold, printf).
void discardFaults();

// Forces `value` to exist in a register before the flags are read, so the
// compiler cannot move its computation past the test.
inline Extended checked(Extended value) {
    asm volatile("" : "+f"(value));
    throwPendingFault();
    return value;
}

inline double checked(double value) {
    asm volatile("" : "+x"(value));
    throwPendingFault();
    return value;
}

// Last line of defence for x87 work outside any Guard that still traps: the
// handler masks the faults in the interrupted context and lets it go on rather
// than letting the process die. Installed once at start-up.
void installTrapSafetyNet();

}  // namespace tessaron::fp
