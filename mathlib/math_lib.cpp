// SPDX-License-Identifier: GPL-3.0-or-later

#include "mathlib/math_lib.h"

#include "mathlib/fp_guard.h"
#include "mathlib/math_errors.h"
#include "mathlib/x87.h"

namespace tessaron {

namespace {

// What the runtime assumes when the unit reports no word at all; the defaults
// of this component compose the same value.
constexpr std::uint16_t kRuntimeDefaultControlWord = 0x1332;

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

bool TMathLib::HasEventHandlers() const {
    for (const TNotifyEvent* event :
         {&OnFxFinished, &OnFxPiFinished, &OnFxSqrFinished, &OnFxSqrtFinished, &OnFxLogFinished,
          &OnFxAtanFinished, &OnFxCabsFinished, &OnFxCargFinished, &OnFxCaddFinished,
          &OnFxCmulFinished, &OnFxCdivFinished, &OnFxCsqrFinished}) {
        if (*event) {
            return true;
        }
    }
    return false;
}

void TMathLib::fire(const TNotifyEvent& own) {
    if (own) {
        own(this);
    }
    if (OnFxFinished) {
        OnFxFinished(this);
    }
    // A handler is the program's own code and runs inside the caller's Guard:
    // a fault of its arithmetic is its own, raised here rather than at the
    // caller's next formula. (A handler that calls the window opens a
    // ForeignCall, as every call out of a Guard does.)
    fp::throwPendingFault();
}

// A fault pending from the arithmetic before a domain error would have trapped
// first, so it is the one reported.
void TMathLib::raiseRealError(const char* message, std::uint32_t code) {
    fp::throwPendingX87Fault();
    throw ERealError(message, code);
}

void TMathLib::raiseComplexError() {
    fp::throwPendingX87Fault();
    throw EComplexError("Function Error in \"FxCdiv\"", 0x30001);
}

}  // namespace tessaron
