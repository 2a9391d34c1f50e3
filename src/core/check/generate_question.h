#pragma once
// The question Generate files asks first when the layout has errors.

#include "check/problem.h"
#include "platform/host.h"

#include <span>

namespace pw {

// Whether to go on generating: yes when the problems hold no error, else what the user
// answers.
bool GenerateDespiteProblems(Host& host, std::span<const Problem> problems);

} // namespace pw
