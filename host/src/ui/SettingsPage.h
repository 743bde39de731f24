#pragma once

#include "ui/EditingPage.h"

namespace parvalon::host {

// The Settings page: the ports, the trusted headsets, the startup switches and the reset.
class SettingsPage : private EditingPage {
 public:
  using EditingPage::EditingPage;

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  void drawTrustedClients();
};

}  // namespace parvalon::host
