// Tempotik — a click-speed meter. Licensed under the MIT licence.
//
// tempotik-trace: drives the measurement without a window. It reads commands
// from standard input, one a line, and after each prints the captions, the
// counters and the timer switch:
//   c [N]   N clicks on Klikknop (default 1)
//   r       one click on Totaalteller
//   t [N]   N timer periods; each ticks only while the timer is on (default 1)
// N is a positive decimal of at most 9 digits. Blank lines and lines starting
// with # are skipped; any other line stops the driver with exit status 2.

#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "display_fields.h"
#include "measurement.h"
#include "run_time_error.h"

namespace {

using tempotik::DisplayFields;
using tempotik::Measurement;

struct Command {
    char name;
    int count;
};

// Returns the digits as a count when they are 1 to 9 digits for a number above 0.
std::optional<int> parseCount(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) {
        return std::nullopt;
    }
    int count = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error != std::errc{} || end != digits.data() + digits.size() || count < 1) {
        return std::nullopt;
    }
    return count;
}

// Returns the command a line holds: "c", "c N", "r", "t" or "t N".
std::optional<Command> parseCommand(std::string_view line) {
    const char name = line.front();
    if (line.size() == 1 && (name == 'c' || name == 'r' || name == 't')) {
        return Command{name, 1};
    }
    if (line.size() > 2 && line[1] == ' ' && (name == 'c' || name == 't')) {
        if (const auto count = parseCount(line.substr(2))) {
            return Command{name, *count};
        }
    }
    return std::nullopt;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// Runs the command; a failed handler drops the rest of its repetitions.
void run(const Command& command, Measurement& measurement, const DisplayFields& display) {
    try {
        for (int i = 0; i < command.count; ++i) {
            if (command.name == 'c') {
                measurement.click();
            } else if (command.name == 'r') {
                measurement.reset();
            } else if (display.timerEnabled()) {
                measurement.tick();
            } else {
                break;  // a stopped timer delivers no more periods
            }
        }
    } catch (const tempotik::RunTimeError& error) {
        std::cout << "error " << error.number() << '\n';
    }
}

void printState(const DisplayFields& display, const Measurement& measurement) {
    for (tempotik::Field field : tempotik::allFields) {
        std::cout << display.caption(field) << ' ';
    }
    const tempotik::Counters& counters = measurement.counters();
    std::cout << counters.tiensecondenklikken << ' ' << counters.secondeklikken << ' '
              << counters.halvesecondeklikken << ' ' << counters.halvesecondes << ' '
              << (display.timerEnabled() ? 1 : 0) << '\n';
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    DisplayFields display;
    Measurement measurement(display);
    std::string line;
    for (long lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
        if (isBlank(line) || line.front() == '#') {
            continue;
        }
        const auto command = parseCommand(line);
        if (!command) {
            std::cout.flush();
            std::cerr << "tempotik-trace: line " << lineNumber << ": not a command: " << line
                      << '\n';
            return 2;
        }
        run(*command, measurement, display);
        printState(display, measurement);
    }
    return 0;
}
