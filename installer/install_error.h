#pragma once
// The failure of an install step: carries the message the user is shown.
#include <exception>
#include <string>

class EInstallError : public std::exception {
 public:
  explicit EInstallError(std::wstring message) : message_(std::move(message)) {}
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return "install step failed"; }

 private:
  std::wstring message_;
};
