#include "platform/local_time.h"

namespace pw {

std::tm LocalTimeOf(std::time_t t) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    return local;
}

} // namespace pw
