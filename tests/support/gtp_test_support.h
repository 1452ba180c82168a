// Drives a protocol session through its real loop with string streams.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "gtp/session.h"

// The whole output of the loop for `script`.
std::string RunScript(GtpSession& session, std::string_view script);

// The reply to one command line, without its closing empty line: "= D4", "? illegal move".
std::string Ask(GtpSession& session, std::string_view line);

// A fresh session with a fixed seed for every test.
class GtpTest : public ::testing::Test {
  protected:
    std::string Ask(std::string_view line) { return ::Ask(session, line); }

    GtpSession session{SessionOptions{.seed = 1}};
};
