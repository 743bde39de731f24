#include <gtest/gtest.h>

#include <string_view>

#include "logging/QualifiedName.h"

namespace parvalon::host {
namespace {

using logging_detail::qualifiedFunctionName;

TEST(QualifiedFunctionName, ReducesPrettyNamesToTheQualifiedName) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"bool parvalon::host::Application::initialize()", "parvalon::host::Application::initialize"},
      {"parvalon::host::Application::Application()", "parvalon::host::Application::Application"},
      {"static void parvalon::host::Settings::reset(int, const char*)", "parvalon::host::Settings::reset"},
      {"std::vector<parvalon::protocol::WindowInfo> parvalon::host::Application::getWindowList() const",
       "parvalon::host::Application::getWindowList"},
      {"std::function<void(int)> parvalon::host::A::make()", "parvalon::host::A::make"},
      {"void parvalon::host::Application::initialize()::<lambda(const string&)>",
       "parvalon::host::Application::initialize"},
      {"auto parvalon::host::Application::initialize()::(anonymous class)::operator()(int) const",
       "parvalon::host::Application::initialize"},
      {"void parvalon::host::Q<T>::push(T) [with T = int]", "parvalon::host::Q<T>::push"},
      {"const char* parvalon::host::A::name()", "parvalon::host::A::name"},
      {"void parvalon::host::Functor::operator()(int)", "parvalon::host::Functor::operator()"},
      {"void {anonymous}::helper()", "{anonymous}::helper"},
      {"int main(int, char**)", "main"},
  };
  for (const auto& [pretty, expected] : cases) {
    EXPECT_EQ(qualifiedFunctionName(pretty), expected) << pretty;
  }
}

TEST(QualifiedFunctionName, IsComputedAtCompileTime) {
  static constexpr logging_detail::QualifiedName<sizeof("int parvalon::f(int)")> name{"int parvalon::f(int)"};
  static_assert(std::string_view(name.c_str()) == "parvalon::f");
  SUCCEED();
}

}  // namespace
}  // namespace parvalon::host
