// Korvessa: the program. It finds the game's generated data beside itself or
// where it was installed, refreshes it in the player's data folder and runs
// the game there, so it may be started from any folder.
#include <cstdio>
#include <cstdlib>

#include "app/play.h"
#include "platform/sdl_platform.h"
#include "shell/game_folders.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFailed = 1;
constexpr int kBadArguments = 2;

#ifndef KV_INSTALLED_DATA
#define KV_INSTALLED_DATA ""
#endif

fs::path ProgramFolder(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return fs::absolute(argv0, ec).parent_path();
}

int Refuse(const std::string& problem) {
    std::fprintf(stderr, "korvessa: %s\n", problem.c_str());
    return kFailed;
}

// Finds and prepares the folders and moves into the work folder; false after
// telling the player why not.
bool EnterGameFolder(const StartOptions& options, const char* argv0) {
    GameFolders folders;
    std::string problem;
    const auto candidates = DataCandidates(ProgramFolder(argv0), KV_INSTALLED_DATA);
    const fs::path user = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (!FindGameFolders(options, candidates, user, folders, problem) || !PrepareWorkFolder(folders, problem)) {
        Refuse(problem);
        return false;
    }
    std::error_code ec;
    fs::current_path(folders.work, ec);
    if (ec) {
        Refuse("cannot work in " + folders.work.string() + ": " + ec.message());
        return false;
    }
    std::printf("Korvessa's data folder (saved games, settings, Run.log): %s\n", folders.work.c_str());
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    StartOptions options;
    std::string problem;
    if (!ParseStartOptions(std::vector<std::string>(argv + 1, argv + argc), options, problem)) {
        std::fprintf(stderr, "korvessa: %s\n\n%s", problem.c_str(), StartUsage().c_str());
        return kBadArguments;
    }
    if (options.showHelp) {
        std::printf("%s", StartUsage().c_str());
        return 0;
    }
    if (!EnterGameFolder(options, argv[0])) return kFailed;
    std::unique_ptr<Platform> platform = CreateSdlPlatform();
    if (!platform) return Refuse(std::string("cannot open a window: ") + SdlStartProblem());
    return PlayOn(std::move(platform));
}
