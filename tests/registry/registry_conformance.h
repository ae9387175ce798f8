#pragma once
// One behaviour suite for every registry backend: the in-memory registry natively, and under
// Wine the in-memory one and the real registry (in a scratch key the backend removes).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/registry/registry_key.h"

namespace zembrik::testing {

// An empty key to test in, removed with everything below it when destroyed.
class ScratchRegistry {
 public:
  virtual ~ScratchRegistry() = default;
  virtual std::unique_ptr<RegistryKey> open() = 0;
};

struct RegistryBackend {
  std::string name;
  std::function<std::unique_ptr<ScratchRegistry>()> make;
};

std::unique_ptr<ScratchRegistry> makeMemoryScratch();

class RegistryConformance : public ::testing::TestWithParam<RegistryBackend> {
 protected:
  void SetUp() override {
    scratch_ = GetParam().make();
    ASSERT_NE(scratch_, nullptr);
    key_ = scratch_->open();
    ASSERT_NE(key_, nullptr);
  }
  void TearDown() override {
    key_.reset();
    scratch_.reset();
  }
  RegistryKey& key() { return *key_; }

 private:
  std::unique_ptr<ScratchRegistry> scratch_;
  std::unique_ptr<RegistryKey> key_;
};

inline std::string backendName(const ::testing::TestParamInfo<RegistryBackend>& info) {
  return info.param.name;
}

}  // namespace zembrik::testing
