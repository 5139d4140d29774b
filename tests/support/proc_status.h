#pragma once

#include <fstream>
#include <string>

// A field of /proc/PID/status given in kB, such as "VmRSS" or "VmHWM", in
// KiB; -1 when the process or the field is not there. `process` is a pid or
// "self".
inline long ProcStatusKib(const std::string& process, const std::string& field) {
    std::ifstream status("/proc/" + process + "/status");
    const std::string label = field + ":";
    for (std::string word; status >> word;) {
        if (word == label) {
            long kib = -1;
            status >> kib;
            return kib;
        }
    }
    return -1;
}
