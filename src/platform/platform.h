#pragma once
// The window, input, clock and sound layer the game runs on. The game was
// shaped around a desktop window manager: a window procedure receives
// messages (key down, character, button presses, activation, destroy, system
// commands) from a queue the shell pumps every frame. This layer keeps that
// shape so the shell reads like one, and hides how the messages are made.
//
// Two implementations exist: the SDL one for the real game
// (platform/sdl_platform.h) and a fake for tests (platform/fake_platform.h),
// with a virtual clock, scripted input, recorded sounds and a readable picture.
//
// Coordinates given to the game are always those of the fixed 1024 x 768
// picture, whatever the size of the window it is shown in.
#include <cstdint>
#include <string>

// ---- Message codes, with the values the game's window procedure knows ----
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;  // a key pressed with Alt held
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_DROPFILES = 0x0233;

// WM_KEYDOWN: lParam bit 30 is set when the key was already down (the
// keyboard's own repeat while it is held).
constexpr int64_t kKeyRepeatFlag = int64_t{1} << 30;

// WM_MOUSEWHEEL: one notch of the wheel in the high word of wParam.
constexpr int kWheelNotch = 120;

// WM_ACTIVATE: low word of wParam.
constexpr uint32_t WA_INACTIVE = 0;
constexpr uint32_t WA_ACTIVE = 1;

// WM_SYSCOMMAND: wParam.
constexpr uint32_t SC_MINIMIZE = 0xF020;
constexpr uint32_t SC_MAXIMIZE = 0xF030;
constexpr uint32_t SC_CLOSE = 0xF060;
constexpr uint32_t SC_KEYMENU = 0xF100;
constexpr uint32_t SC_RESTORE = 0xF120;

// Virtual-key codes (WM_KEYDOWN's wParam, KeyHeld). Letters and digits are
// their upper-case ASCII codes ('A' 0x41, '0' 0x30).
constexpr int VK_LBUTTON = 0x01;
constexpr int VK_RBUTTON = 0x02;
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;  // Alt
constexpr int VK_PAUSE = 0x13;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;  // Page Up
constexpr int VK_NEXT = 0x22;   // Page Down
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_NUMPAD0 = 0x60;  // to VK_NUMPAD0 + 9
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;
constexpr int VK_DECIMAL = 0x6E;
constexpr int VK_DIVIDE = 0x6F;
constexpr int VK_F1 = 0x70;  // F1 to F12 follow on
constexpr int VK_F2 = 0x71;
constexpr int VK_F3 = 0x72;
constexpr int VK_F4 = 0x73;
constexpr int VK_F12 = 0x7B;
constexpr int VK_OEM_1 = 0xBA;       // ;:
constexpr int VK_OEM_PLUS = 0xBB;    // =+
constexpr int VK_OEM_COMMA = 0xBC;   // ,<
constexpr int VK_OEM_MINUS = 0xBD;   // -_
constexpr int VK_OEM_PERIOD = 0xBE;  // .>
constexpr int VK_OEM_2 = 0xBF;       // /?
constexpr int VK_OEM_3 = 0xC0;       // `~
constexpr int VK_OEM_4 = 0xDB;       // [{
constexpr int VK_OEM_5 = 0xDC;       // \|
constexpr int VK_OEM_6 = 0xDD;       // ]}
constexpr int VK_OEM_7 = 0xDE;       // '"

// The fixed picture every screen draws.
constexpr int kPictureWidth = 1024;
constexpr int kPictureHeight = 768;

// lParam of the button messages: x in the low 16 bits, y in the high 16 bits.
constexpr int64_t MakePositionWord(int x, int y) {
    return static_cast<int64_t>((static_cast<uint32_t>(y & 0xFFFF) << 16) |
                                static_cast<uint32_t>(x & 0xFFFF));
}
// The signed 16-bit halves of a word, as a window procedure unpacks them.
constexpr int LowWord(uint64_t word) { return static_cast<int16_t>(word & 0xFFFF); }
constexpr int HighWord(uint64_t word) { return static_cast<int16_t>((word >> 16) & 0xFFFF); }
// wParam of WM_MOUSEWHEEL: the signed turn in the high word.
constexpr uint64_t MakeWheelWord(int delta) {
    return static_cast<uint64_t>(static_cast<uint16_t>(delta)) << 16;
}
// wParam of WM_ACTIVATE: the activation state low, the minimised flag high.
constexpr uint64_t MakeActivateWord(uint32_t state, bool minimised) {
    return (static_cast<uint64_t>(minimised ? 1 : 0) << 16) | (state & 0xFFFF);
}

// One message off the queue.
//   WM_KEYDOWN / WM_SYSKEYDOWN / WM_KEYUP: wParam = virtual-key code;
//     WM_KEYDOWN's lParam carries kKeyRepeatFlag for the keyboard's repeats.
//   WM_CHAR: wParam = the character as a byte (0..255). Keys that make a
//     character are followed directly by their WM_CHAR, already translated:
//     Backspace 8, Tab 9, Enter 13, Escape 27, Delete 127, printable text as
//     typed (Latin-1; characters beyond it are dropped). Every WM_CHAR has a
//     WM_KEYDOWN of its own right before it, also when one key press typed
//     several characters, so that the game can take them one at a time.
//   WM_LBUTTONDOWN / WM_RBUTTONDOWN: lParam = MakePositionWord(x, y) in
//     picture coordinates; presses outside the picture (letterbox bars) are
//     not delivered.
//   WM_MOUSEWHEEL: the high word of wParam = the wheel's turn, signed, in
//     kWheelNotch steps per notch, positive away from the player (up);
//     lParam = MakePositionWord of the cursor in picture coordinates.
//   WM_ACTIVATE: wParam = MakeActivateWord(WA_ACTIVE or WA_INACTIVE,
//     minimised). Minimising the window loses the display's surfaces.
//   WM_SYSCOMMAND: wParam = SC_CLOSE when the player closes the window.
//   WM_CLOSE, WM_DESTROY: made by DefaultHandling on the way to closing.
//   WM_QUIT: wParam = the code given to PostQuit.
//   WM_DROPFILES: text = the path of a file dropped on the window.
struct WindowMessage {
    uint32_t message = 0;
    uint64_t wParam = 0;
    int64_t lParam = 0;
    std::string text;
};

inline WindowMessage MakeMessage(uint32_t code, uint64_t wParam = 0, int64_t lParam = 0) {
    WindowMessage m;
    m.message = code;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The one game window. The display device shows its pictures through it.
class Window {
public:
    virtual ~Window() = default;
    // Shows a picture of width x height 32-bit pixels 0x00RRGGBB, `pitch`
    // pixels from one row to the next: scaled to fit the window with its
    // aspect kept, black bars around, no smoothing. Returns once the frame is
    // shown: at the display's refresh, or after holding the rate at 60 frames
    // a second; while minimised it only sleeps a frame.
    // Null `pixels` means the picture has not changed since the last one:
    // nothing is uploaded or drawn (the window shows the last picture again
    // by itself when it is uncovered or resized), and the call still returns
    // at the frame's rhythm, sleeping rather than spinning.
    virtual void PresentPicture(const uint32_t* pixels, int width, int height, int pitch) = 0;
    // Replaces the window's icon (32-bit pixels 0xAARRGGBB, tightly packed).
    // A window starts with the game's own emblem.
    virtual void SetIcon(const uint32_t* pixels, int width, int height) = 0;
    virtual bool IsMinimised() const = 0;
    // True once the window has been destroyed (closed by the player).
    virtual bool IsDestroyed() const = 0;
    // Counts the times the window was minimised or destroyed: whenever it
    // changes, the display's surfaces and their pictures are lost.
    virtual uint32_t LossCount() const = 0;
    // Whether pictures reach the screen through graphics hardware.
    virtual bool IsAccelerated() const = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Creates the one window, full-screen on the desktop, titled `title`.
    // Returns nullptr when no window can be made (no display available).
    // A second call returns the existing window.
    virtual Window* CreateMainWindow(const std::string& title) = 0;
    virtual Window* MainWindow() = 0;
    // Size of the primary screen in pixels.
    virtual Point ScreenSize() = 0;

    // Takes the next message off the queue; false when it is empty. Keeps
    // the window responsive: call it often.
    virtual bool PeekMessage(WindowMessage& message) = 0;
    // Sleeps until a message is waiting or `timeoutMs` passed, for loops
    // that idle (while minimised).
    virtual void WaitMessage(uint32_t timeoutMs) = 0;
    // Queues WM_QUIT with the given code.
    virtual void PostQuit(int code) = 0;
    // What the window manager does with a message the game does not handle:
    // SC_CLOSE leads to WM_CLOSE, WM_CLOSE destroys the window (WM_DESTROY
    // follows), SC_RESTORE restores a minimised window, SC_MINIMIZE minimises
    // it; everything else is ignored. Returns the window-procedure result, 0.
    virtual int64_t DefaultHandling(const WindowMessage& message) = 0;

    // The cursor in picture coordinates, kept inside the picture.
    virtual Point CursorPos() = 0;
    // Whether the pointer is over the window at all: outside it, CursorPos
    // is only the nearest point of the picture.
    virtual bool CursorInWindow() { return true; }
    // Whether a key (virtual-key code, also VK_LBUTTON, VK_RBUTTON) is down.
    virtual bool KeyHeld(int virtualKey) = 0;

    // Milliseconds since an arbitrary start, wrapping at 2^32.
    virtual uint32_t TickCount() = 0;
    virtual void Sleep(uint32_t ms) = 0;

    // Starts a wave file, named as the game names it ("Sounds\\Buzzer.wav"),
    // and returns at once. A new sound cuts off the one playing. A missing or
    // unreadable file, or a machine without sound, is silently ignored.
    virtual void PlaySound(const std::string& gameFileName) = 0;
};

// The platform the program runs on; set once at start (the SDL one by the
// program, a fake by tests). GetPlatform() must not be called before.
void SetPlatform(Platform* platform);
Platform& GetPlatform();
