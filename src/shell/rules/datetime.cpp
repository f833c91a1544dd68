#include "shell/rules/datetime.h"

#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

namespace ocu {
namespace {

bool hasNoRegionalFormat(const std::string& name) {
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

}  // namespace

std::string formatDateTime(const std::tm& moment, const std::string& localeName) {
    std::ostringstream out;
    if (hasNoRegionalFormat(localeName)) {
        out.imbue(std::locale::classic());
        out << std::put_time(&moment, "%Y-%m-%d %H:%M:%S");
        return out.str();
    }
    try {
        out.imbue(std::locale(localeName));
    } catch (const std::runtime_error&) {
        return formatDateTime(moment, "C");
    }
    out << std::put_time(&moment, "%x %X");
    return out.str();
}

std::string currentDateTime() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    // The locale that governs dates: LC_ALL, then LC_TIME, then LANG.
    std::string name = "C";
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            name = value;
            break;
        }
    }
    return formatDateTime(local, name);
}

}  // namespace ocu
