// Runs a series of steps to the end although one fails, and tells the first failure afterwards:
// for cleaning that should remove as much as it can and still say that something stayed.
#pragma once

#include <functional>
#include <optional>

#include "platform/AppError.h"

class FirstFailure {
  public:
    void Attempt(const std::function<void()>& step) {
        try {
            step();
        } catch (const AppError& failure) {
            if (!first_) first_ = failure;
        }
    }
    // Raises the first failure of the steps attempted, if one failed.
    void Raise() const {
        if (first_) throw *first_;
    }

  private:
    std::optional<AppError> first_;
};
