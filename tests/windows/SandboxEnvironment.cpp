// Every Windows test program runs with its temporary folder and its Recent folder in the
// sandbox, so that a clean run started by any test never empties the prefix's own folders.
#include <gtest/gtest.h>

#include <memory>

#include "Sandbox.h"

namespace {

class SandboxEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        temp_ = std::make_unique<SandboxFolder>("run-temp");
        recent_ = std::make_unique<SandboxFolder>("run-recent");
        tempRedirect_ = std::make_unique<TempRedirect>(temp_->Path());
        recentRedirect_ = std::make_unique<RecentRedirect>(recent_->Path());
    }
    void TearDown() override {
        recentRedirect_.reset();
        tempRedirect_.reset();
        recent_.reset();
        temp_.reset();
    }

  private:
    std::unique_ptr<SandboxFolder> temp_, recent_;
    std::unique_ptr<TempRedirect> tempRedirect_;
    std::unique_ptr<RecentRedirect> recentRedirect_;
};

[[maybe_unused]] testing::Environment* const kSandbox =
    testing::AddGlobalTestEnvironment(new SandboxEnvironment);

}  // namespace
