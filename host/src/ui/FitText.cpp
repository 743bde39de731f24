#include "ui/FitText.h"

#include <vector>

#include "ui/Utf8Prefix.h"

namespace parvalon::host {

std::string fitText(const std::string& text, float maxWidth, const std::function<float(std::string_view)>& measure) {
  // Runs every frame for every listed window, so the cost must not grow with the text: only
  // its first kMaxFittedTextBytes are looked at, and the cut is found by halving.
  const std::string_view considered(text.data(), utf8PrefixLength(text, kMaxFittedTextBytes));
  if (considered.size() == text.size() && measure(text) <= maxWidth) return text;

  std::vector<std::size_t> characterEnds;
  for (std::size_t end = 0; end < considered.size();) {
    end += utf8CharacterLength(considered, end);
    characterEnds.push_back(end);
  }
  // Widths grow with the prefix, so the prefixes that fit with "..." come first: find the
  // longest of them (none: "..." alone).
  std::string candidate;
  const auto fits = [&](std::size_t bytes) {
    candidate.assign(considered.substr(0, bytes));
    candidate += "...";
    return measure(candidate) <= maxWidth;
  };
  std::size_t kept = 0;
  std::size_t low = 0;
  std::size_t high = characterEnds.size();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (fits(characterEnds[middle])) {
      kept = characterEnds[middle];
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return std::string(considered.substr(0, kept)) + "...";
}

}  // namespace parvalon::host
