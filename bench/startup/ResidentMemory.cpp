#include "ResidentMemory.h"

#include <QtGlobal>
#include <fstream>
#include <string>

ResidentMemory residentMemory() {
    ResidentMemory memory;
    // Platform-specific: only Linux reports it, through /proc.
#if defined(Q_OS_LINUX)
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            memory.totalKilobytes = std::stol(line.substr(6));
        } else if (line.rfind("RssAnon:", 0) == 0) {
            memory.anonymousKilobytes = std::stol(line.substr(8));
        }
    }
#endif
    return memory;
}
