#pragma once
// Runs one of our programs as other tools run it: through the shell, in the
// working folder, capturing what it prints and its exit status.
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/read_file.h"

struct ProgramResult {
    int status = -1;  // the exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// `program` is a path; `arguments` are passed to the shell as written.
// Standard error goes through the file stderr.txt of the working folder.
inline ProgramResult RunProgram(const std::string& program, const std::string& arguments) {
    ProgramResult result;
    FILE* pipe = popen(("'" + program + "' " + arguments + " 2>stderr.txt").c_str(), "r");
    if (!pipe) return result;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = ReadFile("stderr.txt");
    return result;
}
