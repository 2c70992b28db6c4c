// The resources built into kmrui (help document, icon). A static library's
// resources must be registered explicitly before first use.
#pragma once

namespace kmr::ui {
void EnsureResources();
}
