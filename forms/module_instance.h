// The module (program or DLL) this copy of the layer is linked into: window classes are registered
// per module, so a plug-in DLL never depends on its host's copy.
#pragma once
#include <windows.h>

namespace forms {

HINSTANCE ModuleInstance();

}  // namespace forms
