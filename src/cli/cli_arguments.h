#pragma once
// A command's arguments: the files it works on and the options it knows. Anything else is bad
// usage, which the tool reports under the command's name with its usage line.

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pw {

// Arguments a command cannot run with; what() names the argument at fault.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CommandOption {
    const char* name;  // "--ticks"
    const char* value; // what follows it ("N"), or nullptr for a switch
};

class CommandArguments {
public:
    // Splits the arguments into files and options. Throws UsageError for an option the
    // command does not know, an option without its value, or other than fileCount files.
    CommandArguments(const std::vector<std::string>& arguments,
                     std::initializer_list<CommandOption> options, std::size_t fileCount);

    const std::vector<std::string>& Files() const { return files_; }
    // Whether the switch or the option was given.
    bool Has(const std::string& name) const;
    // The option's value (the last one given), or nothing.
    std::optional<std::string> Value(const std::string& name) const;
    // The option's value as a whole number of 0 or more, or nothing when it was not given.
    // Throws UsageError naming the option for anything else.
    std::optional<int> Count(const std::string& name) const;

private:
    std::vector<std::string> files_;
    std::vector<std::pair<std::string, std::string>> given_;
};

} // namespace pw
