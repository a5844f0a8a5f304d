// Seeded random sweeps through the whole program as a user of the command
// line reaches it: condition sets applied as --set does, the calculation, and
// every output. Plausible walls of every kind and hostile texts (huge, tiny,
// negative, denormal, no number, no UTF-8) must each end in a result or a
// clear message, in bounded time, with no non-finite number in any output,
// outputs that a strict reader accepts, and conditions that save back.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/json_export.h"
#include "app/pdf_export.h"
#include "app/reference_export.h"
#include "app/start_up.h"
#include "app/summary.h"
#include "app/svg_canvas.h"
#include "app/text_export.h"
#include "app/wall_choice.h"
#include "app/wmf_canvas.h"
#include "base/shift_jis.h"
#include "conditions/condition_ranges.h"
#include "conditions/control_input.h"
#include "conditions/dat_file.h"
#include "engine/finite_guard.h"
#include "pdf/pdf_error.h"
#include "results/finite_charts.h"
#include "run/calculation.h"
#include "support/json_checker.h"

namespace kovrel {
namespace {

using Sets = std::vector<std::pair<std::string, std::string>>;

std::string numberText(double v) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
  return std::string(buf, res.ptr);
}

class CaseMaker {
 public:
  explicit CaseMaker(unsigned seed) : rng_(seed) {}

  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
  int pick(int n) { return std::uniform_int_distribution<>(0, n - 1)(rng_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
  // Mostly ordinary values, now and then the ends of the range.
  double value(double lo, double hi, double typicalLo, double typicalHi) {
    const int k = pick(10);
    if (k == 0) return lo;
    if (k == 1) return hi;
    return uniform(typicalLo, typicalHi);
  }

  // A wall whose dimensions add up, with every switch chosen at random, the
  // values within their plausible ranges.
  Sets plausibleWall() {
    Sets s;
    auto set = [&s](const char* name, std::string value) {
      s.emplace_back(name, std::move(value));
    };
    auto num = [&](const char* name, double v) { set(name, numberText(v)); };
    const bool lWall = chance(0.3);
    const double scale = chance(0.1) ? 8.0 : 1.0;  // now and then a very large wall
    set("PageControl2", lWall ? "1" : "0");
    const double toe = lWall ? 0 : value(0, 6000, 300, 2000) * scale;
    const double front = value(0, 1000, 0, 400) * scale;
    const double top = value(0, 2000, 200, 600) * scale;
    const double rear = value(0, 2000, 0, 600) * scale;
    const double heel = value(200, 9000, 500, 5000) * scale;
    const double slab = value(0, 3000, 300, 1000) * scale;
    const double haunch = value(0, 800, 0, 300) * scale;
    const double stem = value(0, 12000, 1000, 8000) * scale;
    if (lWall) {
      num("Edit6", front), num("Edit22", top), num("Edit32", rear), num("Edit47", heel);
      num("Edit48", front + top + rear + heel);
      num("Edit46", slab), num("Edit45", haunch), num("Edit44", stem), num("Edit49", 100);
    } else {
      num("Edit8", toe), num("Edit10", front), num("Edit11", top), num("Edit29", rear);
      num("Edit9", heel), num("Edit7", toe + front + top + rear + heel);
      num("Edit3", slab), num("Edit5", haunch), num("Edit12", stem), num("Edit4", 100);
    }
    const double heightM = (slab + haunch + stem) / 1000;

    num("Edit15", value(1, 100, 16, 22));
    num("Edit14", value(0, 60, 20, 45));
    num("Edit21", value(0, 1000, 0, 30));
    set("RadioGroup1", std::to_string(pick(3)));
    set("RadioGroup16", std::to_string(pick(2)));
    num("LabeledEdit4", value(1, 100, 16, 20));
    set("LabeledEdit7", std::to_string(int(value(0, 60, 20, 40))));
    num("LabeledEdit8", value(0, 1000, 0, 30));
    const double df = value(0, 100, 0.5, 3);
    num("LabeledEdit3", df);
    num("LabeledEdit5", value(1, 100, 17, 21));
    set("Edit42", std::to_string(int(value(0, 60, 25, 45))));
    num("Edit39", value(0, 1000, 0, 30));
    num("LabeledEdit6", value(0, df, 0, df));
    num("Edit16", value(0, 10000, 100, 600));
    num("Edit17", value(0, 2, 0.4, 0.7));
    num("Edit18", value(0, 1000, 0, 20));
    set("RadioGroup3", std::to_string(pick(2)));
    num("ComboBox7", value(1, 100, 23, 25));

    const int shape = pick(3);
    set("TabControl1", std::to_string(shape));
    if (shape >= 1) num("ComboBox1", value(0.1, 100, 1.0, 3.0));
    if (shape == 2) num("Edit28", value(0, 100000, 500, 5000));
    set("RadioGroup6", std::to_string(pick(2)));
    set("RadioGroup7", std::to_string(pick(2)));
    set("RadioGroup8", std::to_string(pick(2)));
    set("RadioGroup4", std::to_string(pick(2)));
    set("CheckBox1", chance(0.7) ? "1" : "0");
    if (chance(0.7)) num("Edit1", value(0, 1000, 5, 20));
    if (chance(0.2)) {
      set("CheckBox4", "1");
      num("Edit43", value(0, 1000, 0, 10));
      num("Edit13", value(0, 1000, 0, 10));
    }

    if (chance(0.4)) {
      set("RadioGroup5", "1");
      set("Form9.RadioGroup4", "1");
      set("RadioGroup9", std::to_string(pick(3)));
      num("Edit61", value(0, 1, 0.1, 0.3));
    }
    if (chance(0.3)) {
      set("CheckBox9", "1");
      num("Edit54", uniform(0, std::min(df, heightM)));
    }
    if (chance(0.3)) {
      set("CheckBox3", "1");
      num("Edit62", uniform(0, heightM));
      if (chance(0.5)) set("CheckBox2", "1");
    }
    if (chance(0.2)) {
      set("CheckBox5", "1");
      num("ComboBox3", value(0, 100, 1, 5));
      num("ComboBox2", value(0, 100, 1, 3));
    }
    if (chance(0.2)) {
      set("CheckBox6", "1");
      num("ComboBox9", value(0, 100, 0.6, 1));
      num("ComboBox4", value(0, 10000, 30, 60));
      num("ComboBox18", value(0, 1000, 1, 10));
    }
    if (chance(0.3)) {
      set("RadioGroup2", "1");
      const double base = lWall ? front + top + rear + heel : toe + front + top + rear + heel;
      num("Edit35", uniform(0, base * 0.8));
      num("Edit40", value(10, 5000, 300, 800));
      num("Edit41", value(10, 5000, 300, 800));
    }
    if (chance(0.2)) {
      set("RadioGroup11", "1");
      num("LabeledEdit1", value(0, 10, 1.2, 2));
      num("LabeledEdit2", value(0, 10, 1.0, 1.5));
    }
    set("CheckBox7", chance(0.2) ? "1" : "0");
    num("Edit26", value(10, 1000, 160, 200));
    num("Edit27", value(1, 100, 1.4, 2));
    num("Edit23", value(0, 100, 6, 12));
    num("Edit25", value(0, 100, 0.2, 0.4));
    num("Edit19", value(0, 1000, 80, 150));
    num("Edit20", value(0, 1000, 80, 150));
    for (const char* group : {"RadioGroup12", "RadioGroup13", "RadioGroup14", "RadioGroup15"}) {
      if (chance(0.2)) set(group, std::to_string(pick(4)));
    }
    return s;
  }

  // A text no field should take quietly.
  std::string hostileText() {
    static const char* const texts[] = {
        "-1e300", "1e300", "1e308", "-1e308", "4.9e-324", "-4.9e-324", "1e-300",   "-0",
        "-1",     "1e10",  "-1e10", "1e7",    "-1e7",     "1e14",      "-1e14",    "nan",
        "inf",    "-inf",  "1e999", "",       " ",        "abc",       "1,5",      "１２",
        "0x1p3",  "1e+",   "+",     "\r\n5",  "5\r",      "\xff\xfe",  "\x81\x7f", "\t7\t"};
    const int k = pick(int(std::size(texts)) + 2);
    if (k == int(std::size(texts))) return std::string(400, '9');
    if (k == int(std::size(texts)) + 1) return numberText(uniform(-1e6, 1e6));
    return texts[k];
  }

  std::string hostileTarget() {
    const auto& ranges = conditionRanges();
    static const char* const others[] = {"Edit53",      "ComboBox5",        "ComboBox6",
                                         "Form9.Edit3", "StringGrid2[1,1]", "StringGrid2[2,3]",
                                         "RadioGroup5", "CheckBox3",        "TabControl1",
                                         "Edit999",     "StringGrid2[9,9]"};
    if (chance(0.85)) return ranges[size_t(pick(int(ranges.size())))].control;
    return others[pick(int(std::size(others)))];
  }

 private:
  std::mt19937 rng_;
};

// The results as the outputs see them, without the messages.
std::string publishedResults(const Session& session) {
  const std::string json = resultsAsJson(session);
  const size_t from = json.find("\"stability\":");
  const size_t to = json.find(",\"conditions\":");
  return json.substr(from, to - from);
}

struct Tally {
  int finished = 0, blocked = 0, notANumber = 0, notFinite = 0, refusedSets = 0;
};

// Every output of the session as it stands must be whole and finite. The
// slowest two (the PDF, and the reference tables that run the wedge 44 times
// on the window's own inputs) only for every few cases.
void checkOutputs(Session& session, const std::string& what, bool everyOutput) {
  const std::string json = resultsAsJson(session);
  testing::JsonChecker checker(json);
  ASSERT_TRUE(checker.valid()) << what;
  EXPECT_EQ(checker.nulls(), 0) << what;
  if (everyOutput) {
    const std::string reference = referenceTablesAsJson(session.conditions);
    EXPECT_TRUE(testing::JsonChecker(reference).valid()) << what;
  }
  EXPECT_NO_THROW(summaryText(session)) << what;

  const WallChoice choice = wallChoiceOf(session.conditions);
  try {
    EXPECT_FALSE(textReport(session.results, choice).empty()) << what;
  } catch (const EncodingError&) {
    // A condition text outside Shift-JIS: the export refuses it by name.
  }
  for (const auto& [name, chart] : session.results.charts()) {
    const std::string svg = chartAsSvg(chart);
    EXPECT_EQ(svg.find("nan"), std::string::npos) << what << " " << name;
    EXPECT_EQ(svg.find("inf"), std::string::npos) << what << " " << name;
    try {
      EXPECT_FALSE(chartAsWmf(chart).empty()) << what << " " << name;
    } catch (const EncodingError&) {
    }
  }
  if (everyOutput) {
    try {
      PdfReportSource source = pdfReportSource(session);
      source.creationTime = std::tm{};
      const std::string pdf = renderPdfReport(source);
      EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u) << what;
    } catch (const PdfError&) {
    } catch (const EncodingError&) {
    }
  }

  // Whatever the conditions hold either saves and loads back to the same
  // file, or is refused by name (a line break, a character outside
  // Shift-JIS).
  std::string saved;
  try {
    saved = conditionsFileBytes(session.conditions);
  } catch (const DatFileError&) {
    return;
  }
  Session again;
  startUp(again);
  ASSERT_NO_THROW(applyConditionsFile(again.conditions, saved)) << what;
  again.conditions.setRuleHook(nullptr);
  EXPECT_EQ(conditionsFileBytes(again.conditions), saved) << what;
}

// The results a case starts from: those of start-up, or of a finished run of
// the start-up conditions (the same for every case, so taken once).
std::string startUpResults(bool afterARun) {
  Session s;
  startUp(s);
  if (afterARun) runCalculation(s);
  return publishedResults(s);
}

const std::string& startingResults(bool afterARun) {
  static const std::string startUpOnly = startUpResults(false);
  static const std::string afterRun = startUpResults(true);
  return afterARun ? afterRun : startUpOnly;
}

void runCase(const Sets& sets, const std::string& what, bool everyOutput, Tally& tally) {
  auto session = std::make_unique<Session>();
  startUp(*session);
  // Every few cases a finished run first, so a failed one has a run to leave
  // intact; the others leave the start-up results intact.
  if (everyOutput) {
    ASSERT_EQ(runCalculation(*session), RunStatus::Finished);
  }
  const std::string& before = startingResults(everyOutput);
  for (const auto& [name, value] : sets) {
    try {
      applyControlInput(session->conditions, name, value);
    } catch (const ControlInputError&) {
      ++tally.refusedSets;
    }
  }

  const auto start = std::chrono::steady_clock::now();
  const RunStatus status = runCalculation(*session);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // Optimised a run takes milliseconds; the bound catches a search that has
  // lost its way and leaves room for sanitizer builds on a busy machine.
  EXPECT_LT(seconds, 10.0) << what;

  switch (status) {
    case RunStatus::Finished:
      ++tally.finished;
      ASSERT_TRUE(session->stabilitySnapshot) << what;
      EXPECT_NO_THROW(requireFiniteState(*session->stabilitySnapshot)) << what;
      EXPECT_NO_THROW(requireFiniteCharts(session->results)) << what;
      break;
    case RunStatus::Blocked:
    case RunStatus::NotFinite:
      ++(status == RunStatus::Blocked ? tally.blocked : tally.notFinite);
      EXPECT_TRUE(std::any_of(session->messages.begin(), session->messages.end(),
                              [](const Message& m) { return m.kind == MessageKind::Block; }))
          << what;
      EXPECT_EQ(publishedResults(*session), before) << what;
      break;
    case RunStatus::ConversionFailed:
      ++tally.notANumber;
      EXPECT_NE(session->messages.back().lines[0].find("は数値ではありません。"), std::string::npos)
          << what;
      break;
  }
  checkOutputs(*session, what, everyOutput);
}

std::string describe(const Sets& sets) {
  std::string out;
  for (const auto& [name, value] : sets) out += " --set '" + name + "=" + value + "'";
  return out;
}

TEST(HostileConditions, PlausibleWallsRunToFiniteResults) {
  CaseMaker make(20240611);
  Tally tally;
  for (int i = 0; i < 150; ++i) {
    const Sets sets = make.plausibleWall();
    runCase(sets, "case " + std::to_string(i) + ":" + describe(sets), i % 4 == 0, tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
  RecordProperty("finished", tally.finished);
  RecordProperty("blocked", tally.blocked);
  // Plausible walls within their ranges never lose a number on the way.
  EXPECT_EQ(tally.notFinite, 0);
  EXPECT_EQ(tally.notANumber, 0);
  // Most of them get through the checks, so the sweep reaches the whole run.
  EXPECT_GT(tally.finished, 75) << "finished " << tally.finished << ", blocked " << tally.blocked;
}

TEST(HostileConditions, HostileTextsEndInAResultOrAMessage) {
  CaseMaker make(7919);
  Tally tally;
  for (int i = 0; i < 150; ++i) {
    Sets sets = make.plausibleWall();
    const int count = 1 + make.pick(3);
    for (int k = 0; k < count; ++k) sets.emplace_back(make.hostileTarget(), make.hostileText());
    runCase(sets, "case " + std::to_string(i) + ":" + describe(sets), i % 4 == 0, tally);
    if (::testing::Test::HasFatalFailure()) return;
  }
  RecordProperty("finished", tally.finished);
  RecordProperty("blocked", tally.blocked);
  RecordProperty("notANumber", tally.notANumber);
  RecordProperty("notFinite", tally.notFinite);
  EXPECT_GT(tally.blocked, 0);
  EXPECT_GT(tally.notANumber, 0);
  EXPECT_GT(tally.refusedSets, 0);
}

}  // namespace
}  // namespace kovrel
