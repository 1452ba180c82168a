// The process entry: starts the screen and runs the program's WinMain.
#include <cstdio>
#include <cstdlib>

#include "platform/core/screen.h"
#include "platform/resource_module.h"
#include "platform/win_user.h"

int WinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int showCommand);

int main() {
    auto backend = backend::CreateSdlBackend(screen::Width, screen::Height);
    if (backend == nullptr) {
        std::fprintf(stderr, "talvex: cannot open a window (no display and no SDL video driver)\n");
        return 1;
    }
    screen::Attach(std::move(backend));
    wchar_t commandLine[] = L"";
    const int code = WinMain(&ProgramResources, nullptr, commandLine, SW_SHOW);
    std::fflush(nullptr);
    // Like the phone, the process ends at once with its worker threads: nothing may run static
    // destructors under a thread that is still finishing its step.
    std::_Exit(code);
}
