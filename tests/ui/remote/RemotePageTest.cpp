#include "ui/remote/RemotePage.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

size_t CountOf(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

// The page comes from a resource of a static library: this fails when the linker left it out.
TEST(RemotePage, IsBuiltIntoTheProgramWhole) {
  const std::string html = RemotePageHtml();
  ASSERT_FALSE(html.empty());
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(html.find("</html>"), std::string::npos);
}

// The page is served under a policy that allows nothing from outside, no eval and no form
// submission, and shows item names that anyone could have chosen.
TEST(RemotePage, KeepsToItsContentPolicy) {
  const std::string html = RemotePageHtml();
  for (const char* banned : {"http://", "https://", "@import", "<form", "eval(", "new Function",
                             "innerHTML", "outerHTML", "insertAdjacentHTML", "document.write"}) {
    EXPECT_EQ(html.find(banned), std::string::npos) << banned;
  }
  const std::regex reference(R"((src|href)\s*=\s*["']?([^"'\s>]*))");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), reference);
       it != std::sregex_iterator(); ++it) {
    EXPECT_EQ((*it)[2].str().rfind("data:", 0), 0u) << it->str();
  }
}

// Browser tests find the controls by these ids.
TEST(RemotePage, HasEachControlOnce) {
  const std::string html = RemotePageHtml();
  for (const char* id : {"pin",
                         "login",
                         "login-error",
                         "current",
                         "next-item",
                         "status",
                         "go",
                         "previous",
                         "next",
                         "first",
                         "end",
                         "stop",
                         "end-item",
                         "close-message",
                         "message",
                         "toast",
                         "toggle-help",
                         "toggle-info",
                         "toggle-mono",
                         "toggle-maximised",
                         "toggle-pointer",
                         "toggle-frame",
                         "toggle-corner",
                         "toggle-eye-check"}) {
    EXPECT_EQ(CountOf(html, std::string("id=\"") + id + "\""), 1u) << id;
  }
}
