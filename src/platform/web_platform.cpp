#include "platform/web_platform.h"

#include <emscripten.h>

#include <array>
#include <deque>

#include "platform/files.h"
#include "platform/web_parts.h"

namespace {

// What the page's script records from its events, one entry at a time. The
// page maps presses to picture coordinates and keys to virtual-key codes.
enum PageInput {
    kNoInput = 0,
    kKeyDown = 1,     // key, character (0 for none), flags (kAltFlag, kRepeatFlag)
    kKeyUp = 2,       // key
    kButtonDown = 3,  // button (0 left, 2 right), x, y (x < 0: outside the picture)
    kButtonUp = 4,    // button
    kVisibility = 5,  // hidden
    kFocus = 6,       // gained
    kDrop = 7,        // text: the path of a file taken in by the page
    kClose = 8,       // the page is going away
    kWheel = 9,       // notches (positive away from the player), x, y
};
constexpr int kAltFlag = 1;     // the left Alt is held
constexpr int kRepeatFlag = 2;  // the keyboard's own repeat

constexpr int kTextSize = 1024;

EM_JS(int, kv_next_input, (int* fields, char* text, int textSize), {
    const entry = Module.kvNextInput();
    if (!entry) return 0;
    for (let i = 0; i < 3; ++i) HEAP32[(fields >> 2) + i] = entry[i + 1] | 0;
    stringToUTF8(entry[4] || "", text, textSize);
    return entry[0];
});
EM_JS(int, kv_input_waiting, (), { return Module.kvInputWaiting() ? 1 : 0; });
EM_JS(int, kv_cursor, (), { return Module.kvCursor(); });
EM_JS(int, kv_cursor_in_window, (), { return Module.kvCursorInWindow() ? 1 : 0; });
EM_JS(int, kv_screen_size, (), { return (screen.width & 0xFFFF) | (screen.height << 16); });
EM_JS(void, kv_window_closed, (), { Module.kvWindowClosed(); });

class WebPlatform : public Platform {
public:
    Window* CreateMainWindow(const std::string&) override {
        if (!window_) window_ = std::make_unique<WebWindow>();
        return window_.get();
    }
    Window* MainWindow() override { return window_.get(); }

    Point ScreenSize() override {
        const int size = kv_screen_size();
        return {size & 0xFFFF, size >> 16};
    }

    bool PeekMessage(WindowMessage& message) override {
        if (queue_.empty()) TranslateInput();
        if (queue_.empty()) return false;
        // What the game wrote so far is stored before it acts on more input.
        StoreChangedFiles();
        message = std::move(queue_.front());
        queue_.pop_front();
        return true;
    }

    void WaitMessage(uint32_t timeoutMs) override {
        StoreChangedFiles();
        if (queue_.empty() && !kv_input_waiting()) emscripten_sleep(timeoutMs);
    }

    void PostQuit(int code) override {
        queue_.push_back(MakeMessage(WM_QUIT, static_cast<uint64_t>(code)));
    }

    int64_t DefaultHandling(const WindowMessage& message) override {
        if (!window_) return 0;
        // A page cannot minimise or restore itself: those commands do nothing.
        if (message.message == WM_SYSCOMMAND && (message.wParam & 0xFFF0) == SC_CLOSE) {
            queue_.push_back(MakeMessage(WM_CLOSE));
        } else if (message.message == WM_CLOSE && !window_->IsDestroyed()) {
            window_->Destroy();
            kv_window_closed();
            queue_.push_back(MakeMessage(WM_DESTROY));
        }
        return 0;
    }

    Point CursorPos() override {
        const int packed = kv_cursor();
        return {packed & 0xFFFF, packed >> 16};
    }

    bool CursorInWindow() override { return kv_cursor_in_window() != 0; }

    bool KeyHeld(int virtualKey) override {
        return virtualKey >= 0 && virtualKey < 256 && held_[virtualKey];
    }

    uint32_t TickCount() override { return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now())); }
    void Sleep(uint32_t ms) override {
        StoreChangedFiles();
        emscripten_sleep(ms);
    }
    void PlaySound(const std::string& gameFileName) override {
        PlayWebSound(ResolveGamePath(gameFileName));
    }

private:
    void TranslateInput() {
        std::array<int, 3> fields{};
        char text[kTextSize];
        while (const int kind = kv_next_input(fields.data(), text, kTextSize))
            Translate(kind, fields, text);
    }

    void Translate(int kind, const std::array<int, 3>& f, const char* text) {
        switch (kind) {
            case kKeyDown: OnKeyDown(f[0], f[1], f[2]); break;
            case kKeyUp: SetHeld(f[0], false); queue_.push_back(MakeMessage(WM_KEYUP, Word(f[0]))); break;
            case kButtonDown: OnButtonDown(f[0], f[1], f[2]); break;
            case kButtonUp: SetHeld(ButtonKey(f[0]), false); break;
            case kWheel:
                queue_.push_back(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(f[0] * kWheelNotch),
                                             MakePositionWord(f[1], f[2])));
                break;
            case kVisibility:
                if (window_ && window_->NoteHidden(f[0] != 0))
                    Activation(f[0] != 0 ? WA_INACTIVE : WA_ACTIVE);
                break;
            case kFocus: Activation(f[0] != 0 ? WA_ACTIVE : WA_INACTIVE); break;
            case kDrop: {
                WindowMessage m = MakeMessage(WM_DROPFILES);
                m.text = text;
                if (!m.text.empty()) queue_.push_back(std::move(m));
                break;
            }
            case kClose:
                if (window_ && !window_->IsDestroyed()) queue_.push_back(MakeMessage(WM_SYSCOMMAND, SC_CLOSE));
                break;
            default: break;
        }
    }

    static uint64_t Word(int value) { return static_cast<uint64_t>(value); }
    static int ButtonKey(int button) { return button == 2 ? VK_RBUTTON : VK_LBUTTON; }
    void SetHeld(int vk, bool down) {
        if (vk > 0 && vk < 256) held_[vk] = down;
    }

    // The page gives one character at most with each key press, so every
    // character has its key down right before it.
    void OnKeyDown(int vk, int character, int flags) {
        if (vk <= 0 || vk >= 256) return;
        SetHeld(vk, true);
        const bool alt = (flags & kAltFlag) != 0;
        queue_.push_back(MakeMessage(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, Word(vk),
                                     (flags & kRepeatFlag) ? kKeyRepeatFlag : 0));
        if (character > 0 && character < 256 && !alt)
            queue_.push_back(MakeMessage(WM_CHAR, Word(character)));
    }

    void OnButtonDown(int button, int x, int y) {
        const int vk = ButtonKey(button);
        SetHeld(vk, true);
        if (x < 0 || y < 0) return;  // on a bar beside the picture
        queue_.push_back(MakeMessage(vk == VK_LBUTTON ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, Word(vk),
                                     MakePositionWord(x, y)));
    }

    void Activation(uint32_t state) {
        if (!window_) return;
        queue_.push_back(MakeMessage(WM_ACTIVATE, MakeActivateWord(state, window_->IsMinimised())));
    }

    std::unique_ptr<WebWindow> window_;
    std::deque<WindowMessage> queue_;
    std::array<bool, 256> held_{};
};

}  // namespace

std::unique_ptr<Platform> CreateWebPlatform() { return std::make_unique<WebPlatform>(); }
