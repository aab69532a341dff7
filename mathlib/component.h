// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace tessaron {

// A minimal owned component: the owner destroys what it owns and tells each one
// when its stored properties have been set (FinishLoading). Keeps the numeric
// core free of any GUI toolkit. A component with an owner must be created with
// `new`: the owner deletes it. One destroyed earlier leaves its owner's list.
class TComponent {
  public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }

    // Run by the owner once, after it has set the component's stored properties.
    virtual void FinishLoading();

    // Runs FinishLoading on every owned component, in creation order.
    void FinishLoadingOwned();

  private:
    TComponent* owner_;
    std::vector<TComponent*> owned_;
};

}  // namespace tessaron
