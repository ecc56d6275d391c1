// A plain TCP connection to a loopback port, for tests that send requests
// as bytes.
#ifndef TESSERA_TESTS_SERVE_RAW_CONNECTION_H_
#define TESSERA_TESTS_SERVE_RAW_CONNECTION_H_

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessera {
namespace test {

class RawConnection {
 public:
  explicit RawConnection(int port) : fd_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address),
                           sizeof address) == 0;
  }
  ~RawConnection() { ::close(fd_); }

  bool connected() const { return connected_; }

  // Sends all of `bytes`; false when the server closed the connection.
  bool send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
      const ssize_t n =
          ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) return false;
      sent += static_cast<std::size_t>(n);
    }
    return true;
  }

  // One response: the head and a body of Content-Length bytes; "" when the
  // connection ends first.
  std::string response() {
    std::size_t head_end;
    while ((head_end = pending_.find("\r\n\r\n")) == std::string::npos) {
      if (!receive()) return "";
    }
    head_end += 4;
    const std::size_t at = pending_.find("Content-Length: ");
    const std::size_t length =
        at < head_end ? std::stoul(pending_.substr(at + 16)) : 0;
    while (pending_.size() < head_end + length) {
      if (!receive()) return "";
    }
    std::string whole = pending_.substr(0, head_end + length);
    pending_.erase(0, head_end + length);
    return whole;
  }

  // Reads until the server closes the connection; returns what came.
  std::string rest() {
    while (receive()) {
    }
    std::string all;
    all.swap(pending_);
    return all;
  }

 private:
  bool receive() {
    char buffer[4096];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    if (n <= 0) return false;
    pending_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  int fd_;
  bool connected_ = false;
  std::string pending_;
};

}  // namespace test
}  // namespace tessera

#endif  // TESSERA_TESTS_SERVE_RAW_CONNECTION_H_
