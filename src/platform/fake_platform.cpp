#include "platform/fake_platform.h"

#include <algorithm>
#include <cctype>

namespace {

// Peeks in a row with nothing to give while minimised before the fake gives
// up waiting for a restore that will never be scripted.
constexpr int kIdlePeekLimit = 10000;

// The virtual-key code a keyboard gives for a typed byte.
int KeyForCharacter(unsigned char c) {
    if (std::isalpha(c)) return std::toupper(c);
    if (std::isdigit(c) || c == ' ') return c;
    switch (c) {
        case 8: return VK_BACK;
        case 9: return VK_TAB;
        case 13: return VK_RETURN;
        case 27: return VK_ESCAPE;
        case 127: return VK_DELETE;
        case ';': case ':': return VK_OEM_1;
        case '=': case '+': return VK_OEM_PLUS;
        case ',': case '<': return VK_OEM_COMMA;
        case '-': case '_': return VK_OEM_MINUS;
        case '.': case '>': return VK_OEM_PERIOD;
        case '/': case '?': return VK_OEM_2;
        case '`': case '~': return VK_OEM_3;
        case '[': case '{': return VK_OEM_4;
        case '\\': case '|': return VK_OEM_5;
        case ']': case '}': return VK_OEM_6;
        case '\'': case '"': return VK_OEM_7;
        default: return c;  // shifted digits and the rest share their key's code loosely
    }
}

}  // namespace

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

Window* FakePlatform::CreateMainWindow(const std::string& windowTitle) {
    if (windowCreationFails) return nullptr;
    if (!window_) {
        window_ = std::make_unique<FakeWindow>(*this);
        title = windowTitle;
    }
    return window_.get();
}

Window* FakePlatform::MainWindow() { return window_.get(); }

void FakePlatform::Enqueue(const WindowMessage& message) { queue_.push_back(message); }

void FakePlatform::ReleaseDueSteps() {
    while (!script_.empty() && script_.front().frame <= frames_) {
        auto action = std::move(script_.front().action);
        script_.erase(script_.begin());
        action(*this);
    }
}

bool FakePlatform::PeekMessage(WindowMessage& message) {
    ReleaseDueSteps();
    if (queue_.empty() && window_ && window_->IsMinimised()) {
        if (!script_.empty()) {
            script_.front().frame = frames_;
            ReleaseDueSteps();
        } else if (++idlePeeks_ >= kIdlePeekLimit) {
            idlePeeks_ = 0;
            window_->Destroy();
        }
    }
    if (queue_.empty()) return false;
    idlePeeks_ = 0;
    message = queue_.front();
    queue_.erase(queue_.begin());
    return true;
}

void FakePlatform::WaitMessage(uint32_t timeoutMs) {
    if (queue_.empty()) clock_ += timeoutMs;
}

void FakePlatform::PostQuit(int code) {
    Enqueue(MakeMessage(WM_QUIT, static_cast<uint64_t>(code)));
}

int64_t FakePlatform::DefaultHandling(const WindowMessage& message) {
    if (!window_) return 0;
    if (message.message == WM_SYSCOMMAND) {
        switch (message.wParam & 0xFFF0) {
            case SC_CLOSE: Enqueue(MakeMessage(WM_CLOSE)); break;
            case SC_RESTORE: window_->Restore(); break;
            case SC_MINIMIZE: window_->Minimise(); break;
            default: break;
        }
    } else if (message.message == WM_CLOSE) {
        window_->Destroy();
    }
    return 0;
}

void FakePlatform::OnFramePresented() {
    ++frames_;
    clock_ += frameMs;
    if (!script_.empty()) {
        framesSinceScript_ = 0;
    } else if (++framesSinceScript_ >= frameLimit && window_ && !window_->IsDestroyed()) {
        window_->Destroy();
    }
}

// ---- Script ------------------------------------------------------------------

void FakePlatform::At(int frame, std::function<void(FakePlatform&)> step) {
    const int due = frame < 0 ? frames_ : frame;
    // Steps stay in the order given; a step never comes before an earlier one.
    const int after = script_.empty() ? due : std::max(due, script_.back().frame);
    script_.push_back({after, std::move(step)});
}

void FakePlatform::Post(const WindowMessage& message, int frame) {
    At(frame, [message](FakePlatform& p) { p.Enqueue(message); });
}

void FakePlatform::Click(int x, int y, int frame) {
    At(frame, [x, y](FakePlatform& p) {
        p.cursor_ = {x, y};
        p.Enqueue(MakeMessage(WM_LBUTTONDOWN, 1, MakePositionWord(x, y)));
    });
}

void FakePlatform::RightClick(int x, int y, int frame) {
    At(frame, [x, y](FakePlatform& p) {
        p.cursor_ = {x, y};
        p.Enqueue(MakeMessage(WM_RBUTTONDOWN, 2, MakePositionWord(x, y)));
    });
}

void FakePlatform::Key(int virtualKey, int character, int frame) {
    At(frame, [virtualKey, character](FakePlatform& p) {
        p.Enqueue(MakeMessage(WM_KEYDOWN, static_cast<uint64_t>(virtualKey)));
        if (character != 0)
            p.Enqueue(MakeMessage(WM_CHAR, static_cast<uint64_t>(character & 0xFF)));
    });
}

void FakePlatform::Type(std::string_view text, int frame) {
    for (char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        Key(KeyForCharacter(byte), byte, frame);
    }
}

void FakePlatform::Minimise(int frame) {
    At(frame, [](FakePlatform& p) {
        if (p.window_) p.window_->Minimise();
    });
}

void FakePlatform::Restore(int frame) {
    At(frame, [](FakePlatform& p) {
        if (p.window_) p.window_->Restore();
    });
}

void FakePlatform::Close(int frame) {
    Post(MakeMessage(WM_SYSCOMMAND, SC_CLOSE), frame);
}

void FakePlatform::DropFile(const std::string& path, int frame) {
    WindowMessage m = MakeMessage(WM_DROPFILES);
    m.text = path;
    Post(m, frame);
}

void FakePlatform::MoveCursor(int x, int y, int frame) {
    At(frame, [x, y](FakePlatform& p) { p.cursor_ = {x, y}; });
}

void FakePlatform::Wheel(int notches, int x, int y, int frame) {
    At(frame, [notches, x, y](FakePlatform& p) {
        p.cursor_ = {x, y};
        p.Enqueue(MakeMessage(WM_MOUSEWHEEL, MakeWheelWord(notches * kWheelNotch), MakePositionWord(x, y)));
    });
}

void FakePlatform::HoldKey(int virtualKey, bool down, int frame) {
    At(frame, [virtualKey, down](FakePlatform& p) {
        if (down)
            p.held_.insert(virtualKey);
        else
            p.held_.erase(virtualKey);
    });
}
