#pragma once

namespace quillmar {

// Makes every DLL loaded from now on come from the System32 folder alone, never from the
// program's own folder or the current one: a DLL planted beside the program, in a Downloads
// folder say, is then never loaded in place of Windows' own. Called first thing at start.
void load_dlls_from_system32_only();

} // namespace quillmar
