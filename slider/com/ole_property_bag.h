// The shared persistence layer's Bag (wide texts) seen as the slider's PropertyBag (ANSI texts),
// so the container's stream and property bag load and save through the slider's property table.
#pragma once

#include <windows.h>

#include <string>

#include "activex/persist/property_list.h"
#include "slider/model/slider_properties.h"

namespace kvslide {

class ReadBag final : public PropertyBag {
 public:
  explicit ReadBag(const kv::persist::Bag& bag) : bag_(bag) {}
  bool ReadNumber(const char* name, int32_t* out) const override { return bag_.ReadNumber(name, out); }
  bool ReadText(const char* name, std::string* out) const override;
  void WriteNumber(const char*, int32_t) override {}
  void WriteText(const char*, const std::string&) override {}

 private:
  const kv::persist::Bag& bag_;
};

class WriteBag final : public PropertyBag {
 public:
  explicit WriteBag(kv::persist::Bag& bag) : bag_(bag) {}
  bool ReadNumber(const char*, int32_t*) const override { return false; }
  bool ReadText(const char*, std::string*) const override { return false; }
  void WriteNumber(const char* name, int32_t v) override { bag_.WriteNumber(name, v); }
  void WriteText(const char* name, const std::string& v) override;

 private:
  kv::persist::Bag& bag_;
};

}  // namespace kvslide
