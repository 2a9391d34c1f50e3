#pragma once
// Failures that end a command. They travel as exceptions to the one error handler of the
// application (or to the command line tool's main), which shows their text.

#include <stdexcept>
#include <string>

namespace pw {

// Base of every error the editor reports; what() is the text the user sees.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have held a whole number.
class ConversionError : public Error {
public:
    explicit ConversionError(const std::string& text)
        : Error("'" + text + "' is not a valid integer value") {}
};

// A file that could not be opened, read, created or written.
class IoError : public Error {
public:
    using Error::Error;
};

// A file whose contents cannot be used (a size beyond bounds, a number too large, ...).
class FormatError : public Error {
public:
    using Error::Error;
};

} // namespace pw
