// The two ends of the protocol's loop: command bytes in, replies out.
#pragma once

#include <string_view>

class GtpChannel {
  public:
    virtual ~GtpChannel() = default;
    // The next byte of input as 0..255, or -1 once the input has ended.
    virtual int Get() = 0;
    // Writes a whole reply and pushes it out; false when it could not be written.
    virtual bool Put(std::string_view reply) = 0;
};
