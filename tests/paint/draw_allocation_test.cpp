// A draw pass in which nothing changed size allocates nothing: every allocation of the process
// is counted while the default faces are painted second after second.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "engine/settings/face_loading.h"
#include "tests/paint/paint_fixture.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* allocate(std::size_t size) {
  if (counting)
    ++allocations;
  if (void* block = std::malloc(size == 0 ? 1 : size))
    return block;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return allocate(size);
  } catch (...) {
    return nullptr;
  }
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete[](void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
  std::free(block);
}

namespace zembrik::testing {
namespace {

struct FaceCase {
  const char* name;
  bool vertical;
  int height;
};

class DrawAllocations : public PaintFixture, public ::testing::WithParamInterface<FaceCase> {
 protected:
  RecordingSurfaceFactory quietSurfaces{&fontFactory, /*record=*/false};
  FacePainter quietPainter{quietSurfaces};
};

TEST_P(DrawAllocations, NoneWhenNothingChangedSize) {
  const FaceCase& c = GetParam();
  clock.placement.vertical = c.vertical;
  clock.placement.windowHeight = c.height;
  buildDefaultFace(clock, fonts, zones);
  addCell(u"'ss:'ss");  // a text that changes at every paint
  clock.columnMetrics.assign(static_cast<std::size_t>(clock.columns), ColumnMetrics{});
  RecordingSurface window{{200, 200}, nullptr, /*record=*/false};

  setTime(23, 59, 58);
  PackedSize size = quietPainter.measure(clock, inputs()).size;
  Size client{packedWidth(size), c.height};
  for (int second = 58; second < 60; ++second) {  // the first paints fill the buffers
    setTime(23, 59, second);
    quietPainter.draw(clock, inputs(), window, client);
  }

  allocations = 0;
  counting = true;
  for (int minute = 0; minute < 3; ++minute) {
    for (int second = 0; second < 60; ++second) {
      setTime(0, minute, second);
      quietPainter.draw(clock, inputs(), window, client);
    }
  }
  counting = false;
  EXPECT_EQ(allocations.load(), 0);
}

INSTANTIATE_TEST_SUITE_P(DefaultFaces, DrawAllocations,
                         ::testing::Values(FaceCase{"horizontal_24", false, 24},
                                           FaceCase{"horizontal_40", false, 40},
                                           FaceCase{"vertical", true, 80}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace zembrik::testing
