// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

#include "mathlib/component.h"
#include "mathlib/extended.h"
#include "mathlib/fp_guard.h"
#include "mathlib/x87_instructions.h"

namespace tessaron {

struct Complex {
    Extended Re;
    Extended Im;
};

// Called with the component itself as sender. An empty one is skipped.
using TNotifyEvent = std::function<void(TComponent* sender)>;

enum class TPrecisionControl { SinglePrecision = 0, DoublePrecision = 1, ExtendedPrecision = 2 };
enum class TRoundingControl { RoundToNearest = 0, RoundDown = 1, RoundUp = 2, RoundTowardZero = 3 };

// Who calls a function. Any caller gets the whole behaviour: a Guard of its
// own when none is open, the finished events when a handler is assigned. A loop
// that runs inside an fp::Guard and has seen that no event has a handler
// (HasEventHandlers) calls the QuietLoop flavour, which leaves both tests, and
// the calls they may lead to, out of the loop: on the x87 any call site, even
// one never taken, costs the loop its registers.
enum class Caller { Any, QuietLoop };

// The numeric component: owns the x87 control word of the GUI thread and
// supplies the real and complex functions of the sweep.
class TMathLib : public TComponent {
  public:
    explicit TMathLib(TComponent* owner);
    ~TMathLib() override;
    void FinishLoading() override;

    // Published properties. The x87 setters only store: a change takes effect at
    // the next FinishLoading.
    bool ErrorEnable = true;
    bool InitializeFPU = true;

    bool InvalidOperationExceptionMask() const { return invalidOperationMask_; }
    void SetInvalidOperationExceptionMask(bool value);
    bool DenormalizedOperandExceptionMask() const { return denormalizedOperandMask_; }
    void SetDenormalizedOperandExceptionMask(bool value);
    bool ZeroDivideExceptionMask() const { return zeroDivideMask_; }
    void SetZeroDivideExceptionMask(bool value);
    bool OverflowExceptionMask() const { return overflowMask_; }
    void SetOverflowExceptionMask(bool value);
    bool UnderflowExceptionMask() const { return underflowMask_; }
    void SetUnderflowExceptionMask(bool value);
    bool PrecisionExceptionMask() const { return precisionMask_; }
    void SetPrecisionExceptionMask(bool value);
    TPrecisionControl PrecisionControl() const { return precisionControl_; }
    void SetPrecisionControl(TPrecisionControl value);
    TRoundingControl RoundingControl() const { return roundingControl_; }
    void SetRoundingControl(TRoundingControl value);
    bool InfinityControlFlag() const { return infinityControl_; }
    void SetInfinityControlFlag(bool value);

    std::uint16_t ControlWord() const { return controlWord_; }
    std::uint16_t SavedControlWord() const { return savedControlWord_; }

    TNotifyEvent OnFxFinished;
    TNotifyEvent OnFxPiFinished;
    TNotifyEvent OnFxSqrFinished;
    TNotifyEvent OnFxSqrtFinished;
    TNotifyEvent OnFxLogFinished;
    TNotifyEvent OnFxAtanFinished;
    TNotifyEvent OnFxCabsFinished;
    TNotifyEvent OnFxCargFinished;
    TNotifyEvent OnFxCaddFinished;
    TNotifyEvent OnFxCmulFinished;
    TNotifyEvent OnFxCdivFinished;
    TNotifyEvent OnFxCsqrFinished;

    template <Caller E = Caller::Any>
    Extended FxPi();
    template <Caller E = Caller::Any>
    Extended FxSqr(Extended x);
    template <Caller E = Caller::Any>
    Extended FxSqrt(Extended x);
    template <Caller E = Caller::Any>
    Extended FxLog(Extended x);
    template <Caller E = Caller::Any>
    Extended FxAtan(Extended x);
    template <Caller E = Caller::Any>
    Extended FxCabs(const Complex& z);
    template <Caller E = Caller::Any>
    Extended FxCarg(const Complex& z);
    // The result may be one of the operands.
    template <Caller E = Caller::Any>
    void FxCadd(const Complex& a, const Complex& b, Complex& result);
    template <Caller E = Caller::Any>
    void FxCmul(const Complex& a, const Complex& b, Complex& result);
    template <Caller E = Caller::Any>
    void FxCdiv(const Complex& a, const Complex& b, Complex& result);
    template <Caller E = Caller::Any>
    void FxCsqr(const Complex& z, Complex& result);

    // True when any finished event has a handler.
    bool HasEventHandlers() const;

    // The word the properties describe (bits 6, 7 and 13-15 stay 0).
    std::uint16_t ComposeControlWord() const;

  protected:
    // The unit's current word, or the runtime's default 0x1332 if it reads 0.
    // Inside an fp::Guard this is the word the Guard restores, not the masked one.
    static std::uint16_t ReadControlWord();
    // The read-back rule on its own: a word that reads as 0 (bit 6 ignored, it
    // always reads back as 1) stands for the runtime's default word.
    static std::uint16_t ControlWordOrDefault(std::uint16_t word);
    static void LoadControlWord(std::uint16_t word);

  private:
    // Inside a computation's fp::Guard the functions leave the fault test to the
    // computation's next formula boundary, which keeps the sweep close to bare
    // x87 speed. They test at once wherever the difference could be seen: before
    // an event handler runs, before raising their own domain error, and when
    // called on their own, outside any Guard.
    template <Caller E, class... Results>
    void finished(const TNotifyEvent& own, const Results&... results);
    void fire(const TNotifyEvent& own);
    [[noreturn]] static void raiseRealError(const char* message, std::uint32_t code);
    [[noreturn]] static void raiseComplexError();

    bool invalidOperationMask_ = false;
    bool denormalizedOperandMask_ = true;
    bool zeroDivideMask_ = false;
    bool overflowMask_ = false;
    bool underflowMask_ = true;
    bool precisionMask_ = true;
    TPrecisionControl precisionControl_ = TPrecisionControl::ExtendedPrecision;
    TRoundingControl roundingControl_ = TRoundingControl::RoundToNearest;
    bool infinityControl_ = true;
    std::uint16_t savedControlWord_ = 0;
    std::uint16_t controlWord_ = 0;
};

namespace fp {
inline void settle(const Complex& z) {
    settle(z.Re);
    settle(z.Im);
}
}  // namespace fp

// The functions are defined here so that a sweep's calls inline into its loop
// and keep their operands in x87 registers.

template <Caller E, class... Results>
inline void TMathLib::finished(const TNotifyEvent& own, const Results&... results) {
    if constexpr (E == Caller::Any) {
        if (own || OnFxFinished) [[unlikely]] {
            (fp::settle(results), ...);
            fp::throwPendingX87Fault();
            fire(own);
        }
    }
}

template <Caller E>
inline Extended TMathLib::FxPi() {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxPi<E>());
    }
    const Extended pi = x87::pi();
    finished<E>(OnFxPiFinished, pi);
    return pi;
}

template <Caller E>
inline Extended TMathLib::FxSqr(Extended x) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxSqr<E>(fp::pinned(x)));
    }
    const Extended square = x * x;
    finished<E>(OnFxSqrFinished, square);
    return square;
}

template <Caller E>
inline Extended TMathLib::FxSqrt(Extended x) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxSqrt<E>(fp::pinned(x)));
    }
    Extended root = 0;
    if (x >= 0) {
        root = x87::sqrt(x);
    } else if (ErrorEnable) {
        raiseRealError("Error in FxSqrt. >>>Cannot execute negative number.", 0x10001);
    }
    finished<E>(OnFxSqrtFinished, root);
    return root;
}

template <Caller E>
inline Extended TMathLib::FxLog(Extended x) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxLog<E>(fp::pinned(x)));
    }
    Extended logarithm = 0;
    if (x > 0) {
        logarithm = x87::log10(x);
    } else if (ErrorEnable) {
        raiseRealError("Error in FxLog. >>>Cannot execute negative number or 0.", 0x10003);
    }
    finished<E>(OnFxLogFinished, logarithm);
    return logarithm;
}

template <Caller E>
inline Extended TMathLib::FxAtan(Extended x) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxAtan<E>(fp::pinned(x)));
    }
    const Extended angle = x87::atan2(x, 1.0L);
    finished<E>(OnFxAtanFinished, angle);
    return angle;
}

template <Caller E>
inline Extended TMathLib::FxCabs(const Complex& z) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxCabs<E>(z));
    }
    // Separate statements: the squares are taken (and fire) in this order.
    const Extended reSquare = FxSqr<E>(z.Re);
    const Extended imSquare = FxSqr<E>(z.Im);
    const Extended modulus = FxSqrt<E>(reSquare + imSquare);
    finished<E>(OnFxCabsFinished, modulus);
    return modulus;
}

template <Caller E>
inline Extended TMathLib::FxCarg(const Complex& z) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        return fp::checkedX87(FxCarg<E>(z));
    }
    const Complex c = z;
    Extended angle = 0;
    if (c.Re != 0) {
        if (c.Re > 0) {
            angle = FxAtan<E>(c.Im / c.Re);
        } else {
            // The arctangent is taken before pi, and fires first.
            const Extended t = FxAtan<E>(c.Im / -c.Re);
            angle = c.Im >= 0 ? FxPi<E>() - t : -FxPi<E>() - t;
        }
    } else if (c.Im > 0) {
        angle = FxPi<E>() / 2;
    } else if (c.Im < 0) {
        angle = -FxPi<E>() / 2;
    }
    finished<E>(OnFxCargFinished, angle);
    return angle;
}

template <Caller E>
inline void TMathLib::FxCadd(const Complex& a, const Complex& b, Complex& result) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        FxCadd<E>(a, b, result);
        fp::checkedX87(result);
        return;
    }
    const Complex x = a;
    const Complex y = b;
    result = {x.Re + y.Re, x.Im + y.Im};
    finished<E>(OnFxCaddFinished, result);
}

template <Caller E>
inline void TMathLib::FxCmul(const Complex& a, const Complex& b, Complex& result) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        FxCmul<E>(a, b, result);
        fp::checkedX87(result);
        return;
    }
    const Complex x = a;
    const Complex y = b;
    result = {x.Re * y.Re - x.Im * y.Im, x.Im * y.Re + x.Re * y.Im};
    finished<E>(OnFxCmulFinished, result);
}

template <Caller E>
inline void TMathLib::FxCdiv(const Complex& a, const Complex& b, Complex& result) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        FxCdiv<E>(a, b, result);
        fp::checkedX87(result);
        return;
    }
    const Complex x = a;
    const Complex y = b;
    const Extended reSquare = FxSqr<E>(y.Re);
    const Extended imSquare = FxSqr<E>(y.Im);
    const Extended d = reSquare + imSquare;
    if (d == 0) [[unlikely]] {
        result = {0, 0};
        if (ErrorEnable) {
            raiseComplexError();
        }
    } else {
        result = {(x.Re * y.Re + x.Im * y.Im) / d, (x.Im * y.Re - x.Re * y.Im) / d};
    }
    finished<E>(OnFxCdivFinished, result);
}

template <Caller E>
inline void TMathLib::FxCsqr(const Complex& z, Complex& result) {
    if (E == Caller::Any && !fp::insideGuard()) [[unlikely]] {
        fp::Guard guard;
        FxCsqr<E>(z, result);
        fp::checkedX87(result);
        return;
    }
    FxCmul<E>(z, z, result);
    finished<E>(OnFxCsqrFinished, result);
}

}  // namespace tessaron
