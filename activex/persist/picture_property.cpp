// Picture properties through the property bag and stream (see picture_property.h).
#include "activex/persist/picture_property.h"

#include "activex/ole_functions.h"
#include "activex/persist/memory_stream.h"

namespace kv::persist {

void SavePicture(Bag& bag, const char* name, IUnknown* object) {
  if (!object) return;
  IPicture* picture = nullptr;
  if (FAILED(object->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)))) return;
  OLE_HANDLE handle = 0;
  const bool empty = FAILED(picture->get_Handle(&handle)) || handle == 0;
  picture->Release();
  if (empty) return;
  IPersistStream* persist = nullptr;
  if (FAILED(object->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist)))) return;
  MemoryStream* stream = MemoryStream::Create();
  if (SUCCEEDED(persist->Save(stream, FALSE)) && !stream->Bytes().empty()) WriteBytes(bag, name, stream->Bytes());
  stream->Release();
  persist->Release();
}

IPictureDisp* LoadPicture(const Bag& bag, const char* name) {
  std::vector<uint8_t> bytes;
  if (!ReadBytes(bag, name, &bytes) || bytes.empty()) return nullptr;
  MemoryStream* stream = MemoryStream::Create(std::move(bytes));
  IPictureDisp* picture = nullptr;
  if (FAILED(kv::ole::LoadPicture(stream, IID_IPictureDisp, reinterpret_cast<void**>(&picture)))) picture = nullptr;
  stream->Release();
  return picture;
}

}  // namespace kv::persist
