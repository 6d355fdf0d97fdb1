// Sequential little-endian reading and writing of the database and profile file encodings:
// a number is 2 bytes signed, a text is a 16-bit unsigned byte count followed by the bytes (no zero),
// a reserved block is copied unchanged. The reader never reads past its data: the first read that
// would run past the end fails, returns empty/0, and every later read fails too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/function_record.h"

namespace kv {

inline constexpr std::size_t kMaxFileTextLength = 0xFFFF;  // longest text the 16-bit count can carry

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<std::uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

  std::int16_t ReadNumber();
  std::string ReadText();
  template <std::size_t N>
  std::array<std::uint8_t, N> ReadBlock() {
    std::array<std::uint8_t, N> block{};
    if (Take(N)) {
      for (std::size_t i = 0; i < N; ++i) block[i] = data_[pos_ - N + i];
    }
    return block;
  }
  RegistryAction ReadAction();

  bool ok() const { return ok_; }                // false once a read ran past the end
  std::size_t position() const { return pos_; }

 private:
  bool Take(std::size_t count);  // advances by count when that many bytes remain

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  void WriteNumber(std::int16_t value);
  // Texts longer than kMaxFileTextLength bytes are cut to that length (the count has 16 bits).
  void WriteText(const std::string& text);
  template <std::size_t N>
  void WriteBlock(const std::array<std::uint8_t, N>& block) {
    bytes_.insert(bytes_.end(), block.begin(), block.end());
  }
  void WriteAction(const RegistryAction& action);

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace kv
