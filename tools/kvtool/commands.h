#pragma once
// kvtool's commands. Each takes the arguments after its name and returns the
// process exit status. Output formats are a contract other tools rely on.
#include <string>
#include <vector>

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* summary;  // one line for `kvtool --help`
    const char* help;     // the whole text for `kvtool NAME --help`
    int (*run)(const Args& args);
};

int RunTerrain(const Args& args);
int RunShow(const Args& args);
int RunWrite(const Args& args);
int RunAdvance(const Args& args);
int RunSelfPlay(const Args& args);
int RunChanges(const Args& args);

// Every command, in the order --help lists them.
const std::vector<Command>& AllCommands();
