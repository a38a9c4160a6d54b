#include <gtest/gtest.h>

#include <memory>

#include "ShutdownFilesGuard.h"

namespace {

// Every main window a test loads registers the program and installs the shut-down cleaning;
// the whole test program leaves the prefix as it found it.
class ShutdownFilesEnvironment : public testing::Environment {
  public:
    void SetUp() override { guard_ = std::make_unique<ShutdownFilesGuard>(); }
    void TearDown() override { guard_.reset(); }

  private:
    std::unique_ptr<ShutdownFilesGuard> guard_;
};

[[maybe_unused]] testing::Environment* const kShutdownFiles =
    testing::AddGlobalTestEnvironment(new ShutdownFilesEnvironment);

}  // namespace
