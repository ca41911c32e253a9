#include "saver/framework/screen_area.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace verdant {
namespace {

// A platform's metrics; unknown ones are 0.
class FakeMetrics : public ScreenMetrics {
 public:
  explicit FakeMetrics(std::map<int, int> values) : values_(std::move(values)) {}
  int GetSystemMetrics(int index) override {
    auto found = values_.find(index);
    return found == values_.end() ? 0 : found->second;
  }

 private:
  std::map<int, int> values_;
};

TEST(SaverScreenAreaTest, VirtualScreenOnlyWithSeveralMonitors) {
  // The virtual screen differs from the primary one in each case, so a wrong choice shows.
  const std::map<int, int> virtual_screen = {{kSmXVirtualScreen, -1024}, {kSmYVirtualScreen, -256},
                                             {kSmCxVirtualScreen, 2304}, {kSmCyVirtualScreen, 1280},
                                             {kSmCxScreen, 1280},        {kSmCyScreen, 1024}};
  // No monitor count at all is a platform that predates several monitors.
  for (const auto& [monitors, expected] :
       {std::pair{0, ScreenArea{0, 0, 1280, 1024}}, std::pair{1, ScreenArea{0, 0, 1280, 1024}},
        std::pair{2, ScreenArea{-1024, -256, 2304, 1280}}}) {
    std::map<int, int> values = virtual_screen;
    values[kSmCMonitors] = monitors;
    FakeMetrics metrics(values);
    EXPECT_EQ(SaverScreenArea(metrics), expected) << monitors << " monitors";
  }
}

}  // namespace
}  // namespace verdant
