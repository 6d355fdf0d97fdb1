// A COM stream over bytes in memory, for objects that save and load themselves through IStream
// (the picture object's IPersistStream). The program imports no stream function of ole32 for this.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <vector>

namespace kv::persist {

class MemoryStream final : public IStream {
 public:
  // A stream holding `bytes`, positioned at its start; the caller owns the one reference.
  static MemoryStream* Create(std::vector<uint8_t> bytes = {});
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP Read(void* buffer, ULONG size, ULONG* read) override;
  STDMETHODIMP Write(const void* buffer, ULONG size, ULONG* written) override;
  STDMETHODIMP Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
  STDMETHODIMP SetSize(ULARGE_INTEGER size) override;
  STDMETHODIMP CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) override { return E_NOTIMPL; }
  STDMETHODIMP Commit(DWORD) override { return S_OK; }
  STDMETHODIMP Revert() override { return S_OK; }
  STDMETHODIMP LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
  STDMETHODIMP UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override { return STG_E_INVALIDFUNCTION; }
  STDMETHODIMP Stat(STATSTG* stat, DWORD flags) override;
  STDMETHODIMP Clone(IStream**) override { return E_NOTIMPL; }

 private:
  explicit MemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  ~MemoryStream() = default;
  LONG refs_ = 1;
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
};

}  // namespace kv::persist
