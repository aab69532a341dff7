// SPDX-License-Identifier: GPL-3.0-or-later

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
//
// The rule that makes a check tell the truth: a fault belongs to the formula
// that raised it. The sticky flags a check reads must have been raised by our
// own arithmetic since the previous check, so no code that is not ours may run
// inside a Guard with its flags left behind. Foreign code (the window behind a
// MessageSink, ReportSink or PlotSeries, a modal box and the event loop it
// runs, the C library's number conversion) leaves flags as it pleases: one
// message box over the window leaves invalid and precision in MXCSR. Every
// call out of a Guard into such code therefore goes through a ForeignCall:
//   - on entry, our own faults still pending are raised there, before foreign
//     code can hide or add to them (each formula is checked anyway, so this
//     finds only a forgotten check);
//   - the foreign code runs with the unit as between two computations: the
//     loaded word, the runtime's MXCSR, no Guard open, so any of our numeric
//     code it calls back (a locale change seen by a modal box's event loop)
//     opens a Guard of its own;
//   - on exit, whether it returns or throws, every flag it left is dropped and
//     the guarded state is armed again with the word and MXCSR of the Guard,
//     whatever the foreign code loaded meanwhile.
// The sink interfaces open the ForeignCall themselves (their public functions
// are not virtual), so neither a caller nor an implementation can forget it;
// library arithmetic goes through libraryArithmetic() below. Outside any Guard
// a ForeignCall does nothing; inside one it costs two more changes of the
// control word, so it belongs around calls made a few times per run, never
// inside a sweep's loop. (An event handler of the numeric component is not
// foreign: it is the program's own code and runs inside the Guard, and the
// component checks right after it, so that its faults are its own.)
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
// Raises our pending faults, then leaves the unit and the state as outside any
// Guard.
void suspend();
// Arms `guarded` again, dropping every flag the foreign code left.
void resume(const GuardState& guarded) noexcept;
// Throws if one of `flags` is a fault under the loaded word; otherwise returns.
void raiseIfUnmasked(unsigned flags);
// Called by x87::reinitializeAndLoad: returns the word to put into the unit.
std::uint16_t adoptLoadedWord(std::uint16_t word);

}  // namespace detail

// Runs code that is not ours from inside a Guard; see the rule above.
class ForeignCall {
  public:
    ForeignCall();
    ~ForeignCall();
    ForeignCall(const ForeignCall&) = delete;
    ForeignCall& operator=(const ForeignCall&) = delete;

  private:
    // The Guard's state to re-arm on exit; depth 0 when none was open.
    detail::GuardState guarded_;
};

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

inline ForeignCall::ForeignCall() : guarded_(detail::guardState) {
    if (guarded_.depth > 0) {
        detail::suspend();
    }
}

inline ForeignCall::~ForeignCall() {
    if (guarded_.depth > 0) {
        detail::resume(guarded_);
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

// Clears the sticky flags without looking at them, for a start afresh.
void discardFaults();

// Library arithmetic whose flags are by-products rather than faults of ours
// (the C library's conversions raise overflow, underflow and inexact as they
// go): it runs as foreign code, inside a Guard of its own so that its faults
// cannot trap under the loaded word, and that Guard's end drops its flags. The
// caller judges the result by its value.
template <class Compute>
auto libraryArithmetic(Compute compute) {
    ForeignCall foreign;
    Guard guard;
    return compute();
}

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
