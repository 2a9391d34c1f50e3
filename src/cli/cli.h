#pragma once
// panelwright-cli: the editor's core without widgets, for scripts and batch work.

#include <ostream>
#include <string>
#include <vector>

namespace pw {

// Exit codes.
constexpr int kExitOk = 0;
constexpr int kExitError = 1; // a reported error
constexpr int kExitUsage = 2; // bad usage

// Runs the tool on the arguments after the program name (UTF-8).
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace pw
