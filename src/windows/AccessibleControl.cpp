#include "AccessibleControl.h"

#include <oleacc.h>

#include <string>

#include "Text.h"

namespace {

constexpr const char* kPressAction = brimblet::N_("Press");

// The accessibility and COM calls are loaded when a screen reader first asks, so that
// start-up loads nothing for them.
struct AccessibilityCalls {
    decltype(&CoInitialize) coInitialize = nullptr;
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocString) allocString = nullptr;
    bool ready = false;

    static const AccessibilityCalls& Get() {
        static const AccessibilityCalls calls = [] {
            AccessibilityCalls c;
            HMODULE ole32 = LoadLibraryW(L"ole32.dll");
            HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
            HMODULE oleaut32 = LoadLibraryW(L"oleaut32.dll");
            if (ole32 == nullptr || oleacc == nullptr || oleaut32 == nullptr) {
                return c;
            }
            c.coInitialize = Load<decltype(&CoInitialize)>(ole32, "CoInitialize");
            c.createStandard =
                Load<decltype(&CreateStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject");
            c.lresultFromObject = Load<decltype(&LresultFromObject)>(oleacc, "LresultFromObject");
            c.allocString = Load<decltype(&SysAllocString)>(oleaut32, "SysAllocString");
            c.ready = c.coInitialize != nullptr && c.createStandard != nullptr &&
                      c.lresultFromObject != nullptr && c.allocString != nullptr;
            if (c.ready) {
                c.coInitialize(
                    nullptr);  // the user-interface thread is a single-threaded apartment
            }
            return c;
        }();
        return calls;
    }

    template <typename Function> static Function Load(HMODULE module, const char* name) {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

bool Self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// A control's IAccessible: the design's role, name and default action; everything else is
// the standard object's.
class AccessibleControl final : public IAccessible {
public:
    AccessibleControl(HWND control, const AccessibleSpec& design, const brimblet::Catalogue& texts,
                      IAccessible* standard)
        : control_(control), design_(design), texts_(texts), standard_(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch: no type information; clients use the IAccessible calls themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
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

    // What this object says itself.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!Self(child)) {
            return E_INVALIDARG;
        }
        std::string text = design_.name != nullptr ? texts_.Text(design_.name) : "";
        if (design_.name == nullptr) {
            text =
                WindowText(design_.nameFrom != 0 ? GetDlgItem(GetParent(control_), design_.nameFrom)
                                                 : control_);
        }
        *name = String(Widen(text));
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!Self(child)) {
            return E_INVALIDARG;
        }
        role->vt = VT_I4;
        role->lVal = design_.role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (Self(child) && design_.role == ROLE_SYSTEM_TEXT) {  // a name box: what it holds
            *value = String(Widen(WindowText(control_)));
            return *value != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return standard_ != nullptr ? standard_->get_accValue(child, value) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!Self(child)) {
            return E_INVALIDARG;
        }
        if (!design_.pressable) {
            *action = nullptr;
            return S_FALSE;
        }
        *action = String(Widen(texts_.Text(kPressAction)));
        return *action != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    // "Press" is a click: it reaches the window as a click's notification does, once this
    // call has returned to the screen reader.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!Self(child)) {
            return E_INVALIDARG;
        }
        if (!design_.pressable) {
            return DISP_E_MEMBERNOTFOUND;
        }
        PostMessageW(GetParent(control_), WM_COMMAND, MAKEWPARAM(design_.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control_));
        return S_OK;
    }

    // The standard object's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Standard([&](IAccessible* s) { return s->get_accParent(parent); });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
        *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Standard([&](IAccessible* s) { return s->get_accDescription(child, text); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Standard([&](IAccessible* s) { return s->get_accState(child, state); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Standard([&](IAccessible* s) { return s->get_accHelp(child, help); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Standard([&](IAccessible* s) { return s->get_accHelpTopic(file, child, topic); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        if (Self(child) && design_.shortcut != nullptr) {
            *keys = String(Widen(design_.shortcut));
            return *keys != nullptr ? S_OK : E_OUTOFMEMORY;
        }
        return Standard([&](IAccessible* s) { return s->get_accKeyboardShortcut(child, keys); });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Standard([&](IAccessible* s) { return s->get_accFocus(focus); });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Standard([&](IAccessible* s) { return s->get_accSelection(selection); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Standard([&](IAccessible* s) { return s->accSelect(flags, child); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return Standard(
            [&](IAccessible* s) { return s->accLocation(left, top, width, height, child); });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Standard([&](IAccessible* s) { return s->accNavigate(direction, start, end); });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return Standard([&](IAccessible* s) { return s->accHitTest(x, y, child); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~AccessibleControl() {
        if (standard_ != nullptr) {
            standard_->Release();
        }
    }

    template <typename Call> HRESULT Standard(Call call) {
        return standard_ != nullptr ? call(standard_) : E_NOTIMPL;
    }

    static BSTR String(const std::wstring& text) {
        return AccessibilityCalls::Get().allocString(text.c_str());
    }

    HWND control_;
    const AccessibleSpec& design_;
    const brimblet::Catalogue& texts_;
    IAccessible* standard_;
    LONG references_ = 1;
};

// The answer to WM_GETOBJECT for a control's client area; 0 for any other request.
LRESULT AnswerGetObject(HWND control, const AccessibleSpec& design, const brimblet::Catalogue& texts,
                        WPARAM wParam, LPARAM lParam) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) {
        return 0;
    }
    const AccessibilityCalls& calls = AccessibilityCalls::Get();
    if (!calls.ready) {
        return 0;
    }
    IAccessible* standard = nullptr;
    if (FAILED(calls.createStandard(control, OBJID_CLIENT, __uuidof(IAccessible),
                                    reinterpret_cast<void**>(&standard)))) {
        standard = nullptr;
    }
    auto* object = new AccessibleControl(control, design, texts, standard);
    const LRESULT answer = calls.lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return answer > 0 ? answer : 0;
}

// A control made accessible keeps, in a property of its own window, the procedure it had and
// its design: its class may use the window's user data for itself, as a picture box does.
constexpr const wchar_t* kSubclassProperty = L"BrimbletAccessible";

struct Subclass {
    WNDPROC next;
    const AccessibleSpec* design;
    const brimblet::Catalogue* texts;
};

LRESULT CALLBACK AccessibleProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* subclass = static_cast<const Subclass*>(GetPropW(control, kSubclassProperty));
    const WNDPROC next = subclass->next;
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AnswerGetObject(control, *subclass->design, *subclass->texts, wParam, lParam)) {
            return answer;
        }
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(next));
        RemovePropW(control, kSubclassProperty);
        delete subclass;
    }
    return CallWindowProcW(next, control, message, wParam, lParam);
}

}  // namespace

void MakeAccessible(HWND control, const AccessibleSpec& design, const brimblet::Catalogue& texts) {
    auto* subclass = new Subclass{nullptr, &design, &texts};
    SetPropW(control, kSubclassProperty, subclass);
    subclass->next = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleProcedure)));
}
