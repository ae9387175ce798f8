#pragma once
// An in-memory registry with Windows' observable rules: value types and sizes, value order,
// case-insensitive names, sorted subkeys, volatile keys (and that a volatile key cannot have a
// persistent child), refusal to delete a key that has subkeys, handles to deleted keys.
// Used by native tests, benchmarks, fuzzers and the command-line tools.
#include <cstdint>
#include <memory>

#include "engine/registry/registry_key.h"

namespace zembrik {

class MemoryRegistry {
 public:
  MemoryRegistry();
  ~MemoryRegistry();
  MemoryRegistry(const MemoryRegistry&) = delete;
  MemoryRegistry& operator=(const MemoryRegistry&) = delete;

  // Full-access handles to the roots of the two hives the programs use.
  std::unique_ptr<RegistryKey> currentUser();
  std::unique_ptr<RegistryKey> localMachine();

  // Drops every volatile key, as a logoff or restart does.
  void restart();

  // How many values were written since construction: tests use it to see that an unchanged
  // value is not written again.
  std::uint64_t valueWrites() const noexcept;

  struct Node;

 private:
  std::shared_ptr<Node> currentUser_;
  std::shared_ptr<Node> localMachine_;
  std::shared_ptr<std::uint64_t> writes_;
};

}  // namespace zembrik
