// SDL's video, started for one backend with the hints its window relies on, and shut down with
// it.
#pragma once

#include <string>

#include "platform/backend/video_driver.h"

namespace backend {

class VideoSession {
  public:
    explicit VideoSession(const VideoDriverChoice& choice);
    ~VideoSession();
    VideoSession(const VideoSession&) = delete;
    VideoSession& operator=(const VideoSession&) = delete;

    // Why SDL could not start its video; empty once it has.
    const std::string& Failure() const { return failure_; }

  private:
    bool namedDrivers_;
    std::string failure_;
};

}  // namespace backend
