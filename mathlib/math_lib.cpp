#include "mathlib/math_lib.h"

#include "mathlib/fp_guard.h"
#include "mathlib/math_errors.h"
#include "mathlib/x87.h"

namespace tessaron {

namespace {

// What the runtime assumes when the unit reports no word at all; the defaults
// of this component compose the same value.
constexpr std::uint16_t kRuntimeDefaultControlWord = 0x1332;

constexpr std::uint32_t kSqrtNegative = 0x10001;
constexpr std::uint32_t kLogNotPositive = 0x10003;
constexpr std::uint32_t kCdivZeroDivisor = 0x30001;

// The processor's instructions, so that results are those of the x87 itself
// rather than of a library approximation.
Extended x87Pi() {
    Extended pi;
    asm volatile("fldpi" : "=t"(pi));
    return pi;
}

Extended x87Sqrt(Extended x) {
    asm volatile("fsqrt" : "+t"(x));
    return x;
}

// log2(x) · log10(2) in one instruction, rounded once.
Extended x87Log10(Extended x) {
    Extended log10Of2;
    asm volatile("fldlg2" : "=t"(log10Of2));
    Extended result;
    asm volatile("fyl2x" : "=t"(result) : "0"(x), "u"(log10Of2) : "st(1)");
    return result;
}

// Two-argument arctangent of (y, x).
Extended x87Atan2(Extended y, Extended x) {
    Extended result;
    asm volatile("fpatan" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}

// fp::checked for what this file computes: all of it is x87 arithmetic, so the
// x87 status word alone tells whether it faulted. MXCSR flags can only come from
// the caller's double arithmetic, which the caller's own checks cover. Reading
// MXCSR as well would double the cost of every check (stmxcsr and fnstsw each
// take about 5 ns on the AMD EPYC this was measured on, and do not overlap).
Extended checked(Extended value) {
    asm volatile("" : "+t"(value));
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=a"(status));
    const unsigned flags = status & fp::detail::guardState.unmasked;
    if (flags != 0) {
        fp::detail::raiseIfUnmasked(flags);
    }
    return value;
}

}  // namespace

TMathLib::TMathLib(TComponent* owner) : TComponent(owner) {
    controlWord_ = ComposeControlWord();
    savedControlWord_ = ReadControlWord();
}

TMathLib::~TMathLib() {
    if (InitializeFPU) {
        LoadControlWord(savedControlWord_);
    }
}

void TMathLib::FinishLoading() {
    TComponent::FinishLoading();
    if (InitializeFPU) {
        controlWord_ = ComposeControlWord();
        LoadControlWord(controlWord_);
    }
}

// The setters store only: the unit sees a change at the next FinishLoading.
void TMathLib::SetInvalidOperationExceptionMask(bool value) {
    if (value != invalidOperationMask_) {
        invalidOperationMask_ = value;
    }
}

void TMathLib::SetDenormalizedOperandExceptionMask(bool value) {
    if (value != denormalizedOperandMask_) {
        denormalizedOperandMask_ = value;
    }
}

void TMathLib::SetZeroDivideExceptionMask(bool value) {
    if (value != zeroDivideMask_) {
        zeroDivideMask_ = value;
    }
}

void TMathLib::SetOverflowExceptionMask(bool value) {
    if (value != overflowMask_) {
        overflowMask_ = value;
    }
}

void TMathLib::SetUnderflowExceptionMask(bool value) {
    if (value != underflowMask_) {
        underflowMask_ = value;
    }
}

void TMathLib::SetPrecisionExceptionMask(bool value) {
    if (value != precisionMask_) {
        precisionMask_ = value;
    }
}

void TMathLib::SetPrecisionControl(TPrecisionControl value) {
    if (value != precisionControl_) {
        precisionControl_ = value;
    }
}

void TMathLib::SetRoundingControl(TRoundingControl value) {
    if (value != roundingControl_) {
        roundingControl_ = value;
    }
}

void TMathLib::SetInfinityControlFlag(bool value) {
    if (value != infinityControl_) {
        infinityControl_ = value;
    }
}

std::uint16_t TMathLib::ComposeControlWord() const {
    unsigned word = 0;
    if (invalidOperationMask_)
        word |= 0x0001;
    if (denormalizedOperandMask_)
        word |= 0x0002;
    if (zeroDivideMask_)
        word |= 0x0004;
    if (overflowMask_)
        word |= 0x0008;
    if (underflowMask_)
        word |= 0x0010;
    if (precisionMask_)
        word |= 0x0020;
    switch (precisionControl_) {
        case TPrecisionControl::SinglePrecision:
            break;
        case TPrecisionControl::DoublePrecision:
            word |= 0x0200;
            break;
        case TPrecisionControl::ExtendedPrecision:
            word |= 0x0300;
            break;
    }
    word |= static_cast<unsigned>(roundingControl_) << 10;
    if (infinityControl_)
        word |= 0x1000;
    return static_cast<std::uint16_t>(word);
}

std::uint16_t TMathLib::ControlWordOrDefault(std::uint16_t word) {
    return x87::sameControlWord(word, 0) ? kRuntimeDefaultControlWord : word;
}

std::uint16_t TMathLib::ReadControlWord() {
    return ControlWordOrDefault(fp::loadedControlWord());
}

void TMathLib::LoadControlWord(std::uint16_t word) {
    x87::reinitializeAndLoad(word);
}

void TMathLib::finished(const TNotifyEvent& own) {
    if (own) {
        own(this);
    }
    if (OnFxFinished) {
        OnFxFinished(this);
    }
}

// Every function below checks its results before anything else sees them:
// under a trapping unit the fault would have ended the function right there,
// before its events and before its own domain checks.

Extended TMathLib::FxPi() {
    fp::Guard guard;
    const Extended pi = checked(x87Pi());
    finished(OnFxPiFinished);
    return pi;
}

Extended TMathLib::FxSqr(Extended x) {
    fp::Guard guard;
    x = fp::pinned(x);
    const Extended square = checked(x * x);
    finished(OnFxSqrFinished);
    return square;
}

Extended TMathLib::FxSqrt(Extended x) {
    fp::Guard guard;
    x = fp::pinned(x);
    Extended root = 0.0L;
    if (x >= 0.0L) {
        root = checked(x87Sqrt(x));
    } else if (ErrorEnable) {
        throw ERealError("Error in FxSqrt. >>>Cannot execute negative number.", kSqrtNegative);
    }
    finished(OnFxSqrtFinished);
    return root;
}

Extended TMathLib::FxLog(Extended x) {
    fp::Guard guard;
    x = fp::pinned(x);
    Extended logarithm = 0.0L;
    if (x > 0.0L) {
        logarithm = checked(x87Log10(x));
    } else if (ErrorEnable) {
        throw ERealError("Error in FxLog. >>>Cannot execute negative number or 0.",
                         kLogNotPositive);
    }
    finished(OnFxLogFinished);
    return logarithm;
}

Extended TMathLib::FxAtan(Extended x) {
    fp::Guard guard;
    x = fp::pinned(x);
    const Extended angle = checked(x87Atan2(x, 1.0L));
    finished(OnFxAtanFinished);
    return angle;
}

Extended TMathLib::FxCabs(const Complex& z) {
    fp::Guard guard;
    const Complex copy = z;
    // Separate statements: the squares must be taken (and fire) in this order.
    const Extended reSquare = FxSqr(copy.Re);
    const Extended imSquare = FxSqr(copy.Im);
    const Extended modulus = FxSqrt(checked(reSquare + imSquare));
    finished(OnFxCabsFinished);
    return modulus;
}

Extended TMathLib::FxCarg(const Complex& z) {
    fp::Guard guard;
    const Complex copy = z;
    Extended angle = 0.0L;
    if (copy.Re != 0.0L) {
        if (copy.Re > 0.0L) {
            angle = FxAtan(checked(copy.Im / copy.Re));
        } else {
            const Extended t = FxAtan(checked(copy.Im / -copy.Re));
            if (copy.Im >= 0.0L) {
                angle = checked(FxPi() - t);
            } else {
                angle = checked(-FxPi() - t);
            }
        }
    } else if (copy.Im > 0.0L) {
        angle = checked(FxPi() / 2.0L);
    } else if (copy.Im < 0.0L) {
        angle = checked(-FxPi() / 2.0L);
    }
    finished(OnFxCargFinished);
    return angle;
}

void TMathLib::FxCadd(const Complex& a, const Complex& b, Complex& result) {
    fp::Guard guard;
    const Complex x = a;
    const Complex y = b;
    const Extended re = checked(x.Re + y.Re);
    const Extended im = checked(x.Im + y.Im);
    result = {re, im};
    finished(OnFxCaddFinished);
}

void TMathLib::FxCmul(const Complex& a, const Complex& b, Complex& result) {
    fp::Guard guard;
    const Complex x = a;
    const Complex y = b;
    const Extended re = checked(x.Re * y.Re - x.Im * y.Im);
    const Extended im = checked(x.Im * y.Re + x.Re * y.Im);
    result = {re, im};
    finished(OnFxCmulFinished);
}

void TMathLib::FxCdiv(const Complex& a, const Complex& b, Complex& result) {
    fp::Guard guard;
    const Complex x = a;
    const Complex y = b;
    const Extended reSquare = FxSqr(y.Re);
    const Extended imSquare = FxSqr(y.Im);
    const Extended d = checked(reSquare + imSquare);
    if (d != 0.0L) {
        const Extended re = checked((x.Re * y.Re + x.Im * y.Im) / d);
        const Extended im = checked((x.Im * y.Re - x.Re * y.Im) / d);
        result = {re, im};
    } else {
        result = {0.0L, 0.0L};
        if (ErrorEnable) {
            throw EComplexError("Function Error in \"FxCdiv\"", kCdivZeroDivisor);
        }
    }
    finished(OnFxCdivFinished);
}

void TMathLib::FxCsqr(const Complex& z, Complex& result) {
    fp::Guard guard;
    FxCmul(z, z, result);
    finished(OnFxCsqrFinished);
}

}  // namespace tessaron
