// SPDX-License-Identifier: GPL-3.0-or-later

#include "mathlib/component.h"

#include <algorithm>

namespace tessaron {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_ != nullptr) {
        owner_->owned_.push_back(this);
    }
}

TComponent::~TComponent() {
    // Last created goes first, so a component never outlives one it was built
    // after. Each one unregisters itself on the way out.
    while (!owned_.empty()) {
        delete owned_.back();
    }
    if (owner_ != nullptr) {
        auto& siblings = owner_->owned_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TComponent::FinishLoading() {}

void TComponent::FinishLoadingOwned() {
    // By index: a FinishLoading may create further owned components.
    for (std::size_t i = 0; i < owned_.size(); ++i) {
        owned_[i]->FinishLoading();
    }
}

}  // namespace tessaron
