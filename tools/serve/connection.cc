#include "serve/connection.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace tessera {
namespace serve {
namespace {

using Clock = std::chrono::steady_clock;

// Waits up to `timeout` for `events` on `sock`; true when they came.
bool wait_for(int sock, short events, Clock::duration timeout) {
  const Clock::time_point until = Clock::now() + timeout;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - Clock::now());
    pollfd p{sock, events, 0};
    const int ready =
        ::poll(&p, 1, static_cast<int>(std::max<long long>(0, left.count())));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return false;
  }
}

void address_text(const sockaddr_storage& address, socklen_t length,
                  std::string& ip, int& port) {
  char host[NI_MAXHOST];
  char service[NI_MAXSERV];
  if (::getnameinfo(reinterpret_cast<const sockaddr*>(&address), length, host,
                    sizeof host, service, sizeof service,
                    NI_NUMERICHOST | NI_NUMERICSERV) != 0) {
    return;
  }
  ip = host;
  port = std::atoi(service);
}

}  // namespace

Connection::Connection(int sock) : sock_(sock) {}

bool Connection::wait_for_request(const std::atomic<bool>& stopping) {
  const Clock::time_point idle_until = Clock::now() + kIdleTimeout;
  // Short waits, so that a stop is noticed soon on an idle connection.
  constexpr auto kSlice = std::chrono::milliseconds(50);
  bool arrived = buffered();
  while (!arrived) {
    arrived =
        wait_for(sock_, POLLIN, stopping ? Clock::duration::zero() : kSlice);
    if (!arrived && (stopping || Clock::now() >= idle_until)) return false;
  }
  budget_ = kMaxRequestHeadBytes;
  deadline_ = Clock::now() + kRequestDeadline;
  return true;
}

bool Connection::is_readable() const {
  return buffered() || wait_for(sock_, POLLIN, kIoTimeout);
}

bool Connection::is_writable() const {
  return wait_for(sock_, POLLOUT, kIoTimeout);
}

ssize_t Connection::read(char* ptr, size_t size) {
  if (budget_ == 0) return -1;
  while (!buffered()) {
    const ssize_t n = ::recv(sock_, buffer_, sizeof buffer_, MSG_DONTWAIT);
    if (n >= 0) {
      if (n == 0) return 0;
      begin_ = 0;
      end_ = static_cast<std::size_t>(n);
      break;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return -1;
    const Clock::duration left = deadline_ - Clock::now();
    if (left <= Clock::duration::zero()) return -1;
    if (!wait_for(sock_, POLLIN, std::min<Clock::duration>(left, kIoTimeout))) {
      return -1;
    }
  }
  const std::size_t n = std::min({size, end_ - begin_, budget_});
  std::memcpy(ptr, buffer_ + begin_, n);
  begin_ += n;
  budget_ -= n;
  return static_cast<ssize_t>(n);
}

ssize_t Connection::write(const char* ptr, size_t size) {
  // Large bodies go out at once, after what was gathered before them.
  constexpr std::size_t kGatherBytes = 16 * 1024;
  if (out_.size() + size <= kGatherBytes) {
    out_.append(ptr, size);
  } else if (!flush() || !send_all(ptr, size)) {
    return -1;
  }
  return static_cast<ssize_t>(size);
}

bool Connection::flush() {
  const bool sent = send_all(out_.data(), out_.size());
  out_.clear();
  return sent;
}

bool Connection::send_all(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::send(sock_, data, size, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n > 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!wait_for(sock_, POLLOUT, kIoTimeout)) return false;
    } else {
      return false;
    }
  }
  return true;
}

void Connection::get_remote_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getpeername(sock_, reinterpret_cast<sockaddr*>(&address), &length) ==
      0) {
    address_text(address, length, ip, port);
  }
}

void Connection::get_local_ip_and_port(std::string& ip, int& port) const {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  if (::getsockname(sock_, reinterpret_cast<sockaddr*>(&address), &length) ==
      0) {
    address_text(address, length, ip, port);
  }
}

}  // namespace serve
}  // namespace tessera
