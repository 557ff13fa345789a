#pragma once
// CUPS as a test sets it: the default queue with its options, and for each
// queue by name its PPD's page, its job defaults and its own attributes; a
// job handed over gets the set number (0: refused, with the set error) and
// is kept.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/CupsCalls.h"

class ScriptedCups : public platform::CupsCalls {
 public:
  struct Job {
    std::string queue, file, title;
    platform::CupsOptions options;
  };
  std::optional<platform::CupsQueue> queue;
  std::map<std::string, platform::DescribedPage> pages;
  std::map<std::string, platform::CupsOptions> jobDefaults, attributes;
  int job = 1;
  const char* error = nullptr;
  std::vector<Job> jobs;

  std::optional<platform::CupsQueue> defaultQueue() override { return queue; }
  platform::DescribedPage describedPage(const std::string& name) override {
    return pages.contains(name) ? pages.at(name) : platform::DescribedPage{};
  }
  std::string jobDefault(const std::string& name, const std::string& option) override {
    return valueOf(jobDefaults, name, option);
  }
  std::string queueAttribute(const std::string& name, const std::string& attribute) override {
    return valueOf(attributes, name, attribute);
  }
  int printFile(const std::string& name, const std::string& file, const std::string& title,
                const platform::CupsOptions& options) override {
    jobs.push_back({name, file, title, options});
    return job;
  }
  const char* lastErrorString() override { return error; }

 private:
  static std::string valueOf(const std::map<std::string, platform::CupsOptions>& byQueue, const std::string& name,
                             const std::string& key) {
    if (!byQueue.contains(name) || !byQueue.at(name).contains(key)) return "";
    return byQueue.at(name).at(key);
  }
};
