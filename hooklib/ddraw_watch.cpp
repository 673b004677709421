#include "ddraw_watch.h"

#include "freeze.h"

namespace trhook95 {

namespace {

// DirectDraw's interfaces share their first methods at the same places of their tables.
enum Surface_Slot : int { kSlotBlt = 5, kSlotFlip = 11, kSlotGetDC = 17, kSlotLock = 25 };
enum DirectDraw_Slot : int { kSlotRelease = 2, kSlotCreateSurface = 6 };

volatile LONG g_watchState = 0;  // 0 not started, 1 starting, 2 running, 3 refused
volatile DWORD g_lastLookUp = 0;
IDirectDraw* volatile g_noted = nullptr;     // the object drawn through last (IDirectDraw)
void* volatile g_directDrawTable = nullptr;  // what the table of an IDirectDraw looks like
constexpr int kRecentSurfaces = 4;
void* volatile g_recentSurfaces[kRecentSurfaces] = {};
volatile LONG g_nextRecent = 0;

// The interfaces of the noted object that the game held when it was noted. The note holds no
// reference (holding one would keep a released game's display mode and exclusive access
// alive): instead, once one of these is let go entirely, the note is forgotten and taken again
// at the game's next drawing.
constexpr int kFaces = 4;
void* volatile g_notedFaces[kFaces] = {};
thread_local int t_noting = 0;  // the note's own QueryInterface and Release calls

void Forget_Note() {
  g_noted = nullptr;
  for (void* volatile& face : g_notedFaces) face = nullptr;
  for (void* volatile& seen : g_recentSurfaces) seen = nullptr;
}

bool Is_Noted_Face(void* face) {
  if (!face) return false;
  for (void* noted : g_notedFaces)
    if (noted == face) return true;
  return false;
}

// Notes the object behind any of its interfaces.
void Note_DirectDraw(IUnknown* any) {
  if (!any) return;
  ++t_noting;
  IDirectDraw* dd = nullptr;
  if (SUCCEEDED(any->QueryInterface(IID_IDirectDraw, reinterpret_cast<void**>(&dd))) && dd) {
    if (dd != g_noted) {
      const IID* iids[kFaces] = {&IID_IDirectDraw, &IID_IDirectDraw2, &IID_IDirectDraw4,
                                 &IID_IDirectDraw7};
      // The interfaces the game holds: references beyond this look's own (and, for the
      // IDirectDraw interface, beyond `dd`'s).
      void* faces[kFaces] = {};
      for (int i = 0; i < kFaces; ++i) {
        void* face = nullptr;
        if (FAILED(dd->QueryInterface(*iids[i], &face)) || !face) continue;
        auto* unknown = static_cast<IUnknown*>(face);
        const ULONG count = unknown->AddRef();
        unknown->Release();
        unknown->Release();
        if (count > (i == 0 ? 3u : 2u)) faces[i] = face;
      }
      g_noted = nullptr;
      for (int i = 0; i < kFaces; ++i) g_notedFaces[i] = faces[i];
      g_noted = dd;
    }
    dd->Release();  // the game holds the object; the note does not
  }
  --t_noting;
}

// Notes the DirectDraw object of a surface, skipping surfaces seen lately.
void Note_Surface(void* surface) {
  for (void* seen : g_recentSurfaces)
    if (seen == surface) return;
  auto* unknown = static_cast<IUnknown*>(surface);
  IDirectDrawSurface2* s2 = nullptr;
  if (FAILED(unknown->QueryInterface(IID_IDirectDrawSurface2, reinterpret_cast<void**>(&s2))) ||
      !s2)
    return;
  IUnknown* owner = nullptr;
  if (SUCCEEDED(s2->GetDDInterface(reinterpret_cast<void**>(&owner))) && owner) {
    Note_DirectDraw(owner);
    ++t_noting;
    owner->Release();
    --t_noting;
  }
  s2->Release();
  LONG slot = InterlockedIncrement(&g_nextRecent) % kRecentSurfaces;
  g_recentSurfaces[slot] = surface;
}

// One set of replacement methods per interface table (the original methods differ by table).
template <int Table>
struct Surface_Methods {
  using Blt_Fn = HRESULT(WINAPI*)(void*, RECT*, void*, RECT*, DWORD, void*);
  using Flip_Fn = HRESULT(WINAPI*)(void*, void*, DWORD);
  using GetDC_Fn = HRESULT(WINAPI*)(void*, HDC*);
  using Lock_Fn = HRESULT(WINAPI*)(void*, RECT*, void*, DWORD, HANDLE);
  static inline void* blt = nullptr;
  static inline void* flip = nullptr;
  static inline void* getDC = nullptr;
  static inline void* lock = nullptr;

  static HRESULT WINAPI Blt(void* self, RECT* to, void* from, RECT* fromRect, DWORD flags,
                            void* fx) {
    Note_Surface(self);
    return reinterpret_cast<Blt_Fn>(blt)(self, to, from, fromRect, flags, fx);
  }
  static HRESULT WINAPI Flip(void* self, void* target, DWORD flags) {
    Note_Surface(self);
    return reinterpret_cast<Flip_Fn>(flip)(self, target, flags);
  }
  static HRESULT WINAPI GetDC(void* self, HDC* dc) {
    Note_Surface(self);
    return reinterpret_cast<GetDC_Fn>(getDC)(self, dc);
  }
  static HRESULT WINAPI Lock(void* self, RECT* rect, void* desc, DWORD flags, HANDLE event) {
    Note_Surface(self);
    return reinterpret_cast<Lock_Fn>(lock)(self, rect, desc, flags, event);
  }
};

template <int Table>
struct DirectDraw_Methods {
  using Create_Fn = HRESULT(WINAPI*)(void*, void*, void**, IUnknown*);
  using Release_Fn = ULONG(WINAPI*)(void*);
  static inline void* createSurface = nullptr;
  static inline void* release = nullptr;
  // The game let go of an interface of the noted object: the object may be gone.
  static ULONG WINAPI Release(void* self) {
    const bool noted = !t_noting && Is_Noted_Face(self);
    ULONG left = reinterpret_cast<Release_Fn>(release)(self);
    if (noted && left == 0) Forget_Note();
    return left;
  }
  static HRESULT WINAPI CreateSurface(void* self, void* desc, void** surface, IUnknown* outer) {
    Note_DirectDraw(static_cast<IUnknown*>(self));
    return reinterpret_cast<Create_Fn>(createSurface)(self, desc, surface, outer);
  }
};

// Puts `method` at `slot` of an interface table, keeping the method it replaces. A table
// already patched (two interfaces sharing one) is left as it is.
bool Patch(void* table, int slot, void* method, void** original) {
  void** entry = static_cast<void**>(table) + slot;
  if (*entry == method || *original) return true;
  DWORD old = 0;
  if (!VirtualProtect(entry, sizeof(void*), PAGE_READWRITE, &old)) return false;
  *original = *entry;
  *entry = method;
  DWORD unused = 0;
  VirtualProtect(entry, sizeof(void*), old, &unused);
  FlushInstructionCache(GetCurrentProcess(), entry, sizeof(void*));
  return true;
}

void* Table_Of(void* object) { return *static_cast<void**>(object); }

template <int Table>
void Patch_Surface(IUnknown* surface, REFIID iid) {
  void* face = nullptr;
  if (FAILED(surface->QueryInterface(iid, &face)) || !face) return;
  using M = Surface_Methods<Table>;
  void* table = Table_Of(face);
  Patch(table, kSlotBlt, reinterpret_cast<void*>(&M::Blt), &M::blt);
  Patch(table, kSlotFlip, reinterpret_cast<void*>(&M::Flip), &M::flip);
  Patch(table, kSlotGetDC, reinterpret_cast<void*>(&M::GetDC), &M::getDC);
  Patch(table, kSlotLock, reinterpret_cast<void*>(&M::Lock), &M::lock);
  static_cast<IUnknown*>(face)->Release();
}

template <int Table>
void Patch_DirectDraw(IUnknown* dd, REFIID iid) {
  void* face = nullptr;
  if (FAILED(dd->QueryInterface(iid, &face)) || !face) return;
  using M = DirectDraw_Methods<Table>;
  Patch(Table_Of(face), kSlotCreateSurface, reinterpret_cast<void*>(&M::CreateSurface),
        &M::createSurface);
  Patch(Table_Of(face), kSlotRelease, reinterpret_cast<void*>(&M::Release), &M::release);
  static_cast<IUnknown*>(face)->Release();
}

using Create_Fn = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);

// Reads the interface tables from a DirectDraw object and a small surface of our own.
bool Start_Watch(Create_Fn create) {
  IDirectDraw* dd = nullptr;
  if (FAILED(create(nullptr, &dd, nullptr)) || !dd) return false;
  bool started = false;
  if (SUCCEEDED(dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL))) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.dwWidth = 1;
    desc.dwHeight = 1;
    IDirectDrawSurface* surface = nullptr;
    if (SUCCEEDED(dd->CreateSurface(&desc, &surface, nullptr)) && surface) {
      g_directDrawTable = Table_Of(dd);
      Patch_DirectDraw<1>(dd, IID_IDirectDraw);
      Patch_DirectDraw<2>(dd, IID_IDirectDraw2);
      Patch_DirectDraw<4>(dd, IID_IDirectDraw4);
      Patch_DirectDraw<7>(dd, IID_IDirectDraw7);
      Patch_Surface<1>(surface, IID_IDirectDrawSurface);
      Patch_Surface<2>(surface, IID_IDirectDrawSurface2);
      Patch_Surface<3>(surface, IID_IDirectDrawSurface3);
      Patch_Surface<4>(surface, IID_IDirectDrawSurface4);
      Patch_Surface<7>(surface, IID_IDirectDrawSurface7);
      surface->Release();
      started = true;
    }
  }
  dd->Release();
  return started;
}

// Memory that can be read: a noted object may have been released by the game since.
bool Readable(const void* p, size_t size) {
  MEMORY_BASIC_INFORMATION mbi;
  if (!p || VirtualQuery(p, &mbi, sizeof mbi) != sizeof mbi) return false;
  if (mbi.State != MEM_COMMIT || (mbi.Protect & (PAGE_GUARD | PAGE_NOACCESS))) return false;
  const BYTE* end = static_cast<const BYTE*>(mbi.BaseAddress) + mbi.RegionSize;
  return static_cast<const BYTE*>(p) + size <= end;
}

}  // namespace

void Watch_DirectDraw() {
  if (g_watchState >= 2) return;
  DWORD now = GetTickCount();
  if (now - g_lastLookUp < 250 && g_lastLookUp != 0) return;
  g_lastLookUp = now ? now : 1;
  HMODULE ddraw = GetModuleHandleA("ddraw.dll");
  if (!ddraw) return;
  auto create = reinterpret_cast<Create_Fn>(GetProcAddress(ddraw, "DirectDrawCreate"));
  if (!create || InterlockedCompareExchange(&g_watchState, 1, 0) != 0) return;
  // The replaced methods live in this library: it must stay as long as the tables point here.
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                     reinterpret_cast<LPCSTR>(&Watch_DirectDraw), &self);
  InterlockedExchange(&g_watchState, Start_Watch(create) ? 2 : 3);
}

IDirectDraw* CDDrawFinder::FindGameDirectDraw(DWORD pid) {
  if (pid == 0 || pid == static_cast<DWORD>(-1) || pid != GetCurrentProcessId()) return nullptr;
  if (!pfnDirectDrawCreate) return nullptr;
  IDirectDraw* dd = g_noted;
  if (!dd || !Readable(dd, sizeof(void*)) || Table_Of(dd) != g_directDrawTable) return nullptr;
  return dd;
}

}  // namespace trhook95
