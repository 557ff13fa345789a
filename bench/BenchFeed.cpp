// The year's feed batches (the nursery list, its printout, a new batch) and
// the group and herd feed conversion.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

#include "bench/BenchOps.h"
#include "common/DataFiles.h"
#include "common/HogGlobals.h"
#include "feed/GroupFeedConversion.h"
#include "feed/HogFeed2.h"
#include "feed/HogFeed3.h"
#include "feed/HogFeed4.h"
#include "feed/HogFeed7.h"

namespace {

using namespace at;

std::unique_ptr<HogFeed4> g_batches;
std::unique_ptr<HogFeed3> g_groupConversion;
std::unique_ptr<HogFeed7> g_herdConversion;

void nurseryOf2024() {
  FeedYear = "2024";
  FeedFile = FeedFileName(FeedYear);
  FeedMenuChoice = 0;
}

// The doses of each batch ID in a year's medication file: their pounds
// (summed as the list adds them, as the printout adds them, and each rounded
// to whole pounds) and cost.
struct Dosed {
  float pounds = 0;
  double poundsWide = 0, cost = 0;
  long wholePounds = 0;
};

std::map<std::string, Dosed> dosedBatches(const std::string& medFile) {
  const Stored s(medFile, dose::Length);
  std::map<std::string, Dosed> out;
  for (long r = 1; r <= s.count(); ++r) {
    const std::string id = s.trimmed(r, dose::Batch, 6);
    if (id.empty()) continue;
    Dosed& d = out[id];
    const float dosage = s.f32(r, dose::Dosage);
    d.pounds += dosage;
    d.poundsWide += dosage;
    d.wholePounds += std::lrint(dosage);
    d.cost += s.money(r, dose::UnitCost) * dosage;
  }
  return out;
}

bool medicated(const Stored& b, long n) { return b.trimmed(n, batch::Number, 6).rfind('M', 0) == 0; }
std::string plainNumber(const Stored& b, long n) {
  const std::string number = b.trimmed(n, batch::Number, 6);
  return number.size() > 5 ? number.substr(number.size() - 5) : number;
}

// The batch's line, in the list (group at 13, date at 19) or printed (12, 18).
LineExpect batchLine(const Stored& b, long n, const std::map<std::string, Dosed>& doses, bool printed,
                     double& pounds, double& cost) {
  const auto found = medicated(b, n) ? doses.find(plainNumber(b, n)) : doses.end();
  const Dosed d = found == doses.end() ? Dosed{} : found->second;
  pounds = b.i32(n, batch::Pounds) + (printed ? d.poundsWide : std::nearbyint(b.i32(n, batch::Pounds) + d.pounds) - b.i32(n, batch::Pounds));
  cost = b.money(n, batch::Cost) + d.cost;
  const double tons = pounds / 2000;
  const int group = printed ? 12 : 13;
  LineExpect line(88);
  line.text(2, 6, b.trimmed(n, batch::Number, 6), Align::Right)
      .text(group, 3, b.trimmed(n, batch::Group, 3), Align::Right)
      .text(group + 6, 10, b.date(n, batch::Date), Align::Right)
      .number(33, 5, tons, Align::Right, 3);
  // The list's pounds are whole; the printout's add the doses' pounds
  // unrounded and show them to the nearest pound.
  if (printed) line.number(40, 10, pounds, Align::Right, 0);
  else line.count(40, 10, std::llround(pounds), Align::Right);
  return line.number(53, 9, tons ? cost / tons : 0, Align::Right, 2)
      .number(66, 7, pounds ? cost / pounds : 0, Align::Right, 2)
      .number(77, 10, cost, Align::Right, 2);
}

std::vector<LineExpect> nurseryLines(const BenchFarm& farm, bool printed, double& pounds, double& cost) {
  const Stored b(farm.batches, batch::Length);
  const std::map<std::string, Dosed> doses = dosedBatches(farm.doses);
  std::vector<LineExpect> out;
  pounds = cost = 0;
  for (long n = 1; n <= b.count(); ++n) {
    if (b.text(n, batch::Type, 1) != "N" || b.blank(n, batch::Number, 6)) continue;
    double p = 0, c = 0;
    out.push_back(batchLine(b, n, doses, printed, p, c));
    pounds += p;
    cost += c;
  }
  return out;
}

// A total the program adds up in Single precision, read from its text
// against the bench's sum in double: the Single sum of thousands of figures
// drifts by more than the last digit shown, so the two agree within a
// hundred-thousandth (or a unit of the last digit).
bool showsNear(const std::string& shown, double value) {
  double read = 0, unit = 1;
  if (!ReadShownNumber(shown, read, unit)) return false;
  return std::fabs(read - value) <= std::max(unit, std::fabs(value) * 1e-5);
}

}  // namespace

void AddFeedBatchOperations(std::vector<Operation>& ops, const BenchFarm& farm) {
  {
    Operation op;
    op.name = "feed batch window opens, nursery batches of 2024";
    op.reads = {Whole(farm.batches), Whole(farm.doses)};
    op.before = [] {
      nurseryOf2024();
      g_batches.reset();
    };
    op.run = [] {
      g_batches = std::make_unique<HogFeed4>();
      g_batches->Show();
    };
    op.check = [&farm, before = op.before, run = op.run](std::string& result) {
      before();
      run();
      double pounds = 0, cost = 0;
      const std::vector<LineExpect> expected = nurseryLines(farm, false, pounds, cost);
      result = std::to_string(g_batches->Lines().size());
      MadeTexts(g_batches->Lines());
      if (!ShowsCount(g_batches->GTLbs->Caption(), std::llround(pounds)))
        return "grand total pounds " + g_batches->GTLbs->Caption();
      if (!showsNear(g_batches->GTCost->Caption(), cost)) return "grand total cost " + g_batches->GTCost->Caption();
      return CompareLines(g_batches->Lines(), expected, "listed batch");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "feed batch listing and summary printed, nursery 2024";
    op.reads = {Whole(farm.batches), Whole(farm.doses)};
    op.boxes = {"PRINT   FEED   RECORD"};
    const auto open = [] {
      nurseryOf2024();
      if (!g_batches) {
        g_batches = std::make_unique<HogFeed4>();
        g_batches->Show();
      }
    };
    op.before = [open] {
      open();
      CountPrints();
    };
    op.run = [] { g_batches->FeedMenu_Click(HogFeed4::Print); };
    op.check = [&farm, open](std::string& result) {
      open();
      RecordingPrinter& printer = RecordPrints();
      g_batches->FeedMenu_Click(HogFeed4::Print);
      MadePrinted(printer);
      double pounds = 0, cost = 0;
      const std::vector<LineExpect> expected = nurseryLines(farm, true, pounds, cost);
      const std::vector<std::string> body = BodyLines(printer, 88, 1);
      result = std::to_string(body.size());
      if (std::string d = CompareLines(body, expected, "printed batch"); !d.empty()) return d;
      const std::vector<std::string> summary = printer.texts(2);
      const auto figure = [&](const std::string& label) {
        for (const std::string& t : summary)
          if (t.rfind(label, 0) == 0) return t.substr(t.find('>') + 2);
        return std::string("(no line)");
      };
      if (!ShowsCount(figure("TOTAL BATCH(s)."), static_cast<long long>(expected.size())))
        return "summary: " + figure("TOTAL BATCH(s).") + " batches";
      if (!showsNear(figure("TOTAL FEED in POUND(s)."), pounds)) return "summary: " + figure("TOTAL FEED in POUND(s).") + " lb";
      if (!showsNear(figure("TOTAL COST."), cost)) return "summary: cost " + figure("TOTAL COST.");
      return std::string();
    };
    ops.push_back(op);
  }
  {
    // INPUT of the nursery batch list: the year's batches and doses read for
    // the new batch's record (the first free one whose number no dose
    // names), the question answered, the record reserved through a write
    // set; in the entry window, which reads
    // FEED.LST for its ingredient lists, the batch typed and ACCEPT: FEED.LST
    // and the reserved record read, then through a write set the batch
    // written and the two ingredients' inventories drawn; the list filled
    // again, twice: as the list window is activated again when the entry
    // closes, and by INPUT itself after it.
    Operation op;
    op.name = "new feed batch INPUT, typed and ACCEPT, nursery 2024";
    op.boxes = {"NEW   FEED   BATCH"};
    auto kept = std::make_shared<KeptFiles>(std::vector<std::string>{farm.batches, farm.ingredients});
    // Two ingredients with enough on hand.
    std::vector<long> drawn;
    {
      const Stored s(farm.ingredients, ingredient::Length);
      for (long r = 1; r <= s.count() && drawn.size() < 2; ++r)
        if (!s.blank(r, ingredient::Code, 6) && s.i32(r, ingredient::Current) >= 1000) drawn.push_back(r);
    }
    const int amounts[] = {300, 200};
    op.reads = {Whole(farm.batches, 3), Whole(farm.doses, 3), Whole(farm.ingredients, 2),
                Records(farm.batches, 3, 1, batch::Length),
                Records(farm.ingredients, 1)};
    std::vector<std::string> codes;
    {
      const Stored s(farm.ingredients, ingredient::Length);
      for (long r : drawn) codes.push_back(s.trimmed(r, ingredient::Code, 6));
    }
    op.windows = {{"HogFeed2", [codes, amounts](platform::Form& form) {
                     auto& w = dynamic_cast<HogFeed2&>(form);
                     w.FeedDate->SetText("11/10/2024");
                     w.GroupId->SetText("101");
                     for (size_t k = 0; k < codes.size(); ++k) {
                       w.FeedPick[static_cast<int>(k)]->SetText(codes[k]);
                       w.FeedAmt[static_cast<int>(k)]->SetText(std::to_string(amounts[k]));
                     }
                     w.Accept_Click();
                   }}};
    const auto open = [] {
      nurseryOf2024();
      g_batches = std::make_unique<HogFeed4>();
      g_batches->Show();
    };
    op.before = open;
    op.run = [] { g_batches->FeedMenu_Click(HogFeed4::Input); };
    op.after = [kept] { kept->putBack(); };
    op.check = [&farm, open, kept, drawn, codes, amounts](std::string& result) {
      if (drawn.size() < 2) return std::string("no two ingredients to draw");
      open();
      g_batches->FeedMenu_Click(HogFeed4::Input);
      const Stored batchesWere(kept->bytes(farm.batches), batch::Length), batchesAre(farm.batches, batch::Length);
      const Stored feedsWere(kept->bytes(farm.ingredients), ingredient::Length);
      const Stored feedsAre(farm.ingredients, ingredient::Length);
      // The first free record whose number no dose of the year names.
      const std::map<std::string, Dosed> doses = dosedBatches(farm.doses);
      long slot = 0;
      for (long n = 1; n <= batchesWere.count() && !slot; ++n) {
        const std::string number = std::to_string(100000 + n).substr(1);
        if (batchesWere.blank(n, batch::Type, 1) && batchesWere.blank(n, batch::Number, 6) && !doses.count(number) &&
            !doses.count("M" + number))
          slot = n;
      }
      result = std::to_string(slot);
      if (!slot) return std::string("no free batch record");
      if (std::string d = CompareNumbers(ChangedRecords(batchesWere, batchesAre), {slot}, "batch record written"); !d.empty())
        return d;
      if (std::string d = CompareNumbers(ChangedRecords(feedsWere, feedsAre), drawn, "ingredient written"); !d.empty())
        return d;
      double cost = 0;
      for (size_t k = 0; k < drawn.size(); ++k) {
        cost += feedsWere.money(drawn[k], ingredient::Unit) * amounts[k];
        if (std::string d = RecordBytes(feedsWere.record(drawn[k]))
                                .i32(ingredient::Current, feedsWere.i32(drawn[k], ingredient::Current) - amounts[k])
                                .differs(feedsAre.record(drawn[k]), "ingredient " + codes[k]);
            !d.empty())
          return d;
      }
      // The cost: each row's pounds at the unit cost, summed by the program
      // in Singles, so its last places may differ from the bench's.
      const int64_t stored = batchesAre.moneyRaw(slot, batch::Cost), expected = std::llround(cost * 10000);
      if (std::llabs(stored - expected) > std::max<int64_t>(1, expected / 100000))
        return "the batch's cost is " + std::to_string(stored) + " ten-thousandths, expected " + std::to_string(expected);
      RecordBytes batchBytes(batch::Length);
      batchBytes.text(batch::Type, 1, "N")
          .text(batch::Number, 6, std::to_string(100000 + slot).substr(1))
          .text(batch::Group, 3, "101")
          .text(batch::Date, 10, "11/10/2024")
          .i32(batch::Pounds, amounts[0] + amounts[1])
          .money(batch::Cost, stored);
      for (int k = 0; k < 8; ++k) batchBytes.text(batch::Rows + k * batch::RowLength, 6, "");
      for (size_t k = 0; k < drawn.size(); ++k)
        batchBytes.text(batch::Rows + static_cast<int>(k) * batch::RowLength, 6, codes[k])
            .i32(batch::Rows + static_cast<int>(k) * batch::RowLength + 6, amounts[k]);
      return batchBytes.differs(batchesAre.record(slot), "the new batch");
    };
    ops.push_back(op);
  }

  // The feed conversion of 2023: the group conversion's RUN for six finisher
  // groups, the herd conversion's RUN for the year.
  const std::vector<std::string> groupIds = {"201-23", "202-23", "203-23", "204-23", "205-23", "206-23"};
  {
    Operation op;
    op.name = "group feed conversion RUN, six finisher groups of 2023";
    op.reads = {Whole(farm.groups), Whole(farm.sales), Whole(farm.lastBatches), Whole(farm.lastDoses)};
    const auto open = [groupIds] {
      if (!g_groupConversion) {
        g_groupConversion = std::make_unique<HogFeed3>();
        g_groupConversion->Show();
      }
      for (size_t i = 0; i < groupIds.size(); ++i) g_groupConversion->GroupFc[static_cast<int>(i)]->SetText(groupIds[i]);
      g_groupConversion->BldSelect[kFinisher]->SetValue(true);
    };
    op.before = open;
    op.run = [] { g_groupConversion->RunFeedCnv_Click(); };
    op.check = [&farm, open, groupIds](std::string& result) {
      open();
      g_groupConversion->RunFeedCnv_Click();
      const Stored groups(farm.groups, group::Length), sales(farm.sales, sale::Length);
      const Stored batches(farm.lastBatches, batch::Length);
      const std::map<std::string, Dosed> doses = dosedBatches(farm.lastDoses);
      long pigs = 0;
      double in = 0, out = 0, feed = 0, cost = 0;
      for (const std::string& id : groupIds) {
        for (long n = 1; n <= groups.count(); ++n)
          if (groups.trimmed(n, group::Id, 6) == id && groups.text(n, group::Stage, 1) == "F") {
            if (groups.i16(n, group::YearEnd) == 0) pigs += groups.i16(n, group::PigsIn);
            in += groups.i16(n, group::PigsIn) * static_cast<double>(groups.f32(n, group::WeightIn));
          }
        for (long r = 1; r <= sales.count(); ++r)
          if (sales.trimmed(r, sale::Id, 6) == id && sales.text(r, sale::Type, 1) == "M")
            out += (sales.i16(r, sale::Pigs) + sales.i16(r, sale::Gilts)) * static_cast<double>(sales.f32(r, sale::Weight));
        for (long n = 1; n <= batches.count(); ++n) {
          if (batches.text(n, batch::Type, 1) != "F" || batches.trimmed(n, batch::Group, 3) != id.substr(0, 3)) continue;
          feed += batches.i32(n, batch::Pounds);
          cost += batches.money(n, batch::Cost);
          if (!medicated(batches, n)) continue;
          const auto d = doses.find(plainNumber(batches, n));
          if (d != doses.end()) feed += d->second.wholePounds, cost += d->second.cost;
        }
      }
      const HogFeed3& w = *g_groupConversion;
      result = w.LbPork->Caption();
      if (!ShowsCount(w.TotPig->Caption(), pigs)) return "pigs " + w.TotPig->Caption() + ", expected " + std::to_string(pigs);
      if (!ShowsNumber(w.LbPork->Caption(), out - in, 0)) return "pork " + w.LbPork->Caption() + ", expected " + std::to_string(out - in);
      if (!ShowsCount(w.LbFeed->Caption(), std::llround(feed))) return "feed " + w.LbFeed->Caption() + ", expected " + std::to_string(feed);
      if (!showsNear(w.TotFeedCost->Caption(), cost)) return "cost " + w.TotFeedCost->Caption() + ", expected " + std::to_string(cost);
      return feed > 0 && out > in ? std::string() : std::string("no feed or no pork");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "herd feed conversion RUN for 2023";
    op.reads = {Whole(farm.sales), Whole(farm.lastBatches), Whole(farm.lastDoses), Whole(farm.sows), Whole(farm.boars)};
    const auto open = [] {
      if (!g_herdConversion) {
        g_herdConversion = std::make_unique<HogFeed7>();
        g_herdConversion->Show();
      }
      g_herdConversion->RptYr->SetText("2023");
      g_herdConversion->BegBrdWt->SetText("100000");
      g_herdConversion->EndBrdWt->SetText("101000");
      g_herdConversion->FeedPigWt->SetText("5000");
    };
    op.before = open;
    op.run = [] { g_herdConversion->RunHp_Click(); };
    op.check = [&farm, open](std::string& result) {
      open();
      g_herdConversion->RunHp_Click();
      const Stored sales(farm.sales, sale::Length), batches(farm.lastBatches, batch::Length);
      const std::map<std::string, Dosed> doses = dosedBatches(farm.lastDoses);
      long market = 0, feeder = 0;
      double marketWeight = 0, feed = 0, cost = 0;
      for (long r = 1; r <= sales.count(); ++r) {
        if (sales.i16(r, sale::YearEnd) != 0 || sales.text(r, sale::Id, 6).substr(4, 2) != "23") continue;
        const int pigs = sales.i16(r, sale::Pigs);
        if (sales.text(r, sale::Type, 1) == "M") market += pigs, marketWeight += pigs * static_cast<double>(sales.f32(r, sale::Weight));
        if (sales.text(r, sale::Type, 1) == "F") feeder += pigs;
      }
      for (long n = 1; n <= batches.count(); ++n) {
        if (batches.blank(n, batch::Type, 1)) continue;
        feed += batches.i32(n, batch::Pounds);
        cost += batches.money(n, batch::Cost);
        if (!medicated(batches, n)) continue;
        const auto d = doses.find(plainNumber(batches, n));
        if (d != doses.end()) feed += d->second.wholePounds, cost += d->second.cost;
      }
      const auto& shown = g_herdConversion->Results;
      result = shown[7]->Caption();
      if (!ShowsCount(shown[0]->Caption(), market)) return "market hogs " + shown[0]->Caption();
      if (!ShowsCount(shown[1]->Caption(), feeder)) return "feeder pigs " + shown[1]->Caption();
      if (!showsNear(shown[2]->Caption(), marketWeight)) return "market weight " + shown[2]->Caption();
      if (!ShowsCount(shown[7]->Caption(), std::llround(feed))) return "feed " + shown[7]->Caption() + ", expected " + std::to_string(feed);
      if (!showsNear(shown[9]->Caption(), cost)) return "feed cost " + shown[9]->Caption() + ", expected " + std::to_string(cost);
      return market > 0 ? std::string() : std::string("no market hogs");
    };
    ops.push_back(op);
  }
}

void ReleaseFeedBatchWindows() {
  g_batches.reset();
  g_groupConversion.reset();
  g_herdConversion.reset();
}
