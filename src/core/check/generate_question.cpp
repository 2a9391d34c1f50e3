#include "check/generate_question.h"

#include <string>

namespace pw {

bool GenerateDespiteProblems(Host& host, std::span<const Problem> problems) {
    const std::size_t errors = CountErrors(problems);
    if (errors == 0) return true;
    return host.Ask("The layout has " + std::to_string(errors) +
                        " problems that the displays would show (see Problems). Generate the "
                        "files anyway ?",
                    Buttons::YesNo) == Answer::Yes;
}

} // namespace pw
