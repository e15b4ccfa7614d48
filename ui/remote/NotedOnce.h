#pragma once
#include <cstddef>
#include <set>
#include <string>

// What a server journals once per address and kind, so that a flood writes one line. The
// addresses remembered are bounded: forged ones must not grow memory without end.
class NotedOnce {
 public:
  static constexpr size_t kMaxRemembered = 1024;
  // True the first time `kind` is seen from `peer`.
  bool First(const std::string& kind, const std::string& peer) {
    if (seen_.size() >= kMaxRemembered) return false;
    return seen_.insert(kind + ' ' + peer).second;
  }

 private:
  std::set<std::string> seen_;
};
