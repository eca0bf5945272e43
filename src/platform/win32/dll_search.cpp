#include "platform/win32/dll_search.h"

#include <windows.h>

namespace quillmar {

void load_dlls_from_system32_only() {
    // Every Windows the program runs on has this call (Windows 8, and 7 with its updates).
    // The process may go on when it fails: the search order is then Windows' safe default.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace quillmar
