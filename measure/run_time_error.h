// Tempotik — a click-speed meter. Licensed under the MIT licence.
#pragma once

#include <stdexcept>

namespace tempotik {

// A run-time error, raised at the step of a handler that fails. It carries the
// error number and its Dutch name; what() gives the name.
class RunTimeError : public std::runtime_error {
public:
    // Returns error 6, raised when a result leaves the range it must fit.
    static RunTimeError overflow() { return {6, "Overloop"}; }
    // Returns error 11, raised when a division has 0 as its divisor.
    static RunTimeError divisionByZero() { return {11, "Deling door nul"}; }
    // Returns error 13, raised when a caption that must hold a number does not.
    static RunTimeError typeMismatch() { return {13, "Typen komen niet overeen"}; }

    int number() const { return number_; }

private:
    RunTimeError(int number, const char* name) : std::runtime_error(name), number_(number) {}

    int number_;
};

}  // namespace tempotik
