// A small IAccessible for the grid: the client object is a table and each cell a child element
// (no child objects), named by its headers and text, with the selected and focused states a
// screen reader needs. It looks the grid up by window handle on every call, so an object a
// client keeps after the window is gone answers RPC_E_DISCONNECTED instead of touching freed
// memory. Interface ids come from __uuidof: MinGW's oleacc import library also names
// IID_IAccessible, as an import thunk, and linking that gives a wrong id.
#include "grid/grid_accessible_win32.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "grid/grid_cell_name.h"
#include "grid/grid_window_state_win32.h"

namespace zembrik::grid {
namespace {

class GridAccessible final : public IAccessible {
 public:
  explicit GridAccessible(HWND window) : window_(window) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object)
      return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --references_;
    if (left == 0)
      delete this;
    return left;
  }

  // IDispatch: not offered; clients use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count)
      return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent)
      return E_POINTER;
    *parent = nullptr;
    if (!gridWindowFrom(window_))
      return RPC_E_DISCONNECTED;
    return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW),
                                      __uuidof(IDispatch), reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (!count)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    *count = grid->model.rowCount() * grid->model.columnCount();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (!child)
      return E_POINTER;
    *child = nullptr;
    return S_FALSE;  // cells are simple elements
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name)
      return E_POINTER;
    *name = nullptr;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    if (isSelf(child))
      return S_FALSE;
    CellPos cell;
    if (!cellOf(*grid, child, cell))
      return E_INVALIDARG;
    std::u16string text = cellAccessibleName(grid->model, cell);
    *name = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                              static_cast<UINT>(text.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override { return none(value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return none(text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    VariantInit(role);
    role->vt = VT_I4;
    if (isSelf(child)) {
      role->lVal = ROLE_SYSTEM_TABLE;
      return S_OK;
    }
    CellPos cell;
    if (!cellOf(*grid, child, cell))
      return E_INVALIDARG;
    role->lVal = cell.row < grid->model.fixedRows()         ? ROLE_SYSTEM_COLUMNHEADER
                 : cell.column < grid->model.fixedColumns() ? ROLE_SYSTEM_ROWHEADER
                                                            : ROLE_SYSTEM_CELL;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    VariantInit(state);
    state->vt = VT_I4;
    if (isSelf(child)) {
      state->lVal = STATE_SYSTEM_FOCUSABLE | (grid->hasFocus ? STATE_SYSTEM_FOCUSED : 0);
      return S_OK;
    }
    CellPos cell;
    if (!cellOf(*grid, child, cell))
      return E_INVALIDARG;
    const GridModel& model = grid->model;
    long bits = 0;
    if (model.cellRect(cell).empty())
      bits |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
    if (!model.isFixed(cell)) {
      bits |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
      if (model.selection().contains(cell))
        bits |= STATE_SYSTEM_SELECTED;
      if (grid->hasFocus && model.focus() == cell)
        bits |= STATE_SYSTEM_FOCUSED;
    }
    state->lVal = bits;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return none(help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file)
      *file = nullptr;
    if (topic)
      *topic = 0;
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
    return none(shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    VariantInit(focus);
    if (!grid->hasFocus)
      return S_FALSE;
    focus->vt = VT_I4;
    focus->lVal = cellChildId(grid->model, grid->model.focus());
    return S_OK;
  }
  // The selection is one cell, row or column; its focus cell stands for it.
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    VariantInit(selection);
    if (grid->model.selection().empty())
      return S_FALSE;
    selection->vt = VT_I4;
    selection->lVal = cellChildId(grid->model, grid->model.focus());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
    return none(action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    RECT rect{};
    if (isSelf(child)) {
      GetClientRect(window_, &rect);
    } else {
      CellPos cell;
      if (!cellOf(*grid, child, cell))
        return E_INVALIDARG;
      PixelRect area = grid->model.cellRect(cell);
      if (area.empty())
        return S_FALSE;
      rect = {area.left, area.top, area.right, area.bottom};
    }
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    if (end)
      VariantInit(end);
    return DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit)
      return E_POINTER;
    const GridWindow* grid = gridWindowFrom(window_);
    if (!grid)
      return RPC_E_DISCONNECTED;
    VariantInit(hit);
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client{};
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point))
      return S_FALSE;
    hit->vt = VT_I4;
    hit->lVal = cellChildId(grid->model, grid->model.hitTest(point.x, point.y));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  static bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  static bool cellOf(const GridWindow& grid, const VARIANT& child, CellPos& cell) {
    int columns = grid.model.columnCount();
    if (child.vt != VT_I4 || columns == 0 || child.lVal < 1 ||
        child.lVal > grid.model.rowCount() * columns)
      return false;
    int index = static_cast<int>(child.lVal) - 1;
    cell = {index / columns, index % columns};
    return true;
  }
  static HRESULT none(BSTR* text) {
    if (!text)
      return E_POINTER;
    *text = nullptr;
    return DISP_E_MEMBERNOTFOUND;
  }

  HWND window_;
  ULONG references_ = 1;
};

}  // namespace

LRESULT answerGetObject(HWND window, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT)
    return 0;
  auto* accessible = new (std::nothrow) GridAccessible(window);
  if (!accessible)
    return 0;
  LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, accessible);
  accessible->Release();  // LresultFromObject holds its own reference
  return answer > 0 ? answer : 0;
}

}  // namespace zembrik::grid
