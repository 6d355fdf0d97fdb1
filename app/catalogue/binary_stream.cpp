// Field encodings shared by "Korvn2k.fkt"/".hdl"/".idx" and the profile files.
#include "app/catalogue/binary_stream.h"

namespace kv {

bool ByteReader::Take(std::size_t count) {
  if (!ok_ || count > size_ - pos_) {
    ok_ = false;
    return false;
  }
  pos_ += count;
  return true;
}

std::int16_t ByteReader::ReadNumber() {
  if (!Take(2)) return 0;
  const std::uint16_t bits = static_cast<std::uint16_t>(data_[pos_ - 2] | (data_[pos_ - 1] << 8));
  return static_cast<std::int16_t>(bits);
}

std::string ByteReader::ReadText() {
  const std::uint16_t length = static_cast<std::uint16_t>(ReadNumber());
  if (!Take(length)) return std::string();
  return std::string(reinterpret_cast<const char*>(data_ + pos_ - length), length);
}

RegistryAction ByteReader::ReadAction() {
  RegistryAction action;
  action.KeyPath = ReadText();
  action.ValueName = ReadText();
  action.Data = ReadText();
  action.ValueKind = ReadNumber();
  action.Mode = ReadNumber();
  return action;
}

void ByteWriter::WriteNumber(std::int16_t value) {
  const std::uint16_t bits = static_cast<std::uint16_t>(value);
  bytes_.push_back(static_cast<std::uint8_t>(bits & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(bits >> 8));
}

void ByteWriter::WriteText(const std::string& text) {
  const std::size_t length = text.size() < kMaxFileTextLength ? text.size() : kMaxFileTextLength;
  WriteNumber(static_cast<std::int16_t>(static_cast<std::uint16_t>(length)));
  bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

void ByteWriter::WriteAction(const RegistryAction& action) {
  WriteText(action.KeyPath);
  WriteText(action.ValueName);
  WriteText(action.Data);
  WriteNumber(action.ValueKind);
  WriteNumber(action.Mode);
}

}  // namespace kv
