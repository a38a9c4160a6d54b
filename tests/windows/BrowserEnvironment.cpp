// Every Windows test program runs with Internet Explorer registered as the default browser,
// so that the main window's internet items are enabled as on a user's machine; tests of other
// browsers register theirs on top. The prefix's own registration is restored at the end.
#include <gtest/gtest.h>

#include <memory>

#include "RegistryOverride.h"

namespace {

class BrowserEnvironment : public testing::Environment {
  public:
    void SetUp() override { explorer_ = std::make_unique<ExplorerRegistered>(); }
    void TearDown() override { explorer_.reset(); }

  private:
    std::unique_ptr<ExplorerRegistered> explorer_;
};

[[maybe_unused]] testing::Environment* const kBrowser =
    testing::AddGlobalTestEnvironment(new BrowserEnvironment);

}  // namespace
