// SDL's video, started for one backend with the hints its window relies on, and shut down with
// it.
#pragma once

namespace backend {

class VideoSession {
  public:
    // forceDummy: use SDL's dummy driver (there is no display and the user named no driver).
    explicit VideoSession(bool forceDummy);
    ~VideoSession();
    VideoSession(const VideoSession&) = delete;
    VideoSession& operator=(const VideoSession&) = delete;

    // False when SDL could not start its video (logged).
    bool Started() const { return started_; }

  private:
    bool forcedDummy_;
    bool started_ = false;
};

}  // namespace backend
