#pragma once

#include "ui/EditingPage.h"

namespace parvalon::host {

// The Dashboard page: clients waiting for approval and the pairing PIN, the connection and
// system cards, and the window list whose items start and stop the dashboard's streams.
class DashboardPage : private EditingPage {
 public:
  using EditingPage::EditingPage;

  // Main thread, inside a Dear ImGui frame.
  void draw();

 private:
  // "Allow <name> at <address>?" with Allow and Deny per waiting client, and the PIN.
  void drawApprovalPrompts();
  void drawConnectionCard();
  void drawSystemCard();
  void drawWindowList();
};

}  // namespace parvalon::host
