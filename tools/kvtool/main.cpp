#include <cstdio>
#include <cstring>

#include "commands.h"

namespace {

void PrintUsage() {
    std::printf("kvtool: Korvessa's command-line companion.\n\nUsage: kvtool COMMAND [ARGS]\n\n");
    for (const Command& c : AllCommands()) std::printf("  %-10s %s\n", c.name, c.summary);
    std::printf("\n`kvtool COMMAND --help` explains a command.\n");
}

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintUsage();
        return argc < 2 ? 2 : 0;
    }
    const Args args(argv + 2, argv + argc);
    for (const Command& c : AllCommands()) {
        if (std::strcmp(c.name, argv[1]) != 0) continue;
        if (WantsHelp(args)) {
            std::printf("%s", c.help);
            return 0;
        }
        return c.run(args);
    }
    std::fprintf(stderr, "kvtool: unknown command '%s'\n\n", argv[1]);
    PrintUsage();
    return 2;
}
