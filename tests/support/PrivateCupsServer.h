#pragma once
// A print server of the test's own, for the system's CUPS calls: a cupsd on
// a socket in a temporary folder that holds all it keeps (configuration,
// queues and their PPDs, spool, logs, state), with no browsing and no
// network, stopped and its folder removed when the server goes. While it
// runs, libcups in this process and the commands started from it ask it
// (CUPS_SERVER), with a home folder of the server's own for the user's
// lpoptions and its configuration folder for the machine's
// (CUPS_SERVERROOT), so that no printer or choice of the machine's comes in.
// Server and client look for translations in an empty folder (LOCALEDIR,
// as libcups reads it), so that both speak English whatever the user's
// language.
//
//   PrivateCupsServer server;
//   if (!server.failure().empty()) GTEST_SKIP() << server.failure();
//   ASSERT_EQ(server.addQueue("Office"), "");
//   ASSERT_EQ(server.run("cupsdisable", {"-r", "paper jam", "Office"}), "");
//   SystemCupsOnOwnThreads cups;
//   cups.defaultQueue();
#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <map>
#include <optional>
#include <string>
#include <thread>

#include "platform/CupsCalls.h"

class PrivateCupsServer {
 public:
  // The page sizes of the test printer's PPD, Letter its default, and the
  // unprintable border of each, in points: left, top, right, bottom.
  struct Border {
    double left, top, right, bottom;
  };
  static constexpr Border kLetterBorder{18, 27, 9, 36};
  static constexpr Border kA4Border{12, 30, 6, 24};

  PrivateCupsServer();
  ~PrivateCupsServer();
  PrivateCupsServer(const PrivateCupsServer&) = delete;
  PrivateCupsServer& operator=(const PrivateCupsServer&) = delete;

  // Why no server runs; empty where it does.
  const std::string& failure() const { return failure_; }
  // Adds a queue that takes PDF documents and prints them nowhere
  // (/dev/null): on the test printer's PPD, or a raw one without a PPD.
  // Empty where it is added, else why not.
  std::string addQueue(const std::string& name, bool withPpd = true);
  // Runs one of CUPS's commands (lpadmin, cupsdisable, cupsreject) against
  // the server: empty where it succeeds, else what it said.
  std::string run(const std::string& command, const QStringList& arguments);
  // Writes the user's lpoptions ("Default Office", "Dest Office media=A4").
  void setUserOptions(const std::string& lines);
  // A job's first document as it lies in the spool, and a job's attribute
  // ("job-name", "media") as the server reports it; empty where it has none.
  QByteArray spooledDocument(int job) const;
  std::string jobAttribute(int job, const std::string& attribute) const;
  // A file in the server's folder.
  std::string path(const char* name) const;

 private:
  std::string start();

  QTemporaryDir folder_;
  QProcess cupsd_;
  std::string failure_;
  std::map<std::string, std::optional<std::string>> savedEnvironment_;
};

template <class Call>
auto OnOwnThread(Call call) {
  decltype(call()) result{};
  std::thread([&] { result = call(); }).join();
  return result;
}

// The system's CUPS calls, each on a thread of its own: libcups reads HOME
// and CUPS_SERVERROOT once a thread, at its first call on it, so that on a
// thread that called it before the server was made it would read the
// user's lpoptions from elsewhere. Why the last job was refused is the
// system's answer on the job's thread.
class SystemCupsOnOwnThreads : public platform::CupsCalls {
 public:
  std::optional<platform::CupsQueue> defaultQueue() override {
    return OnOwnThread([this] { return calls_.defaultQueue(); });
  }
  platform::DescribedPage describedPage(const std::string& queue) override {
    return OnOwnThread([&] { return calls_.describedPage(queue); });
  }
  std::string jobDefault(const std::string& queue, const std::string& option) override {
    return OnOwnThread([&] { return calls_.jobDefault(queue, option); });
  }
  std::string queueAttribute(const std::string& queue, const std::string& attribute) override {
    return OnOwnThread([&] { return calls_.queueAttribute(queue, attribute); });
  }
  int printFile(const std::string& queue, const std::string& file, const std::string& title,
                const platform::CupsOptions& options) override {
    return OnOwnThread([&] {
      const int job = calls_.printFile(queue, file, title, options);
      const char* why = calls_.lastErrorString();
      lastError_ = why ? std::optional<std::string>(why) : std::nullopt;
      return job;
    });
  }
  const char* lastErrorString() override { return lastError_ ? lastError_->c_str() : nullptr; }

 private:
  platform::SystemCupsCalls calls_;
  std::optional<std::string> lastError_;
};
