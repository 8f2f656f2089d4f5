// tests/render_harness.cpp: runs orbily-render through the shell and collects what it wrote.
#include "tests/render_harness.h"
#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

RenderRun run_render(const std::string& arguments)
{
    const std::string errors_path = "/tmp/orbily_render_errors_" + std::to_string(getpid());
    const std::string command = std::string(ORBILY_RENDER) + " " + arguments + " 2>" + errors_path;
    RenderRun run{-1, "", ""};
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
    std::ifstream errors(errors_path);
    std::stringstream text;
    text << errors.rdbuf();
    run.errors = text.str();
    std::remove(errors_path.c_str());
    return run;
}
