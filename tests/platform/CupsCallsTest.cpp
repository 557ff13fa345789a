// The system's own CUPS calls, and the CUPS print system over them, against
// a print server of the test's own: the default queue with the user's
// choices, a queue's page and border, its job defaults, its word on why it
// holds or refuses jobs, and a job taken or refused. Skipped where no such
// server can start.
#include <gtest/gtest.h>

#include <QFile>
#include <optional>

#include "platform/CupsPrintSystem.h"
#include "support/PrivateCupsServer.h"

namespace {

const std::string kJam = "paper jam in tray 2", kNoPaper = "out of paper, try tomorrow";
const QByteArray kPdf = "%PDF-1.4\n1 0 obj <</Type /Catalog>> endobj\ntrailer <</Root 1 0 R>>\n%%EOF\n";

double Mm(double points) { return points * 25.4 / 72; }
QMarginsF BorderMm(PrivateCupsServer::Border b) { return {Mm(b.left), Mm(b.top), Mm(b.right), Mm(b.bottom)}; }
void ExpectBorder(const QMarginsF& border, const QMarginsF& expected) {
  EXPECT_NEAR(border.left(), expected.left(), 0.01);
  EXPECT_NEAR(border.top(), expected.top(), 0.01);
  EXPECT_NEAR(border.right(), expected.right(), 0.01);
  EXPECT_NEAR(border.bottom(), expected.bottom(), 0.01);
}

// "Office", the server's default, takes jobs; "Paused" is stopped and
// "Refusing" refuses jobs, each with a reason; all three on the test
// printer's PPD; "Plain" is raw, without one.
class SystemCups : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!server.failure().empty()) GTEST_SKIP() << "no print server of the test's own: " << server.failure();
    for (const char* name : {"Office", "Paused", "Refusing"}) ASSERT_EQ(server.addQueue(name), "");
    ASSERT_EQ(server.addQueue("Plain", false), "");
    ASSERT_EQ(server.run("lpadmin", {"-d", "Office"}), "");
    ASSERT_EQ(server.run("cupsdisable", {"-r", QString::fromStdString(kJam), "Paused"}), "");
    ASSERT_EQ(server.run("cupsreject", {"-r", QString::fromStdString(kNoPaper), "Refusing"}), "");
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kPdf) == kPdf.size());
  }
  PrivateCupsServer server;
  SystemCupsOnOwnThreads cups;
  const std::string pdf = server.path("job.pdf");
};

}  // namespace

TEST_F(SystemCups, TheDefaultQueueTheUsersBeforeTheServers) {
  const struct {
    const char* lpoptions;
    std::string name;
    std::optional<std::string> state, accepting, media;
  } cases[] = {
      {"", "Office", "3", "true", std::nullopt},
      {"Dest Office media=na_legal_8.5x14in\n", "Office", "3", "true", "na_legal_8.5x14in"},
      {"Default Paused\n", "Paused", "5", "true", std::nullopt},
      {"Default Refusing\n", "Refusing", "3", "false", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lpoptions);
    server.setUserOptions(c.lpoptions);
    const std::optional<platform::CupsQueue> queue = cups.defaultQueue();
    ASSERT_TRUE(queue);
    EXPECT_EQ(queue->name, c.name);
    auto option = [&queue](const std::string& name) -> std::optional<std::string> {
      const auto found = queue->options.find(name);
      return found == queue->options.end() ? std::nullopt : std::optional(found->second);
    };
    EXPECT_EQ(option("printer-state"), c.state);
    EXPECT_EQ(option("printer-is-accepting-jobs"), c.accepting);
    EXPECT_EQ(option("media"), c.media);
  }
}

TEST_F(SystemCups, ThePageAndBorderOfTheQueuesPpdWithTheUsersChoice) {
  const struct {
    const char* lpoptions;
    std::string queue;
    std::optional<QPageSize::PageSizeId> page;  // none: an invalid page
    QMarginsF borderMm;
  } cases[] = {
      {"", "Office", QPageSize::Letter, BorderMm(PrivateCupsServer::kLetterBorder)},
      {"Dest Office media=iso_a4_210x297mm\n", "Office", QPageSize::A4, BorderMm(PrivateCupsServer::kA4Border)},
      {"", "Plain", std::nullopt, {}},
      {"", "Nowhere", std::nullopt, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.queue + " " + c.lpoptions);
    server.setUserOptions(c.lpoptions);
    const platform::DescribedPage described = cups.describedPage(c.queue);
    ASSERT_EQ(described.page.isValid(), c.page.has_value());
    if (!c.page) continue;
    EXPECT_EQ(described.page.id(), *c.page);
    ExpectBorder(described.marginsMm, c.borderMm);
  }
}

// A default the queue has, one it has without a value, and ones it lacks.
TEST_F(SystemCups, AJobDefaultOrNothing) {
  const struct {
    std::string queue, option, value;
  } cases[] = {
      {"Office", "media", "na_letter_8.5x11in"},
      {"Office", "orientation-requested", ""},
      {"Office", "media-source", ""},
      {"Plain", "media", ""},
      {"Nowhere", "media", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(cups.jobDefault(c.queue, c.option), c.value) << c.queue << " " << c.option;
}

TEST_F(SystemCups, TheQueuesWordOnWhyItHoldsOrRefusesJobs) {
  const struct {
    std::string queue, message;
  } cases[] = {{"Paused", kJam}, {"Refusing", kNoPaper}, {"Office", ""}, {"Nowhere", ""}};
  for (const auto& c : cases) EXPECT_EQ(cups.queueAttribute(c.queue, "printer-state-message"), c.message) << c.queue;
}

// The paused queue keeps the job it takes in its spool.
TEST_F(SystemCups, AJobTakenAsHandedOver) {
  const int job = cups.printFile("Paused", pdf, "SOW LISTING", {{"media", "iso_a4_210x297mm"}});
  ASSERT_GT(job, 0) << cups.lastErrorString();
  EXPECT_EQ(server.spooledDocument(job), kPdf);
  EXPECT_EQ(server.jobAttribute(job, "job-name"), "SOW LISTING");
  EXPECT_EQ(server.jobAttribute(job, "media"), "iso_a4_210x297mm");
}

TEST_F(SystemCups, AJobRefusedWithTheServersReason) {
  EXPECT_EQ(cups.printFile("Refusing", pdf, "SOW LISTING", {}), 0);
  EXPECT_STREQ(cups.lastErrorString(), "Destination \"Refusing\" is not accepting jobs.");
}

// The print system as the printer asks it, over the calls above.
TEST_F(SystemCups, ThePrintSystemOverTheSystemsCalls) {
  const struct {
    const char* lpoptions;
    platform::PrintQueue queue;
  } cases[] = {
      {"", {"Office", "Letter", 215.9, 279.4, BorderMm(PrivateCupsServer::kLetterBorder), false, ""}},
      {"Dest Office media=iso_a4_210x297mm\n",
       {"Office", "iso_a4_210x297mm", 210, 297, BorderMm(PrivateCupsServer::kA4Border), false, ""}},
      {"Default Paused\n", {"Paused", "Letter", 215.9, 279.4, BorderMm(PrivateCupsServer::kLetterBorder), true, kJam}},
      {"Default Refusing\n",
       {"Refusing", "Letter", 215.9, 279.4, BorderMm(PrivateCupsServer::kLetterBorder), false, kNoPaper}},
  };
  platform::CupsPrintSystem system(&cups);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lpoptions);
    server.setUserOptions(c.lpoptions);
    const platform::PrintQueue queue = system.defaultQueue();
    EXPECT_EQ(queue.name, c.queue.name);
    EXPECT_EQ(queue.media, c.queue.media);
    EXPECT_NEAR(queue.pageWidthMm, c.queue.pageWidthMm, 0.1);
    EXPECT_NEAR(queue.pageHeightMm, c.queue.pageHeightMm, 0.1);
    ASSERT_TRUE(queue.marginsMm);
    ExpectBorder(*queue.marginsMm, *c.queue.marginsMm);
    EXPECT_EQ(queue.paused, c.queue.paused);
    EXPECT_EQ(queue.stateMessage, c.queue.stateMessage);
  }
  EXPECT_EQ(system.submit({.name = "Refusing"}, pdf, "SOW LISTING").refusal,
            "Destination \"Refusing\" is not accepting jobs.");
}
