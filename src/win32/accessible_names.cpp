// SPDX-License-Identifier: MIT

#include "win32/accessible_names.h"

#include <string>

namespace pali {

AccessibleNames::AccessibleNames()
{
    void* services = nullptr;
    if (SUCCEEDED(
            CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &services))) {
        services_ = static_cast<IAccPropServices*>(services);
    }
}

AccessibleNames::~AccessibleNames()
{
    clear();
    if (services_) {
        services_->Release();
    }
}

void AccessibleNames::name(HWND control, std::wstring_view name)
{
    if (!services_) {
        return;
    }
    const std::wstring text(name);
    if (SUCCEEDED(services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                                            text.c_str()))) {
        named_.push_back(control);
    }
}

void AccessibleNames::clear()
{
    MSAAPROPID name = PROPID_ACC_NAME;
    for (HWND control : named_) {
        services_->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
    }
    named_.clear();
}

}  // namespace pali
