// Tempotik — a click-speed meter. Licensed under the MIT licence.
// libFuzzer over trace scripts. Besides what the sanitizers catch, a script
// must end with status 0 or 2, name its bad line when it stops, and report no
// error but an overflow: nothing else can fail in a real measurement.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "trace_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int status = tempotik::runTraceScript(in, out, err);
    if (status != 0 && (status != 2 || err.str().empty())) {
        std::abort();
    }
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("error ") && line != "error 6") {
            std::abort();
        }
    }
    return 0;
}
