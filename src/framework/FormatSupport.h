#pragma once

#include <vector>

#include "framework/FormatFact.h"

// What the devices can do with formats, as a list of facts an enumerator records; anything not
// recorded is unsupported. One thread: the user-interface thread.
class FormatSupport {
 public:
  void Add(const FormatFact& fact);
  bool Supports(const FormatFact& fact) const;
  const std::vector<FormatFact>& facts() const { return facts_; }

 private:
  std::vector<FormatFact> facts_;
};
