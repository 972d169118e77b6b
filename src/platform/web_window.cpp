#include <emscripten.h>

#include <cstring>

#include "platform/web_parts.h"

// The page's script draws the bytes into its canvas and keeps the timings
// the browser test reads.
EM_JS(void, kv_show_picture, (const uint32_t* rgba, int width, int height), {
    Module.kvShowPicture(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});
EM_JS(void, kv_note_present, (int uploaded, double ms), {
    Module.kvNotePresent(uploaded, ms);
});
EM_ASYNC_JS(void, kv_wait_frame, (int hidden), {
    await new Promise(resume => hidden ? setTimeout(resume, 16) : requestAnimationFrame(() => resume()));
});

void WaitForPageFrame(bool hidden) { kv_wait_frame(hidden ? 1 : 0); }

bool WebWindow::Convert(const uint32_t* pixels, int width, int height, int pitch) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    bool same = shown_.size() == count;
    shown_.resize(count);
    for (int y = 0; y < height; ++y) {
        const uint32_t* from = pixels + static_cast<size_t>(y) * static_cast<size_t>(pitch);
        uint32_t* to = shown_.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        const size_t bytes = static_cast<size_t>(width) * sizeof(uint32_t);
        if (same && std::memcmp(from, to, bytes) == 0) continue;
        same = false;
        std::memcpy(to, from, bytes);
    }
    if (same) return false;
    // 0x00RRGGBB to the bytes R, G, B, 255 the canvas takes.
    rgba_.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t p = shown_[i];
        rgba_[i] = 0xFF000000u | ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
    }
    return true;
}

void WebWindow::PresentPicture(const uint32_t* pixels, int width, int height, int pitch) {
    if (destroyed_ || minimised_ || !pixels || width <= 0 || height <= 0) {
        WaitForPageFrame(true);
        return;
    }
    const double start = emscripten_get_now();
    const bool changed = Convert(pixels, width, height, pitch);
    if (changed) kv_show_picture(rgba_.data(), width, height);
    kv_note_present(changed ? 1 : 0, emscripten_get_now() - start);
    StoreChangedFiles();
    WaitForPageFrame(false);
}

bool WebWindow::NoteHidden(bool hidden) {
    if (hidden == minimised_) return false;
    minimised_ = hidden;
    if (hidden) ++lossCount_;
    // Whatever was on the canvas is drawn again in full on return.
    if (!hidden) shown_.clear();
    return true;
}

void WebWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    ++lossCount_;
}
