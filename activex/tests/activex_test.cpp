// The shared COM layer under Wine: class factory and module locks, connection points and the
// client event sink (argument order, by-reference arguments, unadvise from inside an event).
#include <windows.h>
#include <ocidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activex/class_factory.h"
#include "activex/com_module.h"
#include "activex/connection_point.h"
#include "activex/event_sink.h"
#include "activex/registration.h"
#include "activex/variant.h"

namespace {

// {7D6A1B52-3C1E-4F0B-9A7E-2B1C0D9E8F01}: an event interface id used only here.
const IID kEvents = {0x7d6a1b52, 0x3c1e, 0x4f0b, {0x9a, 0x7e, 0x2b, 0x1c, 0x0d, 0x9e, 0x8f, 0x01}};
const CLSID kClass = {0x7d6a1b52, 0x3c1e, 0x4f0b, {0x9a, 0x7e, 0x2b, 0x1c, 0x0d, 0x9e, 0x8f, 0x02}};

// A minimal event source: IUnknown plus the connection point container.
class Source final : public IUnknown {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown)) {
      *object = static_cast<IUnknown*>(this);
    } else if (IsEqualIID(iid, IID_IConnectionPointContainer)) {
      *object = events.Container();
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG left = --refs;
    if (left == 0) delete this;
    return left;
  }
  LONG refs = 1;
  kv::com::ConnectionPoints events{this, kEvents};
  kv::com::ModuleLock lock;
};

HRESULT CreateSource(REFIID iid, void** object) { return kv::com::CreateAndQuery(new Source, iid, object); }

TEST(ClassFactory, CreatesListedClassAndHoldsModuleLocks) {
  const kv::com::ClassEntry classes[] = {{&kClass, CreateSource}};
  EXPECT_EQ(kv::com::CanUnloadNow(), S_OK);
  IClassFactory* factory = nullptr;
  ASSERT_EQ(kv::com::GetClassObject(kClass, IID_IClassFactory, reinterpret_cast<void**>(&factory), classes, 1), S_OK);
  EXPECT_EQ(kv::com::CanUnloadNow(), S_FALSE);
  IUnknown* object = nullptr;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
  IUnknown* aggregated = object;
  EXPECT_EQ(factory->CreateInstance(object, IID_IUnknown, reinterpret_cast<void**>(&aggregated)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(aggregated, nullptr) << "a refused creation clears the out pointer";
  IDispatch* wrong = nullptr;
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&wrong)), E_NOINTERFACE);
  object->Release();
  factory->LockServer(TRUE);
  LONG locksWithServerLock = kv::com::ModuleLockCount();
  factory->LockServer(FALSE);
  EXPECT_EQ(kv::com::ModuleLockCount(), locksWithServerLock - 1);
  factory->Release();
  EXPECT_EQ(kv::com::CanUnloadNow(), S_OK);
}

TEST(ClassFactory, UnknownClassIsRefused) {
  const kv::com::ClassEntry classes[] = {{&kClass, CreateSource}};
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(kv::com::GetClassObject(kEvents, IID_IClassFactory, &object, classes, 1), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);
}

struct Received {
  DISPID id;
  std::vector<LONG> numbers;
  std::wstring text;
};

TEST(Events, ReachTheSinkInDeclarationOrder) {
  Source* source = new Source;
  std::vector<Received> got;
  kv::com::EventSink* sink = kv::com::EventSink::Create([&](DISPID id, const kv::com::EventArgs& args) {
    Received r{id, {}, {}};
    for (UINT i = 0; i < args.Count(); ++i) r.numbers.push_back(args.Long(i));
    if (args.Count() > 1) r.text = args.Text(1);
    got.push_back(r);
  });
  ASSERT_EQ(sink->Connect(source, kEvents), S_OK);
  EXPECT_TRUE(sink->Connected());
  EXPECT_EQ(source->events.SinkCount(), 1u);

  VARIANT args[3] = {kv::com::VariantI4(7), kv::com::VariantI2(2), kv::com::VariantBool(true)};
  source->events.Fire(16, args, 3);
  source->events.Fire(1, nullptr, 0);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].id, 16);
  EXPECT_EQ(got[0].numbers, (std::vector<LONG>{7, 2, -1}));
  EXPECT_EQ(got[0].text, L"2");
  EXPECT_EQ(got[1].id, 1);
  EXPECT_TRUE(got[1].numbers.empty());

  sink->Disconnect();
  EXPECT_EQ(source->events.SinkCount(), 0u);
  source->events.Fire(2, nullptr, 0);
  EXPECT_EQ(got.size(), 2u) << "no event after Disconnect";
  sink->Release();
  EXPECT_EQ(source->Release(), 0u);
}

TEST(Events, ByReferenceArgumentIsWrittenBack) {
  Source* source = new Source;
  kv::com::EventSink* sink = kv::com::EventSink::Create([](DISPID, const kv::com::EventArgs& args) {
    VARIANT* key = args.At(0);
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->vt, VT_I2 | VT_BYREF);
    EXPECT_EQ(args.Long(0), 65);
    *key->piVal = 0;  // the handler swallows the key
    EXPECT_EQ(args.At(5), nullptr);
  });
  ASSERT_EQ(sink->Connect(source, kEvents), S_OK);
  SHORT keyCode = 65;
  VARIANT args[1] = {kv::com::VariantByRefI2(&keyCode)};
  source->events.Fire(-603, args, 1);
  EXPECT_EQ(keyCode, 0);
  sink->Release();  // the connection holds its own reference until the source lets go
  source->Release();
}

TEST(Events, SinkMayDisconnectWhileHandlingAnEvent) {
  Source* source = new Source;
  int calls = 0;
  kv::com::EventSink* sink = nullptr;
  sink = kv::com::EventSink::Create([&](DISPID, const kv::com::EventArgs&) {
    ++calls;
    sink->Disconnect();
  });
  kv::com::EventSink* other = kv::com::EventSink::Create([&](DISPID, const kv::com::EventArgs&) { ++calls; });
  ASSERT_EQ(sink->Connect(source, kEvents), S_OK);
  ASSERT_EQ(other->Connect(source, kEvents), S_OK);
  source->events.Fire(5, nullptr, 0);
  EXPECT_EQ(calls, 2) << "the second sink is still called in the same round";
  source->events.Fire(5, nullptr, 0);
  EXPECT_EQ(calls, 3);
  other->Disconnect();
  sink->Release();
  other->Release();
  source->Release();
}

TEST(Events, WrongInterfaceAndCookieAreRefused) {
  Source* source = new Source;
  kv::com::EventSink* sink = kv::com::EventSink::Create(nullptr);
  EXPECT_EQ(sink->Connect(source, IID_IDispatch), CONNECT_E_NOCONNECTION);
  EXPECT_FALSE(sink->Connected());
  IConnectionPointContainer* container = nullptr;
  ASSERT_EQ(source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
  IConnectionPoint* point = nullptr;
  ASSERT_EQ(container->FindConnectionPoint(kEvents, &point), S_OK);
  EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);
  IID iid;
  EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
  EXPECT_TRUE(IsEqualIID(iid, kEvents));
  point->Release();
  container->Release();
  sink->Release();
  EXPECT_EQ(source->Release(), 0u);
}

}  // namespace

namespace {

// A registry link is deleted through a handle to the link itself (RegDeleteKey would follow it).
void RemoveLink(const std::wstring& path) {
  using DeleteKey = LONG(WINAPI*)(HANDLE);
  auto remove = reinterpret_cast<DeleteKey>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtDeleteKey")));
  HKEY link = nullptr;
  if (remove && RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), REG_OPTION_OPEN_LINK, DELETE, &link) == ERROR_SUCCESS) {
    remove(link);
    RegCloseKey(link);
  }
}

// Unregistering must end even when a key below the class cannot be opened (here a registry link to a
// key that does not exist, which Wine refuses to open, as Windows refuses a key the user may not read).
TEST(Registration, DeleteKeyTreeStepsOverAChildItCannotOpen) {
  const std::wstring tree = L"Software\\KorvaneTest\\Unregister";
  RemoveLink(tree + L"\\A");  // left by an earlier run
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (tree + L"\\B\\Deeper").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr), ERROR_SUCCESS);
  RegCloseKey(key);
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (tree + L"\\A").c_str(), 0, nullptr, REG_OPTION_CREATE_LINK,
                            KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &key, nullptr), ERROR_SUCCESS);
  const std::wstring target = L"\\Registry\\Machine\\Software\\KorvaneTest\\Nowhere";
  RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK, reinterpret_cast<const BYTE*>(target.c_str()),
                 static_cast<DWORD>(target.size() * sizeof(wchar_t)));
  RegCloseKey(key);
  HKEY probe = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, (tree + L"\\A").c_str(), 0, KEY_READ, &probe) == ERROR_SUCCESS) {
    RegCloseKey(probe);
    GTEST_SKIP() << "this registry opens the link: no child that cannot be opened";
  }

  struct Job {
    std::wstring key;
    static DWORD WINAPI Run(void* p) {
      kv::com::DeleteKeyTree(HKEY_CURRENT_USER, static_cast<Job*>(p)->key);
      return 0;
    }
  } job{tree};
  HANDLE thread = CreateThread(nullptr, 0, &Job::Run, &job, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  if (WaitForSingleObject(thread, 20000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "DeleteKeyTree did not end";
    ExitProcess(1);  // the thread would spin for ever
  }
  CloseHandle(thread);
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, (tree + L"\\B").c_str(), 0, KEY_READ, &probe), ERROR_SUCCESS)
      << "the children that can be deleted are gone";
  RemoveLink(tree + L"\\A");
}

}  // namespace
