#include "platform/core/window.h"

#include <algorithm>
#include <unordered_map>

namespace windows {
namespace {

struct Table {
    std::unordered_map<HWND, std::unique_ptr<PlatformWindow>> live;
    std::vector<HWND> topLevel;
    std::vector<WindowClass> classes;
};

Table& TheTable() {
    static Table table;
    return table;
}

}  // namespace

PlatformWindow* Find(HWND handle) {
    auto& live = TheTable().live;
    const auto found = live.find(handle);
    return found == live.end() ? nullptr : found->second.get();
}

bool IsAlive(HWND handle) {
    return Find(handle) != nullptr;
}

HWND Add(std::unique_ptr<PlatformWindow> window) {
    HWND handle = window.get();
    const bool isChild = (window->style & WS_CHILD) != 0;
    if (isChild) {
        if (PlatformWindow* parent = Find(window->parent)) {
            parent->children.push_back(handle);
        }
    } else {
        TheTable().topLevel.push_back(handle);
    }
    TheTable().live.emplace(handle, std::move(window));
    return handle;
}

void Remove(HWND handle) {
    PlatformWindow* window = Find(handle);
    if (window == nullptr) {
        return;
    }
    for (HWND child : std::vector<HWND>(window->children)) {
        Remove(child);
    }
    if (PlatformWindow* parent = Find(window->parent); parent && (window->style & WS_CHILD)) {
        std::erase(parent->children, handle);
    }
    std::erase(TheTable().topLevel, handle);
    TheTable().live.erase(handle);
}

std::vector<HWND> TopLevel() {
    return TheTable().topLevel;
}

HWND Active() {
    const auto& topLevel = TheTable().topLevel;
    for (auto it = topLevel.rbegin(); it != topLevel.rend(); ++it) {
        if (Find(*it)->visible) {
            return *it;
        }
    }
    return nullptr;
}

raster::Rect ScreenClientRect(HWND handle) {
    const PlatformWindow* window = Find(handle);
    if (window == nullptr) {
        return {};
    }
    if ((window->style & WS_CHILD) == 0) {
        return window->rect;
    }
    const PlatformWindow* parent = Find(window->parent);
    const raster::Rect parentRect = ScreenClientRect(window->parent);
    const int scroll = parent ? parent->scrollPos : 0;
    return window->rect.Offset(parentRect.left, parentRect.top - scroll);
}

HWND WindowAt(HWND handle, int x, int y) {
    const PlatformWindow* window = Find(handle);
    if (window == nullptr || !window->visible || !ScreenClientRect(handle).Contains(x, y)) {
        return nullptr;
    }
    for (auto child = window->children.rbegin(); child != window->children.rend(); ++child) {
        if (HWND found = WindowAt(*child, x, y)) {
            return found;
        }
    }
    return handle;
}

bool RegisterClass(const WindowClass& windowClass) {
    if (FindClass(windowClass.name) != nullptr) {
        return false;
    }
    TheTable().classes.push_back(windowClass);
    return true;
}

const WindowClass* FindClass(const std::wstring& name) {
    for (const WindowClass& windowClass : TheTable().classes) {
        if (windowClass.name == name) {
            return &windowClass;
        }
    }
    return nullptr;
}

void ResetAll() {
    Table& table = TheTable();
    table.live.clear();
    table.topLevel.clear();
    table.classes.clear();
}

}  // namespace windows
