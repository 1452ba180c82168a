// The process entry: promises the screen to the first window and runs the program's WinMain.
#include <errno.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/core/screen.h"
#include "platform/core/window_directory.h"
#include "platform/resource_module.h"
#include "platform/win_user.h"

int WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);

int main() {
    // Opened with the first window, after the program's single-instance check: a second start
    // that hands over to the running game never touches the display.
    screen::AttachOnFirstWindow([]() -> std::unique_ptr<backend::Backend> {
        std::string failure;
        auto opened = backend::CreateSdlBackend(screen::Width, screen::Height, &failure);
        if (opened == nullptr) {
            // The start fails as the program's own failed starts do; this line says why.
            std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, failure.c_str());
        }
        return opened;
    });
    wchar_t commandLine[] = L"";
    const int code = WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW);
    window_directory::RemoveOwnFiles();
    std::fflush(nullptr);
    // Like the phone, the process ends at once with its worker threads: nothing may run static
    // destructors under a thread that is still finishing its step.
    std::_Exit(code);
}
