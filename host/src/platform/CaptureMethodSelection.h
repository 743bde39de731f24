#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/CaptureSource.h"

namespace parvalon::host::platform {

// Window capture over several capture methods, best first: the first method whose factory says
// it is supported serves every capture of the process. The choice is made once, at the first
// question, and logged once with the reason each better method was passed over.
class CaptureMethodSelection final : public CaptureSourceFactory {
 public:
  struct Method {
    std::string name;  // how the log and the dashboard name it ("GDI")
    std::shared_ptr<CaptureSourceFactory> factory;
  };

  explicit CaptureMethodSelection(std::vector<Method> methods);

  // The chosen method's name; empty when no method is supported.
  std::string chosenName();

  // Supported when one method is; otherwise `reason` lists why each one is not.
  bool isSupported(std::string& reason) override;
  // "  Capture Method: <name>" and the chosen method's own lines; without one, why each failed.
  std::vector<std::string> diagnostics() override;
  std::unique_ptr<CaptureSource> create(WindowHandle window, const CaptureOptions& options,
                                        std::string& error) override;

 private:
  // Asks each method in order until one is supported (once); returns the chosen one or null.
  const Method* choose();

  // Guards the choice; taken by every thread that starts a capture or asks for the method.
  std::mutex mutex_;
  std::vector<Method> methods_;
  bool chosen_ = false;
  const Method* method_ = nullptr;
  std::string unsupportedReason_;  // every method's reason, when none is supported
};

}  // namespace parvalon::host::platform
