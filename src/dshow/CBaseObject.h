#pragma once

#include <cstdint>
#include <string>

// The root of the filter classes: a debug name, and a process-wide count of live objects that
// tests read to find leaks. Any thread may create and destroy objects.
class CBaseObject {
 public:
  // name: a debug name, copied; null gives an empty name.
  explicit CBaseObject(const char16_t* name);
  virtual ~CBaseObject();
  CBaseObject(const CBaseObject&) = delete;
  CBaseObject& operator=(const CBaseObject&) = delete;

  const std::u16string& ObjectName() const { return objectName_; }
  // How many objects of these classes live now.
  static int32_t ObjectsActive();

 private:
  std::u16string objectName_;
};
