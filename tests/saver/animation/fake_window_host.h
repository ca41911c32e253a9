#pragma once
// A saver window for the cycle's tests: hands out one recording surface as its context and
// records the window calls in order.
#include <string>
#include <vector>

#include "saver/animation/profile_store.h"
#include "saver/animation/saver_window_host.h"
#include "tests/saver/fakes/recording_surface.h"

namespace verdant::testing {

class FakeWindowHost : public SaverWindowHost {
 public:
  DrawingSurface* GetDC() override {
    events.push_back("GetDC");
    return context_available ? &surface : nullptr;
  }
  void ReleaseDC(DrawingSurface*) override { events.push_back("ReleaseDC"); }
  void DeleteObject(GdiHandle object) override {
    events.push_back("DeleteObject");
    surface.DeleteObject(object);
  }
  int ScreenWidth() override { return width; }
  int ScreenHeight() override { return height; }
  void SetTimer(unsigned id, unsigned period_ms) override {
    events.push_back("SetTimer " + std::to_string(id) + " " + std::to_string(period_ms));
  }
  void KillTimer(unsigned id) override { events.push_back("KillTimer " + std::to_string(id)); }
  void MessageBoxA(const std::string& text, const std::string& caption) override {
    events.push_back("MessageBoxA " + text + " | " + caption);
  }
  void SendDestroy() override { events.push_back("SendDestroy"); }
  std::int64_t Time() override { return time; }

  RecordingSurface surface;
  bool context_available = true;
  int width = 1024;
  int height = 768;
  std::int64_t time = 1000;
  std::vector<std::string> events;
};

// A profile file in memory: values by key, every read and write in order.
class FakeProfileStore : public ProfileStore {
 public:
  int GetPrivateProfileIntA(const std::string& section, const std::string& key, int default_value,
                            const std::string& file) override {
    reads.push_back(section + "/" + key + "/" + std::to_string(default_value) + "/" + file);
    auto found = values.find(key);
    return found == values.end() ? default_value : found->second;
  }
  bool WritePrivateProfileStringA(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) override {
    writes.push_back(section + "/" + key + "=" + value + "/" + file);
    return true;
  }

  std::map<std::string, int> values;
  std::vector<std::string> reads;
  std::vector<std::string> writes;
};

}  // namespace verdant::testing
