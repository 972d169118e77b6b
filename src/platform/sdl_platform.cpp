#include "platform/sdl_platform.h"

#include <array>
#include <deque>

#include "platform/sdl_parts.h"

namespace {

// Decodes UTF-8 text input into bytes of the game's 8-bit character set
// (Latin-1); characters beyond it are dropped.
std::vector<int> LatinCharacters(const char* utf8) {
    std::vector<int> out;
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s) {
        uint32_t code = *s;
        int extra = 0;
        if (code >= 0xF0) { code &= 0x07; extra = 3; }
        else if (code >= 0xE0) { code &= 0x0F; extra = 2; }
        else if (code >= 0xC0) { code &= 0x1F; extra = 1; }
        else if (code >= 0x80) { ++s; continue; }  // a stray continuation byte
        ++s;
        for (; extra > 0 && (*s & 0xC0) == 0x80; --extra, ++s) code = (code << 6) | (*s & 0x3F);
        if (extra == 0 && code < 256) out.push_back(static_cast<int>(code));
    }
    return out;
}

class SdlPlatform : public Platform {
public:
    SdlPlatform() : sound_(std::make_unique<SdlSound>()) {}
    ~SdlPlatform() override {
        window_.reset();
        sound_.reset();
        SDL_Quit();
    }

    Window* CreateMainWindow(const std::string& title) override {
        if (!window_) window_ = SdlWindow::Create(title);
        return window_.get();
    }
    Window* MainWindow() override { return window_.get(); }

    Point ScreenSize() override {
        SDL_DisplayMode mode{};
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {kPictureWidth, kPictureHeight};
        return {mode.w, mode.h};
    }

    bool PeekMessage(WindowMessage& message) override {
        if (queue_.empty()) TranslateEvents();
        if (queue_.empty()) return false;
        message = std::move(queue_.front());
        queue_.pop_front();
        return true;
    }

    void WaitMessage(uint32_t timeoutMs) override {
        if (queue_.empty()) SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
    }

    void PostQuit(int code) override {
        queue_.push_back(MakeMessage(WM_QUIT, static_cast<uint64_t>(code)));
    }

    int64_t DefaultHandling(const WindowMessage& message) override {
        if (!window_) return 0;
        if (message.message == WM_SYSCOMMAND) {
            switch (message.wParam & 0xFFF0) {
                case SC_CLOSE: queue_.push_back(MakeMessage(WM_CLOSE)); break;
                case SC_RESTORE: window_->Restore(); break;
                case SC_MINIMIZE: window_->Minimise(); break;
                default: break;
            }
        } else if (message.message == WM_CLOSE && !window_->IsDestroyed()) {
            window_->Destroy();
            queue_.push_back(MakeMessage(WM_DESTROY));
        }
        return 0;
    }

    Point CursorPos() override {
        int wx = 0, wy = 0;
        SDL_GetMouseState(&wx, &wy);
        bool inside = false;
        return window_ ? window_->ToPicture(wx, wy, inside) : Point{wx, wy};
    }

    bool CursorInWindow() override {
        if (!window_ || SDL_GetMouseFocus() == nullptr) return false;
        int wx = 0, wy = 0;
        SDL_GetMouseState(&wx, &wy);
        bool inside = false;
        window_->ToPicture(wx, wy, inside);
        return inside;
    }

    bool KeyHeld(int virtualKey) override {
        return virtualKey >= 0 && virtualKey < 256 && held_[virtualKey];
    }

    uint32_t TickCount() override { return SDL_GetTicks(); }
    void Sleep(uint32_t ms) override { SDL_Delay(ms); }
    void PlaySound(const std::string& gameFileName) override { sound_->Play(gameFileName); }

private:
    void TranslateEvents() {
        SDL_Event e;
        while (SDL_PollEvent(&e)) Translate(e);
    }

    void Translate(const SDL_Event& e) {
        switch (e.type) {
            case SDL_KEYDOWN: OnKeyDown(e.key); break;
            case SDL_KEYUP: OnKeyUp(e.key); break;
            case SDL_TEXTINPUT: OnText(e.text.text); break;
            case SDL_MOUSEWHEEL: OnWheel(e.wheel); break;
            case SDL_MOUSEBUTTONDOWN: OnButton(e.button, true); break;
            case SDL_MOUSEBUTTONUP: OnButton(e.button, false); break;
            case SDL_WINDOWEVENT: OnWindowEvent(e.window); break;
            case SDL_QUIT: RequestClose(); break;
            case SDL_DROPFILE: {
                WindowMessage m = MakeMessage(WM_DROPFILES);
                m.text = e.drop.file ? e.drop.file : "";
                SDL_free(e.drop.file);
                if (!m.text.empty()) queue_.push_back(std::move(m));
                break;
            }
            default: break;
        }
    }

    void OnKeyDown(const SDL_KeyboardEvent& key) {
        const SDL_Keycode code = key.keysym.sym;
        if ((key.keysym.mod & KMOD_ALT) && (code == SDLK_RETURN || code == SDLK_KP_ENTER)) {
            // The platform's own switch between full screen and a window;
            // the game never sees these keys.
            if (!key.repeat && window_) window_->ToggleFullScreen();
            return;
        }
        // Only the left Alt makes a system key: the right one is AltGr on
        // many keyboards, which types characters such as the at sign.
        const bool alt = (key.keysym.mod & KMOD_LALT) != 0;
        const int vk = KeyCodeOf(key.keysym);
        if (vk == 0) return;
        held_[vk] = true;
        // No character belongs to a system key.
        charsSinceKeyDown_ = alt ? 1 : 0;
        queue_.push_back(MakeMessage(alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<uint64_t>(vk),
                                     key.repeat ? kKeyRepeatFlag : 0));
        const int character = ControlCharacterFor(code);
        if (character != 0 && !alt) {
            queue_.push_back(MakeMessage(WM_CHAR, static_cast<uint64_t>(character)));
            charsSinceKeyDown_ = 1;
        }
    }

    // The first character of a key press belongs to the key down just sent;
    // any other (an input method can send a whole word at once) gets a key
    // down of its own, so the game takes every character as a keystroke.
    void OnText(const char* utf8) {
        for (int c : LatinCharacters(utf8)) {
            if (charsSinceKeyDown_++ > 0)
                queue_.push_back(MakeMessage(WM_KEYDOWN, VK_OEM_8));
            queue_.push_back(MakeMessage(WM_CHAR, static_cast<uint64_t>(c)));
        }
    }

    void OnWheel(const SDL_MouseWheelEvent& wheel) {
        if (!window_ || wheel.y == 0) return;
        const int turn = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
        int wx = 0, wy = 0;
        SDL_GetMouseState(&wx, &wy);
        bool inside = false;
        const Point p = window_->ToPicture(wx, wy, inside);
        if (inside)
            queue_.push_back(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(turn * kWheelNotch),
                                         MakePositionWord(p.x, p.y)));
    }

    // Every key that can type has a code, as on the system the game was
    // made for, so a character never arrives without its key press.
    static int KeyCodeOf(const SDL_Keysym& keysym) {
        if (const int vk = VirtualKeyFor(keysym.sym)) return vk;
        if (const int vk = VirtualKeyForPosition(keysym.scancode)) return vk;
        const bool typing = keysym.sym > 0 && keysym.sym < SDLK_SCANCODE_MASK;
        return typing ? VK_OEM_8 : 0;
    }

    void OnKeyUp(const SDL_KeyboardEvent& key) {
        const int vk = KeyCodeOf(key.keysym);
        if (vk == 0) return;
        held_[vk] = false;
        queue_.push_back(MakeMessage(WM_KEYUP, static_cast<uint64_t>(vk)));
    }

    void OnButton(const SDL_MouseButtonEvent& button, bool down) {
        int vk = 0;
        uint32_t message = 0;
        if (button.button == SDL_BUTTON_LEFT) {
            vk = VK_LBUTTON;
            message = WM_LBUTTONDOWN;
        } else if (button.button == SDL_BUTTON_RIGHT) {
            vk = VK_RBUTTON;
            message = WM_RBUTTONDOWN;
        } else {
            return;
        }
        held_[vk] = down;
        if (!down || !window_) return;
        bool inside = false;
        const Point p = window_->ToPicture(button.x, button.y, inside);
        if (inside)
            queue_.push_back(MakeMessage(message, static_cast<uint64_t>(vk),
                                         MakePositionWord(p.x, p.y)));
    }

    void OnWindowEvent(const SDL_WindowEvent& w) {
        if (!window_ || w.windowID != window_->Id()) return;
        switch (w.event) {
            case SDL_WINDOWEVENT_MINIMIZED:
                if (window_->NoteMinimised(true)) Activation(WA_INACTIVE);
                break;
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_MAXIMIZED:
            case SDL_WINDOWEVENT_SHOWN:
                if (window_->NoteMinimised(false)) Activation(WA_ACTIVE);
                break;
            // Focus changes carry the minimised state as it is, so a late
            // focus message never clears it while the window is minimised.
            case SDL_WINDOWEVENT_FOCUS_GAINED: Activation(WA_ACTIVE); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: Activation(WA_INACTIVE); break;
            case SDL_WINDOWEVENT_SIZE_CHANGED:
            case SDL_WINDOWEVENT_EXPOSED: window_->ShowLastPicture(); break;
            case SDL_WINDOWEVENT_CLOSE: RequestClose(); break;
            default: break;
        }
    }

    void Activation(uint32_t state) {
        queue_.push_back(
            MakeMessage(WM_ACTIVATE, MakeActivateWord(state, window_->IsMinimised())));
    }

    // The window's close button, Alt+F4 or the desktop asking the program
    // to end all come as the system menu's close command.
    void RequestClose() {
        // One request makes both a window event and a quit event: take one.
        const uint32_t now = SDL_GetTicks();
        if (!window_ || window_->IsDestroyed() || (closeAskedAt_ != 0 && now - closeAskedAt_ < 500))
            return;
        closeAskedAt_ = now == 0 ? 1 : now;
        queue_.push_back(MakeMessage(WM_SYSCOMMAND, SC_CLOSE));
    }

    std::unique_ptr<SdlWindow> window_;
    std::unique_ptr<SdlSound> sound_;
    std::deque<WindowMessage> queue_;
    std::array<bool, 256> held_{};
    uint32_t closeAskedAt_ = 0;
    int charsSinceKeyDown_ = 1;  // characters since the last key down
};

}  // namespace

namespace {

std::string startProblem;

// Drivers that draw into memory only: with no display SDL falls back on
// them, and the game would run unseen.
bool InvisibleDriverNotAskedFor(const char* driver) {
    const std::string name = driver ? driver : "";
    if (name != "offscreen" && name != "dummy") return false;
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    return !asked || name != asked;
}

}  // namespace

std::unique_ptr<Platform> CreateSdlPlatform() {
    startProblem.clear();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
        startProblem = std::string("no display to show the game on (") + SDL_GetError() + ")";
        return nullptr;
    }
    if (InvisibleDriverNotAskedFor(SDL_GetCurrentVideoDriver())) {
        SDL_Quit();
        startProblem = "no display to show the game on (DISPLAY and WAYLAND_DISPLAY are not set)";
        return nullptr;
    }
    return std::make_unique<SdlPlatform>();
}

std::string SdlStartProblem() { return startProblem; }
