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
// point simply opens one. A nested one costs a thread-local increment; the
// outermost one two changes of the control word, which some processors make
// expensive (about 250 ns on an AMD EPYC), so long computations open one Guard
// around the whole run.
class Guard {
  public:
    Guard();
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
};

namespace detail {

// Fault flags share their bit positions in the x87 status word, the x87 mask
// bits and MXCSR (invalid, denormal, zero divide, overflow, underflow, precision).
inline constexpr unsigned kFaultBits = 0x3F;

struct GuardState {
    int depth;
    // The word the program loaded; the unit holds it with all faults masked
    // while depth > 0.
    std::uint16_t loadedWord;
    // Faults the loaded word leaves unmasked. Outside a Guard all six, so that
    // any flag takes the slow path, which looks at the unit's word itself.
    unsigned unmasked;
    std::uint32_t savedMxcsr;
};

extern constinit thread_local GuardState guardState;

void enterOutermost();
void leaveOutermost();
// Throws if one of `flags` is a fault under the loaded word; otherwise returns.
void raiseIfUnmasked(unsigned flags);
// Called by x87::reinitializeAndLoad: returns the word to put into the unit.
std::uint16_t adoptLoadedWord(std::uint16_t word);

}  // namespace detail

inline bool insideGuard() {
    return detail::guardState.depth > 0;
}

inline Guard::Guard() {
    if (detail::guardState.depth++ == 0) {
        detail::enterOutermost();
    }
}

inline Guard::~Guard() {
    if (--detail::guardState.depth == 0) {
        detail::leaveOutermost();
    }
}

// The word the program has loaded: inside a Guard the one it will restore, not
// the masked one the unit holds meanwhile.
std::uint16_t loadedControlWord();

// Throws EZeroDivide, EOverflow, EUnderflow or EInvalidOp when a fault flag that
// the loaded word leaves unmasked is set (x87 status word or MXCSR), clearing
// the flags first. Outside a Guard the unit's current word counts as loaded.
inline void throwPendingFault() {
    std::uint16_t status;
    std::uint32_t mxcsr;
    // fnstsw does not wait, so a fault still pending under an unmasked word is
    // seen here instead of trapping.
    asm volatile("fnstsw %0" : "=a"(status));
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
    const unsigned flags = (status | mxcsr) & detail::guardState.unmasked;
    if (flags != 0) {
        detail::raiseIfUnmasked(flags);
    }
}

// The same test for results computed on the x87 alone (every Extended
// operation and its conversions): the status word tells it all, at half the
// cost of also reading MXCSR.
inline void throwPendingX87Fault() {
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=a"(status));
    const unsigned flags = status & detail::guardState.unmasked;
    if (flags != 0) {
        detail::raiseIfUnmasked(flags);
    }
}

inline Extended checkedX87(Extended value) {
    asm volatile("" : "+t"(value));
    throwPendingX87Fault();
    return value;
}

// Makes `value` exist before the flags are read. An extended value only needs
// a register; taking its address would keep it out of registers for good.
inline void settle(Extended value) {
    asm volatile("" : : "f"(value));
}

template <class T>
inline void settle(const T& value) {
    asm volatile("" : : "m"(value));
}

template <class T>
inline T checkedX87(T value) {
    settle(value);
    throwPendingX87Fault();
    return value;
}

// Clears the sticky flags without looking at them: for library calls whose
// intermediate faults are not ours to report (strtold, printf).
void discardFaults();

// Forces `value` to exist in a register before the flags are read, so the
// compiler cannot move its computation past the test. (An x87 operand of an asm
// must name its stack slot: "t" is the top of the stack.)
inline Extended checked(Extended value) {
    asm volatile("" : "+t"(value));
    throwPendingFault();
    return value;
}

inline double checked(double value) {
    asm volatile("" : "+x"(value));
    throwPendingFault();
    return value;
}

// The counterpart for operands: a value passed through here after a Guard has
// opened cannot be computed before it (and so not under the unmasked word).
inline Extended pinned(Extended value) {
    asm volatile("" : "+t"(value));
    return value;
}

// Last line of defence for x87 work outside any Guard that still traps: the
// handler masks the faults in the interrupted context and lets it go on rather
// than letting the process die. Installed once at start-up.
void installTrapSafetyNet();

}  // namespace tessaron::fp
