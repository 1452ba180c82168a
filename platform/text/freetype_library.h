// The process's FreeType library. FreeType's library object, and the faces made from it, may
// not be used from two threads at once: every FreeType call is made holding Mutex().
#pragma once

#include <memory>
#include <mutex>

struct FT_LibraryRec_;

namespace text {

class FreeTypeLibrary {
  public:
    // The shared library; null when FreeType cannot start. Fonts keep a reference so that the
    // library outlives every face made from it, whatever order statics are destroyed in.
    static std::shared_ptr<FreeTypeLibrary> Get();

    explicit FreeTypeLibrary(FT_LibraryRec_* handle) : handle_(handle) {}
    ~FreeTypeLibrary();
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

    FT_LibraryRec_* Handle() const { return handle_; }
    std::mutex& Mutex() { return mutex_; }

  private:
    FT_LibraryRec_* handle_;
    std::mutex mutex_;
};

}  // namespace text
