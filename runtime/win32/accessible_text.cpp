#include "accessible_text.h"

#include <initguid.h>
#include <oleacc.h>
#include <string>

namespace testola {

namespace {

bool SetProperty(HWND control, const MSAAPROPID& property, std::wstring_view text) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services)))) {
        return false;
    }
    HRESULT result;
    if (text.empty()) {
        MSAAPROPID properties[] = {property};
        result = services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties, 1);
    } else {
        const std::wstring terminated(text);
        result = services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                          terminated.c_str());
    }
    services->Release();
    return SUCCEEDED(result);
}

} // namespace

bool SetAccessibleName(HWND control, std::wstring_view name) {
    return SetProperty(control, PROPID_ACC_NAME, name);
}

bool SetAccessibleDescription(HWND control, std::wstring_view description) {
    return SetProperty(control, PROPID_ACC_DESCRIPTION, description);
}

} // namespace testola
