#pragma once
// A settings root in memory, a set key whose writes and deletes are logged in order together
// with the page's notifications, and framework services that play the editor's own-key operation
// (a secondary set without a key starts as a copy of the values of the key standing in).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/options/clock_page_model.h"
#include "engine/registry/memory_registry.h"
#include "engine/registry/registry_access.h"
#include "engine/settings/settings_paths.h"
#include "tests/support/registry_decorators.h"

namespace zembrik::testing {

using EventLog = std::vector<std::u16string>;

// Logs "set NAME" and "del NAME" for every value written or deleted through it.
class LoggingKey final : public ForwardingKey {
 public:
  LoggingKey(std::unique_ptr<RegistryKey> inner, EventLog& log)
      : ForwardingKey(std::move(inner)), log_(log) {}
  RegStatus setValue(std::u16string_view name, RegType type,
                     std::span<const std::uint8_t> data) override {
    log_.push_back(u"set " + std::u16string(name));
    return ForwardingKey::setValue(name, type, data);
  }
  RegStatus deleteValue(std::u16string_view name) override {
    RegStatus status = ForwardingKey::deleteValue(name);
    if (status == RegStatus::Ok)
      log_.push_back(u"del " + std::u16string(name));
    return status;
  }

 private:
  EventLog& log_;
};

class FakeClockPageServices final : public ClockPageServices {
 public:
  FakeClockPageServices(RegistryKey& root, EventLog& log) : root_(root), log_(log) {}

  // Selects a set: `ownName` is the set's own key, `standIn` the key used while it has none.
  void selectSet(std::int32_t set, std::u16string ownName, std::u16string standIn = {}) {
    set_ = set;
    ownName_ = std::move(ownName);
    standIn_ = standIn.empty() ? ownName_ : std::move(standIn);
    key_.reset();
    fallback_ = false;
    OpenedKey own = root_.openSubkey(ownName_, kKeyReadWrite);
    if (own.key || standIn_ == ownName_) {
      if (!own.key)
        own = root_.createSubkey(ownName_, kKeyReadWrite, KeyLifetime::Persistent);
      key_ = logged(std::move(own.key));
    } else {
      key_ = logged(root_.createSubkey(standIn_, kKeyReadWrite, KeyLifetime::Persistent).key);
      fallback_ = true;
    }
  }

  RegistryKey* setKey() override { return key_.get(); }

  OwnKey makeSureOfOwnKey() override {
    if (failOwnKey)
      return {};
    if (!fallback_)
      return {key_.get(), false};
    std::unique_ptr<RegistryKey> own =
        root_.createSubkey(ownName_, kKeyReadWrite, KeyLifetime::Persistent).key;
    for (std::uint32_t i = 0;; ++i) {
      RegEnumEntry entry;
      if (key_->enumValue(i, 1024, entry) != RegStatus::Ok)
        break;
      RegValue value;
      key_->queryValue(entry.name, 20480, value);
      own->setValue(entry.name, value.type, value.data);
    }
    key_ = logged(std::move(own));
    fallback_ = false;
    log_.push_back(u"own key");
    return {key_.get(), true};
  }

  void notifyClock(int scope) override {
    log_.push_back(u"notify " + std::u16string(1, static_cast<char16_t>(u'0' + scope)));
  }
  std::int32_t currentSet() const override { return set_; }
  int measuredClockHeight() const override { return height; }
  std::u16string fontDescription(std::u16string_view spec) const override {
    return u"[" + std::u16string(spec) + u"]";
  }

  int height = 40;
  bool failOwnKey = false;

 private:
  std::unique_ptr<RegistryKey> logged(std::unique_ptr<RegistryKey> key) {
    return std::make_unique<LoggingKey>(std::move(key), log_);
  }

  RegistryKey& root_;
  EventLog& log_;
  std::int32_t set_ = 0;
  std::u16string ownName_;
  std::u16string standIn_;
  bool fallback_ = false;
  std::unique_ptr<RegistryKey> key_;
};

class ClockPageFixture : public ::testing::Test {
 protected:
  ClockPageFixture() { services.selectSet(0, u"horizontal"); }

  std::unique_ptr<RegistryKey> setKey(std::u16string_view name) {
    return root->createSubkey(name, kKeyReadWrite, KeyLifetime::Persistent).key;
  }
  // Stores a layout by hand, as another program (or an older version) left it.
  void store(std::u16string_view keyName, int columns, int rows,
             std::initializer_list<std::pair<std::u16string_view, std::u16string_view>> texts) {
    auto key = setKey(keyName);
    writeNumber(*key, u"nColumns", static_cast<std::uint32_t>(columns));
    writeNumber(*key, u"nRows", static_cast<std::uint32_t>(rows));
    for (const auto& [name, text] : texts) writeText(*key, name, text);
  }
  std::u16string text(std::u16string_view keyName, std::u16string_view value) {
    return readText(*setKey(keyName), value).value_or(u"<absent>");
  }
  std::optional<std::uint32_t> number(std::u16string_view keyName, std::u16string_view value) {
    return readNumber(*setKey(keyName), value);
  }
  // Loads the selected set into an initialised page and forgets what loading logged.
  void open() {
    page.afterSelectClockSet(true);
    page.markInitialised();
    log.clear();
  }
  void selectCell(int row, int column) { page.select({row, column, row, column, row, column, 1}); }
  void selectColumn(int column) {
    page.select({0, column, page.layout().rows - 1, column, 0, column, page.layout().rows});
  }
  void selectRow(int row) {
    page.select({row, 0, row, page.layout().columns - 1, row, 0, page.layout().columns});
  }
  // Every notification comes once, after the last write.
  void expectOneNotificationLast() {
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), u"notify 0");
    EXPECT_EQ(std::count(log.begin(), log.end(), u"notify 0"), 1);
  }

  MemoryRegistry registry;
  std::unique_ptr<RegistryKey> user = registry.currentUser();
  std::unique_ptr<RegistryKey> root =
      user->createSubkey(kSettingsRootPath, kKeyReadWrite, KeyLifetime::Persistent).key;
  EventLog log;
  FakeClockPageServices services{*root, log};
  ClockPageModel page{services};
};

}  // namespace zembrik::testing
