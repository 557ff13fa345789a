#pragma once
// The print system's own answers the CUPS print system is built on, each as
// the system gives it, one call each, so that a test can stand in for them:
// libcups's calls, and Qt's reading of a queue's description (its PPD).
#include <QMarginsF>
#include <QPageSize>
#include <map>
#include <optional>
#include <string>

namespace platform {

using CupsOptions = std::map<std::string, std::string>;

// A queue as the print system lists it: its name and its options
// ("printer-state", "media", ...), the user's (lpoptions) over the queue's.
struct CupsQueue {
  std::string name;
  CupsOptions options;
};

// The page a queue's PPD has for its default, the user's options applied,
// and the unprintable border of that page, edge by edge in millimetres; an
// invalid page where the queue has no PPD.
struct DescribedPage {
  QPageSize page;
  QMarginsF marginsMm;
};

class CupsCalls {
 public:
  virtual ~CupsCalls() = default;
  // The user's default queue before the system's; none where no queue can
  // be reached.
  virtual std::optional<CupsQueue> defaultQueue() = 0;
  virtual DescribedPage describedPage(const std::string& queue) = 0;
  // The queue's default for a job option ("media") in the description it
  // gives of itself; empty where it gives none.
  virtual std::string jobDefault(const std::string& queue, const std::string& option) = 0;
  // One of the queue's own attributes ("printer-state-message") as it
  // reports it now; empty where it gives none.
  virtual std::string queueAttribute(const std::string& queue, const std::string& attribute) = 0;
  // Hands a file to a queue as a job: its number, or 0 where it is refused.
  virtual int printFile(const std::string& queue, const std::string& file, const std::string& title,
                        const CupsOptions& options) = 0;
  // Why the last call failed, in the system's words; may be null.
  virtual const char* lastErrorString() = 0;
};

// The calls of the system's own CUPS.
class SystemCupsCalls : public CupsCalls {
 public:
  std::optional<CupsQueue> defaultQueue() override;
  DescribedPage describedPage(const std::string& queue) override;
  std::string jobDefault(const std::string& queue, const std::string& option) override;
  std::string queueAttribute(const std::string& queue, const std::string& attribute) override;
  int printFile(const std::string& queue, const std::string& file, const std::string& title,
                const CupsOptions& options) override;
  const char* lastErrorString() override;
};

}  // namespace platform
