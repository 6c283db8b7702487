#pragma once

#include <stdlib.h>

#include <optional>
#include <string>

#include "platform/sys/StringConvert.h"

// Sets or removes an environment variable for one test and puts the old value back after it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::u16string>& value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value)
      setenv(name, ToUtf8(*value).c_str(), 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};
