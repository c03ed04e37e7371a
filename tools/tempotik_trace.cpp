// Tempotik — a click-speed meter. Licensed under the MIT licence.
//
// tempotik-trace: drives the measurement without a window, reading a trace
// script from standard input and printing the state after every command.
#include <iostream>

#include "trace_script.h"

int main() {
    std::ios::sync_with_stdio(false);
    return tempotik::runTraceScript(std::cin, std::cout, std::cerr);
}
