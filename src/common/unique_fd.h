// A file descriptor that is closed when its owner goes.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <utility>

namespace curvanta {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) reset(std::exchange(other.fd_, -1));
    return *this;
  }
  ~UniqueFd() { reset(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // Gives up the descriptor without closing it.
  int release() { return std::exchange(fd_, -1); }
  // Closes the descriptor held (keeping errno, so that the failure that led here is still
  // told) and holds `fd` instead.
  void reset(int fd = -1) {
    if (fd_ >= 0) {
      const int error = errno;
      ::close(fd_);
      errno = error;
    }
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

}  // namespace curvanta
