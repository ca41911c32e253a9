#pragma once
// The configuration dialog's controls for tests.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "saver/framework/config_dialog_model.h"

namespace verdant::testing {

// Combo boxes and edit fields as the platform keeps them: a list with a selection that an
// index outside the list clears, and text that SetDlgItemInt writes as unsigned decimal.
class FakeDialog : public DialogControls {
 public:
  MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w,
                                    MessageLParam) override {
    auto& list = lists[id];
    if (message == kCbSetCurSel) {
      list.selection = w < list.items.size() ? static_cast<MessageResult>(w) : kCbErr;
      return list.selection;
    }
    if (message == kCbGetCurSel) return list.selection;
    ADD_FAILURE() << "unexpected message " << message;
    return 0;
  }
  MessageResult SendDlgItemMessageA(int id, unsigned message, MessageWParam w,
                                    const std::string& text) override {
    EXPECT_EQ(message, kCbInsertString);
    auto& items = lists[id].items;
    EXPECT_EQ(w, items.size()) << "items go in at positions 0, 1, 2, ...";
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(w), text);
    return static_cast<MessageResult>(w);
  }
  void EnableWindow(int id, bool enable) override { disabled[id] = !enable; }
  void SetDlgItemInt(int id, unsigned value) override { texts[id] = std::to_string(value); }
  std::string GetDlgItemTextA(int id) override { return texts[id]; }

  // What the user does.
  void Pick(int id, MessageResult position) { lists[id].selection = position; }
  std::string Shown(int id) {
    auto& list = lists[id];
    return list.selection == kCbErr ? "" : list.items[static_cast<std::size_t>(list.selection)];
  }

  struct List {
    std::vector<std::string> items;
    MessageResult selection = kCbErr;
  };
  std::map<int, List> lists;
  std::map<int, bool> disabled;
  std::map<int, std::string> texts;
};

}  // namespace verdant::testing
