#include "saver/framework/screen_area.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace verdant {
namespace {

// A platform's metrics; every metric read is recorded, unknown ones are 0.
class FakeMetrics : public ScreenMetrics {
 public:
  explicit FakeMetrics(std::map<int, int> values) : values_(std::move(values)) {}
  int GetSystemMetrics(int index) override {
    read.push_back(index);
    auto found = values_.find(index);
    return found == values_.end() ? 0 : found->second;
  }
  std::vector<int> read;

 private:
  std::map<int, int> values_;
};

TEST(SaverScreenAreaTest, OneMonitorIsThePrimaryScreenReadAsAlways) {
  FakeMetrics metrics({{kSmCMonitors, 1},
                       {kSmCxScreen, 1024},
                       {kSmCyScreen, 768},
                       {kSmCxVirtualScreen, 1024},
                       {kSmCyVirtualScreen, 768}});
  EXPECT_EQ(SaverScreenArea(metrics), (ScreenArea{0, 0, 1024, 768}));
  EXPECT_EQ(metrics.read, (std::vector<int>{kSmCMonitors, kSmCxScreen, kSmCyScreen}));
}

TEST(SaverScreenAreaTest, SeveralMonitorsGiveTheVirtualScreenWhereverItStarts) {
  // A second monitor left of and above the primary one puts the origin at negative values.
  FakeMetrics metrics({{kSmCMonitors, 2},
                       {kSmCxScreen, 1280},
                       {kSmCyScreen, 1024},
                       {kSmXVirtualScreen, -1024},
                       {kSmYVirtualScreen, -256},
                       {kSmCxVirtualScreen, 2304},
                       {kSmCyVirtualScreen, 1280}});
  EXPECT_EQ(SaverScreenArea(metrics), (ScreenArea{-1024, -256, 2304, 1280}));
}

TEST(SaverScreenAreaTest, APlatformThatCountsNoMonitorsGetsThePrimaryScreen) {
  FakeMetrics metrics({{kSmCxScreen, 800}, {kSmCyScreen, 600}});
  EXPECT_EQ(SaverScreenArea(metrics), (ScreenArea{0, 0, 800, 600}));
}

}  // namespace
}  // namespace verdant
