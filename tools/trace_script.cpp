// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "trace_script.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "display_fields.h"
#include "measurement.h"
#include "run_time_error.h"

namespace tempotik {
namespace {

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
void run(const Command& command, Measurement& measurement, const DisplayFields& display,
         std::ostream& out) {
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
    } catch (const RunTimeError& error) {
        out << "error " << error.number() << '\n';
    }
}

void printState(const DisplayFields& display, const Measurement& measurement, std::ostream& out) {
    for (Field field : allFields) {
        out << display.caption(field) << ' ';
    }
    const Counters& counters = measurement.counters();
    out << counters.tiensecondenklikken << ' ' << counters.secondeklikken << ' '
        << counters.halvesecondeklikken << ' ' << counters.halvesecondes << ' '
        << (display.timerEnabled() ? 1 : 0) << '\n';
}

}  // namespace

int runTraceScript(std::istream& in, std::ostream& out, std::ostream& err) {
    DisplayFields display;
    Measurement measurement(display);
    std::string line;
    for (long lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (isBlank(line) || line.front() == '#') {
            continue;
        }
        const auto command = parseCommand(line);
        if (!command) {
            out.flush();
            err << "tempotik-trace: line " << lineNumber << ": not a command: " << line << '\n';
            return 2;
        }
        run(*command, measurement, display, out);
        printState(display, measurement, out);
    }
    return 0;
}

}  // namespace tempotik
