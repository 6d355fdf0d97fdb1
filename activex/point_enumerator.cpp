// Enumerator of connection points (see point_enumerator.h).
#include "activex/point_enumerator.h"

#include <new>
#include <vector>

namespace kv::com {
namespace {

class PointEnumerator final : public IEnumConnectionPoints {
 public:
  PointEnumerator(IConnectionPoint* const* points, ULONG count, ULONG position)
      : points_(points, points + count), position_(position) {
    for (IConnectionPoint* p : points_) p->AddRef();
  }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumConnectionPoints)) {
      *object = this;
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  STDMETHODIMP Next(ULONG wanted, IConnectionPoint** out, ULONG* fetched) override {
    if (!out || (wanted > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < wanted && position_ < points_.size(); ++n, ++position_) {
      out[n] = points_[position_];
      out[n]->AddRef();
    }
    if (fetched) *fetched = n;
    return n == wanted ? S_OK : S_FALSE;
  }
  STDMETHODIMP Skip(ULONG count) override {
    ULONG left = static_cast<ULONG>(points_.size()) - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  STDMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }
  STDMETHODIMP Clone(IEnumConnectionPoints** out) override {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) PointEnumerator(points_.data(), static_cast<ULONG>(points_.size()), position_);
    return *out ? S_OK : E_OUTOFMEMORY;
  }

 private:
  ~PointEnumerator() {
    for (IConnectionPoint* p : points_) p->Release();
  }
  LONG refs_ = 1;
  std::vector<IConnectionPoint*> points_;
  ULONG position_;
};

}  // namespace

HRESULT EnumeratePoints(IConnectionPoint* const* points, ULONG count, IEnumConnectionPoints** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  try {
    *out = new PointEnumerator(points, count, 0);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

}  // namespace kv::com
