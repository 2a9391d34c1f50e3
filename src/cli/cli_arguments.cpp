#include "cli/cli_arguments.h"

#include "display/int_text.h"
#include "platform/errors.h"

#include <algorithm>

namespace pw {

namespace {

bool LooksLikeOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

std::string FileCount(std::size_t count) {
    return count == 1 ? "1 file" : std::to_string(count) + " files";
}

} // namespace

CommandArguments::CommandArguments(const std::vector<std::string>& arguments,
                                   std::initializer_list<CommandOption> options,
                                   std::size_t fileCount) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (!LooksLikeOption(a)) {
            files_.push_back(a);
            continue;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const CommandOption& o) { return a == o.name; });
        if (option == options.end()) throw UsageError("unknown option '" + a + "'");
        if (!option->value) {
            given_.emplace_back(a, std::string());
            continue;
        }
        if (i + 1 == arguments.size())
            throw UsageError(a + " needs a value (" + option->value + ")");
        given_.emplace_back(a, arguments[++i]);
    }
    if (files_.size() != fileCount)
        throw UsageError("takes " + FileCount(fileCount) + ", not " +
                         (files_.empty() ? std::string("none") : std::to_string(files_.size())));
}

bool CommandArguments::Has(const std::string& name) const {
    return std::any_of(given_.begin(), given_.end(),
                       [&](const auto& g) { return g.first == name; });
}

std::optional<std::string> CommandArguments::Value(const std::string& name) const {
    for (auto g = given_.rbegin(); g != given_.rend(); ++g)
        if (g->first == name) return g->second;
    return std::nullopt;
}

std::optional<int> CommandArguments::Count(const std::string& name) const {
    const std::optional<std::string> text = Value(name);
    if (!text) return std::nullopt;
    int count = -1;
    try {
        count = StrToInt(*text);
    } catch (const ConversionError&) {
        // Refused below, with the option named, as a negative count is.
    }
    if (count < 0)
        throw UsageError(name + " wants a whole number of 0 or more, not '" + *text + "'");
    return count;
}

} // namespace pw
