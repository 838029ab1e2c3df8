// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string_view>
#include <vector>

namespace pali {

// Names that screen readers read for controls whose name Windows cannot
// find itself (Microsoft Active Accessibility's dynamic annotation). An
// edit control is otherwise named by the static label just before it in the
// window order; a box captioned by a button has no such label. Without the
// accessibility service (COM not started), nothing is annotated.
class AccessibleNames {
public:
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    bool available() const { return services_ != nullptr; }
    void name(HWND control, std::wstring_view name);
    // Before the controls are destroyed: the annotations are kept by the
    // accessibility service, not by the controls.
    void clear();

private:
    IAccPropServices* services_ = nullptr;
    std::vector<HWND> named_;
};

}  // namespace pali
