#pragma once
// A whole screen on the fake platform: the display set up in a fresh working
// folder that holds the generated pictures, the game's globals reset, and a
// script that acts as a player would: each action waits until the screen has
// taken the previous click or key. The picture of a failing step and the
// last one shown are written beside the test's output.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/state.h"
#include "platform/fake_platform.h"
#include "shown_pictures.h"
#include "support/scripted_player.h"
#include "support/temp_dir.h"
#include "ui/text_layout.h"

class ScreenTest : public InTempDir {
protected:
    void SetUp() override;
    void TearDown() override;

    // ---- The game -------------------------------------------------------
    // A single-player game against seat 1 (a computer) on a 27-tile map grown
    // from a fixed seed, both seats alive and set up, no units yet. Seat 0 is
    // FIREBIRD in GREEN, seat 1 WASP in RED.
    void NewSinglePlayerGame(int mapSize = 27, int mapSeed = 12345);
    int PlaceUnit(int x, int y, int owner, int type);
    // Writes the game to its file as the hand-over would find it.
    void SaveGame();

    // ---- The player's script -------------------------------------------
    // Runs once the screen has taken every earlier click and key and drawn
    // at least `settleFrames` frames since.
    void Then(std::function<void()> action, int settleFrames = 5);
    void ClickAt(int x, int y, int button = 1);  // 1 left, 2 right
    // A click on the middle of a map tile as the view stands when it is made.
    void ClickTile(int x, int y, int button = 1);
    // A click on the middle of a button of the table, wherever it is when made.
    void ClickButtonId(int id, int button = 1);
    void Press(int virtualKey, int character = 0);
    // Types text one key at a time.
    void TypeKeys(std::string_view text);
    // Frames to wait for with nothing to do (explosions, scrolling).
    void Wait(int frames);

    // ---- The picture ----------------------------------------------------
    // Every lit pixel of the text's glyphs is on the shown picture at x, y.
    bool TextShown(int x, int y, std::string_view text, int size) const {
        return TextShownOn(fake.Fake(), x, y, text, size);
    }
    // Every lit pixel of the source rectangle of a surface slot is shown at x, y.
    bool PictureShown(int x, int y, const Rect& source, int slot = 0) const {
        return ShareShown(fake.Fake(), x, y, source, slot) == 1;
    }
    // The same for a picture that other things are drawn over (health, marks,
    // the cursor): three in four of its lit pixels are there.
    bool PictureMostlyShown(int x, int y, const Rect& source) const {
        return ShareShown(fake.Fake(), x, y, source) >= 0.75;
    }
    // A line of large text centred on the screen at y (a pop-up box's lines).
    bool CentredShown(std::string_view line, int y) const { return TextShown(CentredX(line), y, line, kLargeFont); }
    // The button's label drawn where the button table centres it.
    bool LabelShown(int id, std::string_view text) const;
    uint32_t Pixel(int x, int y) const { return fake.Fake() ? fake.Fake()->PixelAt(x, y) : 0; }
    mutable FakePlatform fake;
    Window* window = nullptr;

private:
    // Keeps the shown picture under a name; written out if the test fails.
    void Snap(const std::string& name) {
        if (fake.Fake()) snaps_.emplace_back(name, fake.Fake()->Picture());
    }
    void ClickWhereNow(std::function<Point()> where, int button);
    ScriptedPlayer player_{fake};
    KeptPictures snaps_;
};
