#pragma once
// Running one of the project's command-line tools as a test would from a shell.
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

struct TToolRun {
    int Status = -1;    // exit status; -1 when the program did not exit normally
    std::string Output; // stdout and stderr together
};

// Runs the program with the given arguments (each is quoted for the shell). With `stdoutFile`
// its standard output goes there, and only the error output is kept.
inline TToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& stdoutFile = {}) {
    std::string command = "'" + program + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    command += stdoutFile.empty() ? " 2>&1" : " 2>&1 >'" + stdoutFile + "'";
    TToolRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        run.Output.append(chunk, got);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.Status = WEXITSTATUS(status);
    return run;
}
