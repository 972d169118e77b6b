#include <emscripten.h>

#include "platform/web_parts.h"

// The page's script notes every write into the data folder; storing waits
// for the browser's database, so the game only waits when there is a change.
EM_JS(int, kv_files_changed, (), { return Module.kvFilesChanged() ? 1 : 0; });
EM_ASYNC_JS(void, kv_store_files, (), { await Module.kvStoreFiles(); });

void StoreChangedFiles() {
    if (kv_files_changed()) kv_store_files();
}
