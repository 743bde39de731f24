#include "PatternOptions.h"

#include <cstdlib>
#include <string_view>

namespace parvalon::testpattern {
namespace {

bool parseInt(const std::string& text, int& out) {
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || end == nullptr || *end != '\0' || value < -100000 || value > 100000) return false;
  out = static_cast<int>(value);
  return true;
}

}  // namespace

std::optional<PatternOptions> PatternOptions::parse(const std::vector<std::string>& args) {
  PatternOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    const std::string* v = nullptr;
    auto value = [&] {
      if (i + 1 >= args.size()) return false;
      v = &args[++i];
      return true;
    };
    if (arg == "--title" && value()) o.title = *v;
    else if (arg == "--width" && value() && parseInt(*v, o.width) && o.width > 0) {}
    else if (arg == "--height" && value() && parseInt(*v, o.height) && o.height > 0) {}
    else if (arg == "--x" && value() && parseInt(*v, o.x)) o.positioned = true;
    else if (arg == "--y" && value() && parseInt(*v, o.y)) o.positioned = true;
    else if (arg == "--fps" && value() && parseInt(*v, o.fps) && o.fps > 0) {}
    else if (arg == "--input-log" && value()) o.inputLog = *v;
    else if (arg == "--id-file" && value()) o.idFile = *v;
    else if (arg == "--duration" && value()) o.durationS = std::atof(v->c_str());
    else if (arg == "--static") o.animate = false;
    else if (arg == "--blank") { o.blank = true; o.animate = false; }
    else if (arg == "--no-icon") o.icon = false;
    else if (arg == "--override-redirect") o.overrideRedirect = true;
    else if (arg == "--latin1-title") o.latin1Title = true;
    else if (arg == "--min-width" && value() && parseInt(*v, o.minWidth) && o.minWidth >= 0) {}
    else if (arg == "--min-height" && value() && parseInt(*v, o.minHeight) && o.minHeight >= 0) {}
    else if (arg == "--class" && value()) o.windowClass = *v;
    else return std::nullopt;
  }
  return o;
}

}  // namespace parvalon::testpattern
