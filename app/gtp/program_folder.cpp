// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gtp/program_folder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace marvane::gtp {

std::filesystem::path programFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path file;
#if defined(_WIN32)
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, sizeof buffer / sizeof buffer[0]);
    if (length > 0 && length < sizeof buffer / sizeof buffer[0])
        file = std::wstring(buffer, length);
#elif defined(__linux__)
    file = std::filesystem::canonical("/proc/self/exe", error);
#endif
    if (file.empty() && argv0 && *argv0) file = std::filesystem::canonical(argv0, error);
    if (file.empty() || error) return {};
    return file.parent_path();
}

}  // namespace marvane::gtp
