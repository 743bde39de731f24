#include "app/HostCommandLine.h"

#include <fmt/format.h>

#include <ParvalonVersion.h>

#include "app/Settings.h"
#include "protocol/DefaultPorts.h"
#include "protocol/DiscoveryMessages.h"

namespace parvalon::host {

std::optional<HostCommandLine::Answer> HostCommandLine::answer(const std::vector<std::string>& args,
                                                               const Folders& folders) {
  if (args.empty()) return std::nullopt;
  const bool help = args[0] == "--help" || args[0] == "-h";
  const bool version = args[0] == "--version";
  if (args.size() == 1 && help) return Answer{helpText(folders), false, 0};
  if (args.size() == 1 && version) return Answer{versionText(), false, 0};
  // Each option stands alone: after one, any further argument is the unexpected one.
  const std::string& unexpected = help || version ? args[1] : args[0];
  return Answer{fmt::format("ParvalonHost: unexpected argument '{}'\n{}", unexpected, helpText(folders)), true,
                kUsageExitCode};
}

std::string HostCommandLine::versionText() { return fmt::format("ParvalonHost {}\n", PARVALON_VERSION); }

std::string HostCommandLine::helpText(const Folders& folders) {
  const std::filesystem::path settings =
      folders.dataFolder ? *folders.dataFolder / "Parvalon" / Settings::kFileName : Settings::kFileName;
  return fmt::format(
      "Usage: ParvalonHost [--help | --version]\n"
      "\n"
      "Parvalon Host streams application windows of this desktop to a VR headset. It opens its\n"
      "dashboard window and waits for the headset: the headset finds it on the local network, picks\n"
      "windows, receives each as H.264/HEVC video with the desktop's sound as Opus, and sends mouse\n"
      "and keyboard input back into the window. Close the dashboard window to stop it.\n"
      "\n"
      "Settings: {}\n"
      "Logs:     {}\n"
      "\n"
      "It listens on (the TCP ports are settings; these are the defaults):\n"
      "  TCP {:5}  signaling (WebSocket)\n"
      "  TCP {:5}  video\n"
      "  TCP {:5}  audio\n"
      "  TCP {:5}  input\n"
      "  UDP {:5}  discovery (fixed)\n"
      "\n"
      "  --help     print this text and exit\n"
      "  --version  print the version and exit\n",
      settings.string(), (folders.logFolder / "ParvalonHost.log").string(), protocol::kDefaultSignalingPort,
      protocol::kDefaultVideoPort, protocol::kDefaultAudioPort, protocol::kDefaultInputPort, protocol::kDiscoveryPort);
}

}  // namespace parvalon::host
