#include "cli/cli_host.h"

#include "platform/win1252.h"

namespace pw {

void CliHost::ShowMessage(const std::string& text, const std::string& caption) {
    ++messages;
    if (!caption.empty()) err_ << Win1252ToUtf8(caption) << ": ";
    err_ << Win1252ToUtf8(text) << '\n';
}

Answer CliHost::Ask(const std::string& text, Buttons) {
    err_ << Win1252ToUtf8(text) << " -> "
         << (answer == Answer::Yes ? "yes" : answer == Answer::No ? "no" : "cancel") << '\n';
    return answer;
}

} // namespace pw
