// The year's feed batches (the nursery list, its printout, a new batch) and
// the group and herd feed conversion.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>

#include "bench/BenchOps.h"
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
  FeedFile = BenchFeedFile(FeedYear);
  FeedMenuChoice = 0;
}

// The doses of each batch ID in a year's medication file: their pounds
// (summed as Singles as the list adds them, as Doubles as the printout adds
// them) and their cost (each dose's unit cost as a Single times its
// dosage, summed as Singles).
struct Dosed {
  float pounds = 0;
  double poundsWide = 0;
  float cost = 0;
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
    d.cost += static_cast<float>(s.money(r, dose::UnitCost)) * dosage;
  }
  return out;
}

bool medicated(const Stored& b, long n) { return b.trimmed(n, batch::Number, 6).rfind('M', 0) == 0; }
std::string plainNumber(const Stored& b, long n) {
  const std::string number = b.trimmed(n, batch::Number, 6);
  return number.size() > 5 ? number.substr(number.size() - 5) : number;
}

// The totals of the listed batches: the pounds (whole pounds in the list;
// in the printout each medicated batch's pounds added unrounded and the
// total rounded to whole pounds after them) and the cost, summed as
// Singles.
struct BatchTotals {
  long batches = 0;
  double pounds = 0;
  float cost = 0;
  double dosedPounds = 0;  // the doses of the medicated batches
  float dosedCost = 0;
};

// The batch's line, in the list (group at 13, date at 19) or printed (12,
// 18), and its pounds and cost added to `totals`.
LineExpect batchLine(const Stored& b, long n, const std::map<std::string, Dosed>& doses, bool printed,
                     BatchTotals& totals) {
  const bool dosed = medicated(b, n) && doses.count(plainNumber(b, n));
  const Dosed d = dosed ? doses.at(plainNumber(b, n)) : Dosed{};
  const int stored = b.i32(n, batch::Pounds);
  const double pounds = printed ? stored + d.poundsWide : std::nearbyint(stored + d.pounds);
  const float cost = static_cast<float>(b.money(n, batch::Cost)) + d.cost;
  totals.pounds = printed && dosed ? std::nearbyint(totals.pounds + pounds) : totals.pounds + pounds;
  totals.cost += cost;
  totals.dosedPounds += d.poundsWide;
  totals.dosedCost += d.cost;
  ++totals.batches;
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
      .number(77, 10, SingleShown(cost, 2), Align::Right, 2);
}

// The lines of the year's nursery batches, their totals and (when given)
// their records.
std::vector<LineExpect> nurseryLines(const BenchFarm& farm, bool printed, BatchTotals& totals,
                                     std::vector<long>* records = nullptr) {
  const Stored b(farm.batches, batch::Length);
  const std::map<std::string, Dosed> doses = dosedBatches(farm.doses);
  std::vector<LineExpect> out;
  totals = {};
  for (long n = 1; n <= b.count(); ++n) {
    if (b.text(n, batch::Type, 1) != "N" || b.blank(n, batch::Number, 6)) continue;
    out.push_back(batchLine(b, n, doses, printed, totals));
    if (records) records->push_back(n);
  }
  return out;
}

// The breeding herd's weights and the feeder pigs' weight typed into the
// herd conversion, in pounds.
constexpr int kHerdWeightBegun = 100000, kHerdWeightEnded = 101000, kFeederPigWeight = 5000;

// The doses of each batch ID of a year's medication file, in record order.
struct Dose {
  float dosage;
  double unitCost;
};
std::map<std::string, std::vector<Dose>> dosesByBatch(const std::string& medFile) {
  const Stored s(medFile, dose::Length);
  std::map<std::string, std::vector<Dose>> out;
  for (long r = 1; r <= s.count(); ++r)
    if (!s.blank(r, dose::Batch, 6)) out[s.trimmed(r, dose::Batch, 6)].push_back({s.f32(r, dose::Dosage), s.money(r, dose::UnitCost)});
  return out;
}

// The feed of one type in a year's batches (of one group's, when `group`
// names its three digits) as a conversion adds it up: each batch's pounds
// and, for a medicated batch, each dose of its number rounded to whole
// pounds (a half to the even pound); the cost a Single, to which each
// batch's cost and each dose's dosage times its unit cost are added in
// turn, in record order.
struct FeedTotal {
  long long pounds = 0;
  float cost = 0;
};
FeedTotal feedOfType(const Stored& batches, const std::map<std::string, std::vector<Dose>>& doses, char type,
                     const std::string& group = "") {
  FeedTotal t;
  for (long n = 1; n <= batches.count(); ++n) {
    if (batches.text(n, batch::Type, 1)[0] != type) continue;
    if (!group.empty() && batches.trimmed(n, batch::Group, 3) != group) continue;
    t.pounds += batches.i32(n, batch::Pounds);
    t.cost += static_cast<float>(batches.money(n, batch::Cost));
    if (!medicated(batches, n)) continue;
    const auto found = doses.find(plainNumber(batches, n));
    if (found == doses.end()) continue;
    for (const Dose& d : found->second) {
      t.pounds += std::llrint(d.dosage);
      t.cost += d.dosage * static_cast<float>(d.unitCost);
    }
  }
  return t;
}

double currency(double value) { return std::round(value * 10000) / 10000; }

// A conversion's figure, by the name the checks give it. A Single (the
// cost) shows its seven significant digits.
struct NamedFigure {
  const char* name;
  Figure figure;
};

// The ratios of a conversion's totals: the price of a pound of feed, the
// feed cost of a hundredweight of pork (the pork's hundredweights a
// Single), the feed per pound of pork and per pig; 0 where a total is 0 (a
// cost not above 0).
double pricePerPound(double cost, long long feed) { return cost > 0 && feed != 0 ? cost / feed : 0; }
double costPerHundredweight(double cost, long long pork) {
  const float hundredweights = static_cast<float>(pork / 100.0);
  return cost > 0 && hundredweights != 0 ? cost / hundredweights : 0;
}
double perUnit(long long feed, long long of) { return feed != 0 && of != 0 ? static_cast<double>(feed) / of : 0; }

// The eight figures of the group conversion's RUN for the finisher groups
// `ids` of 2023, in the order of its figure texts: the pigs in, the pork
// (the weight of the market sales less the weight in, each group's a
// Single sum added as a Single), the feed of type "F" of each group's
// batches, the price a pound, the cost a hundredweight, the cost, the feed
// a pound of pork and a pig.
std::vector<NamedFigure> groupConversion(const BenchFarm& farm, const std::vector<std::string>& ids) {
  const Stored groups(farm.groups, group::Length), sales(farm.sales, sale::Length);
  const Stored batches(farm.lastBatches, batch::Length);  // the groups' year
  const auto doses = dosesByBatch(farm.lastDoses);
  long long pigs = 0, feed = 0;
  float in = 0, out = 0, cost = 0;
  for (const std::string& id : ids) {
    float groupIn = 0, groupOut = 0;
    for (long n = 1; n <= groups.count(); ++n) {
      if (groups.trimmed(n, group::Id, 6) != id || groups.text(n, group::Stage, 1) != "F") continue;
      const int pigsIn = groups.i16(n, group::PigsIn);
      if (groups.i16(n, group::YearEnd) == 0) pigs += pigsIn;
      if (pigsIn != 0) groupIn += static_cast<float>(pigsIn) * groups.f32(n, group::WeightIn);
    }
    for (long r = 1; r <= sales.count(); ++r)
      if (sales.trimmed(r, sale::Id, 6) == id && sales.text(r, sale::Type, 1) == "M")
        groupOut += static_cast<float>(sales.i16(r, sale::Pigs) + sales.i16(r, sale::Gilts)) * sales.f32(r, sale::Weight);
    in += groupIn;
    out += groupOut;
    const FeedTotal t = feedOfType(batches, doses, 'F', id.substr(0, 3));
    feed += t.pounds;
    cost += t.cost;
  }
  const bool ran = in != 0 && out > 0;  // else the building shows no figures
  const long long pork = ran ? std::llrint(static_cast<double>(out - in)) : 0;
  if (!ran) pigs = feed = 0, cost = 0;
  const double money = currency(cost);
  return {{"pigs", Count(pigs)},
          {"pork", Count(pork)},
          {"feed", Count(feed)},
          {"price a pound of feed", Figure(pricePerPound(money, feed), 2)},
          {"feed cost a hundredweight", Figure(costPerHundredweight(money, pork), 2)},
          {"feed cost", Figure(SingleShown(cost, 2), 2)},
          {"feed efficiency", Figure(perUnit(feed, pork), 2)},
          {"feed a pig", Figure(perUnit(feed, pigs), 0)}};
}

// A Single weight as the herd conversion shows it: written to one place,
// then read back to whole pounds (a half to the even pound).
long long shownPounds(float weight) { return std::llrint(std::round(static_cast<double>(weight) * 10) / 10); }

// The thirteen figures of the herd conversion's RUN for 2023, in its order.
std::vector<NamedFigure> herdConversion(const BenchFarm& farm) {
  const Stored sales(farm.sales, sale::Length), batches(farm.lastBatches, batch::Length);
  // The sales of the groups of 2023 (the last two characters of the ID),
  // no year-end row; each kind's weight a Single sum.
  long long market = 0, feeder = 0;
  float marketWeight = 0, feederWeight = 0;
  for (long r = 1; r <= sales.count(); ++r) {
    const std::string id = sales.trimmed(r, sale::Id, 6);
    if (sales.i16(r, sale::YearEnd) != 0 || id.size() < 2 || id.substr(id.size() - 2) != "23") continue;
    const int pigs = sales.i16(r, sale::Pigs);
    const float weight = static_cast<float>(pigs) * sales.f32(r, sale::Weight);
    if (sales.text(r, sale::Type, 1) == "M") market += pigs, marketWeight += weight;
    if (sales.text(r, sale::Type, 1) == "F") feeder += pigs, feederWeight += weight;
  }
  // The feed of the five types, each type's cost added to the total in
  // currency and kept as a Single.
  const auto doses = dosesByBatch(farm.lastDoses);
  long long feed = 0;
  float cost = 0;
  for (char type : std::string("NGFLE")) {
    const FeedTotal t = feedOfType(batches, doses, type);
    feed += t.pounds;
    cost = static_cast<float>(currency(static_cast<double>(cost) + static_cast<double>(t.cost)));
  }
  // The breeding herd: the sows and boars with an ID and no date left.
  long long breeding = 0;
  for (const auto& [path, length] : {std::pair{farm.sows, sow::Length}, std::pair{farm.boars, boar::Length}}) {
    const Stored animals(path, length);
    for (long r = 1; r <= animals.count(); ++r)
      breeding += !animals.blank(r, animal::Id, 8) && animals.trimmed(r, animal::Left, 10) == "__/__/____";
  }
  const long long pigs = market + feeder + breeding;
  const long long pork = std::llrint(static_cast<double>(marketWeight + feederWeight) - kFeederPigWeight +
                                     (kHerdWeightEnded - kHerdWeightBegun));
  const auto average = [](float weight, long long head) {
    const long long pounds = std::llrint(weight);
    return head == 0 || pounds == 0 ? 0 : pounds / head;
  };
  const double money = currency(cost);
  return {{"market hogs sold", Count(market)},
          {"feeder pigs sold", Count(feeder)},
          {"market weight sold", Count(shownPounds(marketWeight))},
          {"feeder weight sold", Count(shownPounds(feederWeight))},
          {"average market weight", Count(average(marketWeight, market))},
          {"average feeder weight", Count(average(feederWeight, feeder))},
          {"pounds of pork", Count(pork)},
          {"pounds of feed", Count(feed)},
          {"price a pound of feed", Figure(pricePerPound(money, feed), 2)},
          {"feed cost", Figure(SingleShown(cost, 2), 2)},
          {"feed cost a hundredweight", Figure(costPerHundredweight(money, pork), 2)},
          {"feed a pig", Figure(perUnit(feed, pigs), 0)},
          {"feed efficiency", Figure(perUnit(feed, pork), 2)}};
}

// Each figure a conversion shows or prints against the bench's.
std::string compareConversion(const std::vector<std::string>& shown, const std::vector<NamedFigure>& expected,
                              const std::string& printed) {
  if (shown.size() != expected.size())
    return std::to_string(shown.size()) + " figures " + (printed.empty() ? "shown" : "printed") + ", expected " +
           std::to_string(expected.size());
  for (size_t k = 0; k < shown.size(); ++k)
    if (!Shows(shown[k], expected[k].figure))
      return printed + expected[k].name + " shows \"" + shown[k] + "\", expected " + ExpectedText(expected[k].figure);
  return expected[0].figure.value > 0 ? "" : "no " + std::string(expected[0].name);
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
      BatchTotals totals;
      std::vector<long> records, data;
      const std::vector<LineExpect> expected = nurseryLines(farm, false, totals, &records);
      const std::vector<std::string> rows = ListRows(*g_batches->FeedList, &data);
      result = std::to_string(rows.size());
      MadeTexts(rows);
      const std::pair<platform::Label*, Figure> grand[] = {{g_batches->GTTons, Figure(totals.pounds / 2000, 2)},
                                                           {g_batches->GTLbs, Count(std::llround(totals.pounds))},
                                                           {g_batches->GTCost, Figure(SingleShown(totals.cost, 2), 2)}};
      for (const auto& [label, figure] : grand)
        if (!Shows(label->Caption(), figure))
          return "grand total " + label->Caption() + ", expected " + ExpectedText(figure);
      if (std::string d = CompareLines(rows, expected, "listed batch"); !d.empty()) return d;
      return CompareNumbers(data, records, "listed batch's record");
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
      BatchTotals t;
      const std::vector<LineExpect> expected = nurseryLines(farm, true, t);
      const std::vector<std::string> body = BodyLines(printer, 88, 1);
      result = std::to_string(body.size());
      if (std::string d = CompareLines(body, expected, "printed batch"); !d.empty()) return d;
      const std::vector<std::string> summary = printer.texts(2);
      const auto figure = [&](const std::string& label) {
        for (const std::string& text : summary)
          if (text.rfind(label, 0) == 0) return text.substr(text.find('>') + 2);
        return std::string("(no line)");
      };
      // The tons and the averages over pounds in Doubles, the cost and the
      // average cost a batch in Singles.
      const double tons = t.pounds / 2000, batches = static_cast<double>(t.batches);
      const std::pair<const char*, Figure> figures[] = {
          {"TOTAL BATCH(s).", Count(t.batches)},
          {"TOTAL FEED in TON(s).", Figure(tons, 2)},
          {"TOTAL FEED in POUND(s).", Figure(t.pounds, 1)},
          {"TOTAL COST.", Figure(SingleShown(t.cost, 2), 2)},
          {"TOTAL AMOUNT of ADDED MEDICATION in POUND(s).", Figure(t.dosedPounds, 1)},
          {"TOTAL COST of ADDED MEDICATION.", Figure(SingleShown(t.dosedCost, 2), 2)},
          {"Average TON of FEED per BATCH.", Figure(tons / batches, 1)},
          {"Average POUNDs of FEED per BATCH.", Figure(t.pounds / batches, 1)},
          {"Average COST per BATCH.", Figure(SingleShown(t.cost / static_cast<float>(t.batches), 2), 2)},
          {"Average COST per TON of FEED.", Figure(t.cost / tons, 2)},
          {"Average COST per POUND of FEED.", Figure(t.cost / t.pounds, 2)}};
      for (const auto& [label, expectedFigure] : figures)
        if (!Shows(figure(label), expectedFigure))
          return std::string("summary: ") + label + " shows \"" + figure(label) + "\", expected " + ExpectedText(expectedFigure);
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
    // again once the entry window is gone.
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
    op.reads = {Whole(farm.batches, 2), Whole(farm.doses, 2), Whole(farm.ingredients, 2),
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
  // groups and its PRINT, the herd conversion's RUN for the year and its
  // PRINT.
  const std::vector<std::string> groupIds = {"201-23", "202-23", "203-23", "204-23", "205-23", "206-23"};
  const auto openGroupConversion = [groupIds] {
    if (!g_groupConversion) {
      g_groupConversion = std::make_unique<HogFeed3>();
      g_groupConversion->Show();
    }
    for (size_t i = 0; i < groupIds.size(); ++i) g_groupConversion->GroupFc[static_cast<int>(i)]->SetText(groupIds[i]);
    g_groupConversion->BldSelect[kFinisher]->SetValue(true);
  };
  {
    Operation op;
    op.name = "group feed conversion RUN, six finisher groups of 2023";
    op.reads = {Whole(farm.groups), Whole(farm.sales), Whole(farm.lastBatches), Whole(farm.lastDoses)};
    op.before = openGroupConversion;
    op.run = [] { g_groupConversion->RunFeedCnv_Click(); };
    op.check = [&farm, open = openGroupConversion, groupIds](std::string& result) {
      open();
      g_groupConversion->RunFeedCnv_Click();
      const HogFeed3& w = *g_groupConversion;
      const std::vector<std::string> shown = {w.TotPig->Caption(),      w.LbPork->Caption(),  w.LbFeed->Caption(),
                                              w.AvgPriceLb->Caption(),  w.FeedCWT->Caption(), w.TotFeedCost->Caption(),
                                              w.FeedEff->Caption(),     w.FeedPerPig->Caption()};
      result = w.LbPork->Caption();
      return compareConversion(shown, groupConversion(farm, groupIds), "");
    };
    ops.push_back(op);
  }
  {
    // PRINT of the building's figures: the run's own texts, no file read.
    Operation op;
    op.name = "group feed conversion summary printed";
    op.ratio = false;
    op.boxes = {"PRINT   FEED   RECORD"};
    const auto ran = [open = openGroupConversion] {
      open();
      g_groupConversion->RunFeedCnv_Click();
    };
    op.before = [ran] {
      ran();
      CountPrints();
    };
    op.run = [] { g_groupConversion->PntSFeed_Click(); };
    op.check = [&farm, ran, groupIds](std::string& result) {
      ran();
      RecordingPrinter& printer = RecordPrints();
      g_groupConversion->PntSFeed_Click();
      MadePrinted(printer);
      const std::vector<std::string> printed = PrintedFigures(printer);
      result = std::to_string(printed.size());
      // Printed in the order of the window's labels: the cost before the
      // cost a hundredweight, the feed a pig before the feed efficiency.
      std::vector<NamedFigure> expected = groupConversion(farm, groupIds);
      std::swap(expected[4], expected[5]);
      std::swap(expected[6], expected[7]);
      if (std::string d = compareConversion(printed, expected, "printed "); !d.empty()) return d;
      // Under them the groups used, three to a line.
      const std::vector<std::string> texts = printer.texts();
      for (const std::string line : {"201-23    202-23    203-23", "204-23    205-23    206-23"})
        if (std::find(texts.begin(), texts.end(), line) == texts.end()) return "no printed line \"" + line + "\"";
      return std::string();
    };
    ops.push_back(op);
  }
  const auto openHerdConversion = [] {
    if (!g_herdConversion) {
      g_herdConversion = std::make_unique<HogFeed7>();
      g_herdConversion->Show();
    }
    g_herdConversion->RptYr->SetText("2023");
    g_herdConversion->BegBrdWt->SetText(std::to_string(kHerdWeightBegun));
    g_herdConversion->EndBrdWt->SetText(std::to_string(kHerdWeightEnded));
    g_herdConversion->FeedPigWt->SetText(std::to_string(kFeederPigWeight));
  };
  {
    Operation op;
    op.name = "herd feed conversion RUN for 2023";
    op.reads = {Whole(farm.sales), Whole(farm.lastBatches), Whole(farm.lastDoses), Whole(farm.sows), Whole(farm.boars)};
    op.before = openHerdConversion;
    op.run = [] { g_herdConversion->RunHp_Click(); };
    op.check = [&farm, open = openHerdConversion](std::string& result) {
      open();
      g_herdConversion->RunHp_Click();
      std::vector<std::string> shown;
      for (const platform::Label* l : g_herdConversion->Results) shown.push_back(l->Caption());
      result = shown[7];
      return compareConversion(shown, herdConversion(farm), "");
    };
    ops.push_back(op);
  }
  {
    Operation op;
    op.name = "herd feed conversion summary printed";
    op.ratio = false;
    op.boxes = {"PRINT   FEED   RECORD"};
    const auto ran = [open = openHerdConversion] {
      open();
      g_herdConversion->RunHp_Click();
    };
    op.before = [ran] {
      ran();
      CountPrints();
    };
    op.run = [] { g_herdConversion->PntHp_Click(); };
    op.check = [&farm, ran](std::string& result) {
      ran();
      RecordingPrinter& printer = RecordPrints();
      g_herdConversion->PntHp_Click();
      MadePrinted(printer);
      const std::vector<std::string> printed = PrintedFigures(printer);
      result = std::to_string(printed.size());
      return compareConversion(printed, herdConversion(farm), "printed ");
    };
    ops.push_back(op);
  }
}

void ReleaseFeedBatchWindows() {
  g_batches.reset();
  g_groupConversion.reset();
  g_herdConversion.reset();
}
