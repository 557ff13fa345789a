#pragma once
// A print system with a set default queue that takes every job handed to it,
// or refuses each with a set reason, and keeps what it was handed.
#include <QByteArray>
#include <QFile>
#include <string>
#include <vector>

#include "platform/PrintSystem.h"

class ScriptedPrintSystem : public platform::PrintSystem {
 public:
  struct Job {
    std::string queue, media, title;
    QByteArray pdf;  // the file's bytes when it was handed over
  };
  platform::PrintQueue queue;
  std::string refusal;  // empty: every job is taken
  std::vector<Job> jobs;

  platform::PrintQueue defaultQueue() override { return queue; }
  platform::PrintOutcome submit(const platform::PrintQueue& to, const std::string& pdfFile,
                                const std::string& title) override {
    QFile file(QString::fromStdString(pdfFile));
    jobs.push_back({to.name, to.media, title, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
    if (!refusal.empty()) return {0, refusal};
    return {static_cast<int>(jobs.size()), ""};
  }
};
