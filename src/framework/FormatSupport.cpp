#include "framework/FormatSupport.h"

#include <algorithm>

void FormatSupport::Add(const FormatFact& fact) {
  if (!Supports(fact)) facts_.push_back(fact);
}

bool FormatSupport::Supports(const FormatFact& fact) const {
  return std::find(facts_.begin(), facts_.end(), fact) != facts_.end();
}
