// SPDX-License-Identifier: GPL-3.0-or-later

#include "mathlib/fp_guard.h"

#include <signal.h>
#include <ucontext.h>

#include "mathlib/math_errors.h"
#include "mathlib/x87.h"

namespace tessaron::fp {

namespace detail {

constinit thread_local GuardState guardState{0, 0x037F, kFaultBits, 0x1F80};

}  // namespace detail

namespace {

constexpr unsigned kInvalid = 0x01;
constexpr unsigned kDenormal = 0x02;
constexpr unsigned kZeroDivide = 0x04;
constexpr unsigned kOverflow = 0x08;
constexpr unsigned kUnderflow = 0x10;
constexpr unsigned kPrecision = 0x20;

// MXCSR keeps its masks seven bits above the flags.
constexpr std::uint32_t kMxcsrMasks = detail::kFaultBits << 7;

std::uint32_t readMxcsr() {
    std::uint32_t value;
    asm volatile("stmxcsr %0" : "=m"(value));
    return value;
}

void writeMxcsr(std::uint32_t value) {
    asm volatile("ldmxcsr %0" : : "m"(value) : "memory");
}

// fnclex first: loading a word that unmasks a flag already set would make the
// next x87 instruction trap.
void loadWordClean(std::uint16_t word) {
    asm volatile(
        "fnclex\n\t"
        "fldcw %0"
        :
        : "m"(word)
        : "memory");
}

void clearFlags() {
    asm volatile("fnclex" : : : "memory");
    writeMxcsr(readMxcsr() & ~detail::kFaultBits);
}

unsigned unmaskedBy(std::uint16_t word) {
    return ~static_cast<unsigned>(word) & detail::kFaultBits;
}

}  // namespace

namespace detail {

namespace {

// The unit as a Guard holds it: the loaded word with every fault masked, MXCSR
// as the runtime left it, and no flag set.
void arm(const GuardState& state) {
    loadWordClean(static_cast<std::uint16_t>(state.loadedWord | kFaultBits));
    writeMxcsr(state.savedMxcsr & ~kFaultBits);
}

// The unit as outside any Guard. Flags left over are either masked ones or were
// already reported; they must not trap under the word that comes back.
void disarm(GuardState& state) {
    loadWordClean(state.loadedWord);
    writeMxcsr(state.savedMxcsr & ~kFaultBits);
    state.unmasked = kFaultBits;
}

}  // namespace

void enterOutermost() {
    GuardState& state = guardState;
    state.loadedWord = x87::readControlWord();
    state.unmasked = unmaskedBy(state.loadedWord);
    // MXCSR stays fully masked as the runtime leaves it; only its flags are
    // ours to watch.
    state.savedMxcsr = readMxcsr();
    arm(state);
}

void leaveOutermost() {
    disarm(guardState);
}

void suspend() {
    throwPendingFault();
    GuardState& state = guardState;
    disarm(state);
    state.depth = 0;
}

void resume(const GuardState& guarded) noexcept {
    guardState = guarded;
    arm(guarded);
}

void raiseIfUnmasked(unsigned flags) {
    const unsigned unmasked =
        guardState.depth > 0 ? guardState.unmasked : unmaskedBy(x87::readControlWord());
    const unsigned faults = flags & unmasked;
    if (faults == 0) {
        return;
    }
    clearFlags();
    // An invalid operation is usually the consequence of an infinity produced
    // just before, so the fault that caused it is reported first.
    if (faults & kZeroDivide) {
        throw EZeroDivide();
    }
    if (faults & kOverflow) {
        throw EOverflow();
    }
    if (faults & kUnderflow) {
        throw EUnderflow();
    }
    static_assert((kInvalid | kDenormal | kPrecision) ==
                  (kFaultBits & ~(kZeroDivide | kOverflow | kUnderflow)));
    throw EInvalidOp();
}

std::uint16_t adoptLoadedWord(std::uint16_t word) {
    GuardState& state = guardState;
    if (state.depth == 0) {
        return word;
    }
    state.loadedWord = word;
    state.unmasked = unmaskedBy(word);
    return static_cast<std::uint16_t>(word | kFaultBits);
}

}  // namespace detail

std::uint16_t loadedControlWord() {
    return detail::guardState.depth > 0 ? detail::guardState.loadedWord : x87::readControlWord();
}

void discardFaults() {
    clearFlags();
}

namespace {

void onFloatingPointTrap(int, siginfo_t* info, void* context) {
    switch (info->si_code) {
        case FPE_FLTDIV:
        case FPE_FLTOVF:
        case FPE_FLTUND:
        case FPE_FLTRES:
        case FPE_FLTINV:
        case FPE_FLTSUB:
            break;
        default: {
            // Integer division and the like cannot be masked: returning would
            // re-run the instruction, which now ends the process the usual way.
            struct sigaction fallback = {};
            fallback.sa_handler = SIG_DFL;
            sigaction(SIGFPE, &fallback, nullptr);
            return;
        }
    }
    auto* ucontext = static_cast<ucontext_t*>(context);
    fpregset_t fpu = ucontext->uc_mcontext.fpregs;
    if (fpu == nullptr) {
        return;
    }
    // The interrupted code resumes with every fault masked and nothing pending:
    // the waiting x87 instruction or the SSE instruction that trapped runs again
    // and produces the default result instead of trapping once more.
    fpu->cwd = static_cast<decltype(fpu->cwd)>(fpu->cwd | detail::kFaultBits);
    // Exception flags, stack fault, error summary and busy.
    fpu->swd = static_cast<decltype(fpu->swd)>(fpu->swd & ~0x80FFu);
    fpu->mxcsr = (fpu->mxcsr | kMxcsrMasks) & ~detail::kFaultBits;
}

}  // namespace

void installTrapSafetyNet() {
    struct sigaction action = {};
    action.sa_sigaction = onFloatingPointTrap;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGFPE, &action, nullptr);
}

}  // namespace tessaron::fp
