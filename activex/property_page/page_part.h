// A part of a property page that is more than a list of fields (the tree-list's column editor):
// it sits to the right of the page's fields, has its own controls and its own changes, and is
// loaded and applied together with the fields through the control's IDispatch.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace kv::pages {

class PagePart {
 public:
  virtual ~PagePart() = default;
  // Room it needs, in pixels.
  virtual SIZE Size() const = 0;
  // Creates its controls in `page` at (x, y), with control ids from `firstId` on (at most 50).
  virtual void Create(HWND page, int x, int y, int firstId) = 0;
  // Shows the object's current state (and forgets unapplied changes).
  virtual void Load(IDispatch* object) = 0;
  // A WM_COMMAND for one of its controls; true when it changed something to be applied.
  virtual bool Command(int id, int code) = 0;
  virtual bool Dirty() const = 0;
  // Writes its changes to one object; called for every object, then Load is called again.
  virtual HRESULT Apply(IDispatch* object) = 0;
};

}  // namespace kv::pages
