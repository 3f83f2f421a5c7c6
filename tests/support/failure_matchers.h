#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "check/assertion.h"

// Runs `action` and checks that it raises the assertion with exactly this
// check line and message.
inline ::testing::AssertionResult RaisesAssertion(const std::function<void()>& action, std::int32_t line,
                                                  const std::string& message) {
  try {
    action();
  } catch (const EAssertion& failure) {
    if (failure.line == line && failure.message == message) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "raised [" << failure.line << "] \"" << failure.message
                                         << "\", expected [" << line << "] \"" << message << "\"";
  }
  return ::testing::AssertionFailure() << "raised nothing, expected [" << line << "] \"" << message << "\"";
}
