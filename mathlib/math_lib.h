#pragma once

#include <cstdint>
#include <functional>

#include "mathlib/component.h"
#include "mathlib/extended.h"

namespace tessaron {

struct Complex {
    Extended Re;
    Extended Im;
};

// Called with the component itself as sender. An empty one is skipped.
using TNotifyEvent = std::function<void(TComponent* sender)>;

enum class TPrecisionControl { SinglePrecision = 0, DoublePrecision = 1, ExtendedPrecision = 2 };
enum class TRoundingControl { RoundToNearest = 0, RoundDown = 1, RoundUp = 2, RoundTowardZero = 3 };

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

    Extended FxPi();
    Extended FxSqr(Extended x);
    Extended FxSqrt(Extended x);
    Extended FxLog(Extended x);
    Extended FxAtan(Extended x);
    Extended FxCabs(const Complex& z);
    Extended FxCarg(const Complex& z);
    // The result may be one of the operands.
    void FxCadd(const Complex& a, const Complex& b, Complex& result);
    void FxCmul(const Complex& a, const Complex& b, Complex& result);
    void FxCdiv(const Complex& a, const Complex& b, Complex& result);
    void FxCsqr(const Complex& z, Complex& result);

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
    void finished(const TNotifyEvent& own);

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

}  // namespace tessaron
