// A COM stream over bytes in memory (see memory_stream.h).
#include "activex/persist/memory_stream.h"

#include <cstring>

namespace kv::persist {
namespace {
// Streams in memory stay far below this; a larger size or position is refused.
constexpr uint64_t kMaxSize = 64u << 20;
}  // namespace

MemoryStream* MemoryStream::Create(std::vector<uint8_t> bytes) { return new MemoryStream(std::move(bytes)); }

STDMETHODIMP MemoryStream::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISequentialStream) || IsEqualIID(iid, IID_IStream)) {
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) MemoryStream::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

STDMETHODIMP_(ULONG) MemoryStream::Release() {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

STDMETHODIMP MemoryStream::Read(void* buffer, ULONG size, ULONG* read) {
  if (!buffer && size) return STG_E_INVALIDPOINTER;
  const size_t left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
  const ULONG count = size < left ? size : static_cast<ULONG>(left);
  if (count) std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  if (read) *read = count;
  return count == size ? S_OK : S_FALSE;
}

STDMETHODIMP MemoryStream::Write(const void* buffer, ULONG size, ULONG* written) {
  if (written) *written = 0;
  if (!buffer && size) return STG_E_INVALIDPOINTER;
  if (position_ + uint64_t(size) > kMaxSize) return STG_E_MEDIUMFULL;
  if (position_ + size > bytes_.size()) bytes_.resize(position_ + size);
  if (size) std::memcpy(bytes_.data() + position_, buffer, size);
  position_ += size;
  if (written) *written = size;
  return S_OK;
}

STDMETHODIMP MemoryStream::Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) {
  int64_t base = 0;
  if (origin == STREAM_SEEK_CUR)
    base = static_cast<int64_t>(position_);
  else if (origin == STREAM_SEEK_END)
    base = static_cast<int64_t>(bytes_.size());
  else if (origin != STREAM_SEEK_SET)
    return STG_E_INVALIDFUNCTION;
  const int64_t target = base + move.QuadPart;
  if (target < 0 || uint64_t(target) > kMaxSize) return STG_E_INVALIDFUNCTION;
  position_ = static_cast<size_t>(target);
  if (position) position->QuadPart = static_cast<ULONGLONG>(target);
  return S_OK;
}

STDMETHODIMP MemoryStream::SetSize(ULARGE_INTEGER size) {
  if (size.QuadPart > kMaxSize) return STG_E_MEDIUMFULL;
  bytes_.resize(static_cast<size_t>(size.QuadPart));
  return S_OK;
}

STDMETHODIMP MemoryStream::Stat(STATSTG* stat, DWORD) {
  if (!stat) return STG_E_INVALIDPOINTER;
  std::memset(stat, 0, sizeof *stat);
  stat->type = STGTY_STREAM;
  stat->cbSize.QuadPart = bytes_.size();
  return S_OK;
}

}  // namespace kv::persist
