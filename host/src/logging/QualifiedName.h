#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace parvalon::host::logging_detail {

// Turns a compiler's pretty function name into the qualified function name alone, at compile
// time: "bool parvalon::host::Application::initialize()" -> "parvalon::host::Application::initialize".
// Inside a lambda the result is the enclosing function ("...::initialize()::<lambda(int)>"
// -> "...::initialize") because the name ends at its first parameter list.
constexpr std::string_view qualifiedFunctionName(std::string_view pretty) {
  // Cut GCC's template description " [with T = int]".
  if (const auto with = pretty.find(" [with "); with != std::string_view::npos) {
    pretty = pretty.substr(0, with);
  }
  // Find the parameter list: the first '(' outside template arguments that does not belong
  // to "operator()" and does not open clang's "(anonymous namespace)".
  std::size_t open = std::string_view::npos;
  int angle = 0;
  for (std::size_t i = 0; i < pretty.size(); ++i) {
    const char c = pretty[i];
    if (c == '<') {
      ++angle;
    } else if (c == '>' && angle > 0) {
      --angle;
    } else if (c == '(' && angle == 0) {
      if (pretty.substr(i).starts_with("(anonymous namespace)")) {
        i += std::string_view("(anonymous namespace)").size() - 1;
        continue;
      }
      if (i >= 8 && pretty.substr(i - 8, 8) == "operator" && pretty.substr(i).starts_with("()(")) {
        open = i + 2;
      } else {
        open = i;
      }
      break;
    }
  }
  if (open == std::string_view::npos) return pretty;
  // Walk back to the space that separates the return type, skipping template arguments.
  std::size_t start = 0;
  angle = 0;
  for (std::size_t i = open; i-- > 0;) {
    const char c = pretty[i];
    if (c == '>') {
      ++angle;
    } else if (c == '<' && angle > 0) {
      --angle;
    } else if ((c == ' ' || c == '*' || c == '&') && angle == 0) {
      start = i + 1;
      break;
    }
  }
  return pretty.substr(start, open - start);
}

// A fixed-size, NUL-terminated copy of a qualified name, usable as a static constexpr local.
template <std::size_t N>
struct QualifiedName {
  std::array<char, N> text{};

  constexpr explicit QualifiedName(const char (&pretty)[N]) {
    const std::string_view name = qualifiedFunctionName(std::string_view(pretty, N - 1));
    for (std::size_t i = 0; i < name.size(); ++i) text[i] = name[i];
  }

  constexpr const char* c_str() const { return text.data(); }
};

}  // namespace parvalon::host::logging_detail
