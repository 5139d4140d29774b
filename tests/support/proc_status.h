#pragma once

#include <fstream>
#include <string>

// A field given in kB of a file under /proc/PROCESS, such as "VmRSS" of
// "status" or "Private_Dirty" of "smaps_rollup", in KiB; -1 when the
// process, the file or the field is not there. `process` is a pid or "self".
inline long ProcKib(const std::string& process, const std::string& file, const std::string& field) {
    std::ifstream fields("/proc/" + process + "/" + file);
    const std::string label = field + ":";
    for (std::string word; fields >> word;) {
        if (word == label) {
            long kib = -1;
            fields >> kib;
            return kib;
        }
    }
    return -1;
}
