#pragma once

#include "ui/EditingPage.h"

namespace parvalon::host {

// The Input page: controller input and tracking forwarding.
class InputPage : private EditingPage {
 public:
  using EditingPage::EditingPage;

  // Main thread, inside a Dear ImGui frame.
  void draw();
};

}  // namespace parvalon::host
