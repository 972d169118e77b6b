#include <filesystem>
#include <fstream>

#include "game_fixture.h"

namespace fs = std::filesystem;

namespace {

class FileDropTest : public GameTest {
protected:
    // A game by mail named `gameName`, saved in another folder under
    // `fileName` as a mail attachment lands; its path.
    static std::string Received(const std::string& fileName, const std::string& gameName) {
        Game game = PlayedGame(kPlayByMail, {"ANNA", "BORIS"});
        game.state.gameName = gameName;
        game.saveFolder = "Downloads";
        fs::create_directories("Downloads");
        WriteSavedGame(game, fileName);
        return (fs::current_path() / "Downloads" / fileName).string();
    }
    void Drop(const std::string& what, std::function<bool()> ready, const std::string& path) {
        player.When(what, std::move(ready), [path](FakePlatform& f) { f.DropFile(path); });
    }
    bool MenuReady() const { return On(kMainMenuScreen) && !PopupShowing() && LabelShown(kExitGameButton); }
    void Answer(const std::string& prompt, const std::string& label, const std::string& hint, bool yes = true) {
        KeyWhen(prompt + " " + label, [=, this] { return BoxShows(prompt, label, hint); }, yes ? VK_RETURN : VK_ESCAPE,
                yes ? 13 : 27);
    }
};

TEST_F(FileDropTest, GamesDroppedOnTheMainMenuAndTheLoadScreenAreCheckedAndCopiedUnderTheirOwnNames) {
    fs::create_directories("Downloads");
    std::ofstream("Downloads/PBEM-DUEL.KV1") << "\x01" "7 this is not a game";
    const std::string damaged = (fs::current_path() / "Downloads/PBEM-DUEL.KV1").string();
    // A game name no player could type would lead the copy out of the folder.
    const std::string astray = Received("PBEM-ASTRAY.KV1", "/../../ASTRAY");
    // Saved twice by a mail program: the attachment's name carries a count.
    const std::string duel = Received("pbem-duel (1).kv1", "DUEL"), zulu = Received("PBEM-ZULU.KV1", "ZULU");
    Drop("the main menu without saved games", [this] { return MenuReady() && !LabelShown(kLoadGameButton); }, damaged);
    Answer("NOT A SAVED GAME", "PBEM-DUEL", "NOTHING WAS COPIED");
    Drop("the main menu, to drop the astray game", [this] { return MenuReady(); }, astray);
    Answer("NOT A SAVED GAME", "PBEM-ASTRAY", "NOTHING WAS COPIED");
    Drop("the main menu, to drop the good file", [this] { return MenuReady(); }, duel);
    Drop("LOAD GAME, to drop it again", [this] { return MenuReady() && LabelShown(kLoadGameButton); }, duel);
    Answer("OVERWRITE OLD GAME?", "PBEM-DUEL", "", false);
    ClickOn(kMainMenuScreen, kLoadGameButton);
    Drop("the list of one game", [this] { return On(kLoadGameScreen) && TextShown(16, 122, "PBEM-DUEL.KV1"); }, zulu);
    EscapeWhen("the new game in its row, to leave", [this] { return TextShown(16, 142, "PBEM-ZULU.KV1"); });
    QuitFromMenu();
    EXPECT_EQ(ReadFile("Saved Games/PBEM-DUEL.KV1"), ReadFile(duel));
    EXPECT_EQ(ReadFile("Saved Games/PBEM-ZULU.KV1"), ReadFile(zulu));
    EXPECT_EQ(std::distance(fs::directory_iterator("Saved Games"), fs::directory_iterator()), 2);
}

}  // namespace
