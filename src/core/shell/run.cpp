#include "shell/run.h"

#include "platform/local_time.h"

namespace pw {

Run::Run() : LocalTime([] { return LocalTimeOf(std::time(nullptr)); }) {}

} // namespace pw
