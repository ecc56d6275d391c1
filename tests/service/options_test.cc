// The command line of tessera-service, as a user meets it.
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "service/service_process.h"

namespace tessera {
namespace {

using test::exited_with;
using test::ServiceProcess;

// --help prints the manual and exits at once: no socket, no data.
TEST(ServiceOptions, HelpPrintsTheManual) {
  for (const char* flag : {"--help", "-h"}) {
    SCOPED_TRACE(flag);
    ServiceProcess service({flag, "--socket", "/nonexistent/socket"},
                           /*with_stderr=*/true);
    const std::string manual = service.read_to_end();
    EXPECT_TRUE(exited_with(service.wait(), 0));

    std::size_t at = 0;
    for (const char* section :
         {"NAME\n", "SYNOPSIS\n", "DESCRIPTION\n", "OPTIONS\n", "FILES\n",
          "EXIT STATUS\n", "SIGNALS\n"}) {
      const std::size_t found = manual.find(section, at);
      ASSERT_NE(found, std::string::npos)
          << section << "missing or out of order";
      EXPECT_TRUE(found == 0 || manual[found - 1] == '\n') << section;
      at = found;
    }
    for (const char* option :
         {"--foreground", "--socket PATH", "--data DIR", "--send-command PATH",
          "/tmp/tsr-socket", "/usr/share/tsr", "/usr/bin/SendToRTOS",
          "/etc/default/tessera-service"}) {
      EXPECT_THAT(manual, testing::HasSubstr(option));
    }
    std::istringstream lines(manual);
    std::string line;
    while (std::getline(lines, line)) EXPECT_LE(line.size(), 80u) << line;
  }
}

}  // namespace
}  // namespace tessera
