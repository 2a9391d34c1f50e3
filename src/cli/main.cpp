#include "cli/cli.h"
#include "generate/deployment.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    const int status =
        pw::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    // When a command returns, everything it wrote is closed and on disk, but for the old
    // backup a deployment may still be removing. Past that only memory is left, and tearing
    // down Qt's font system and the glyphs would add most of a millisecond to every run a
    // script waits for. A sanitised build goes the long way, so that its leak check runs.
    pw::AwaitDeploymentCleanup();
#ifdef PW_SANITIZE
    return status;
#else
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(status);
#endif
}
