// tests/render_harness.h: runs the orbily-render program built beside the tests.
#pragma once
#include <string>

struct RenderRun {
    int status;            // the exit status, or -1 if the program did not exit normally
    std::string output;    // standard output, bytes as written
    std::string errors;    // standard error
};

// Runs orbily-render with arguments (already quoted for the shell).
RenderRun run_render(const std::string& arguments);
