#include "window/win32/accessibility.h"

#include "platform/win32/utf16.h"

#include <initguid.h> // defines the GUIDs of oleacc.h here
#include <oleacc.h>

namespace quillmar {

HRESULT name_for_assistive_tools(HWND control, std::string_view name) {
    IAccPropServices* services = nullptr;
    HRESULT result = CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IAccPropServices, reinterpret_cast<void**>(&services));
    if (FAILED(result))
        return result;
    result = services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                      PROPID_ACC_NAME, to_utf16(name).c_str());
    services->Release();
    return result;
}

} // namespace quillmar
