// Feeds arbitrary condition sets to the whole program as the command line
// takes them: each input line is one --set NAME=VALUE. The command line must
// end with one of its exit statuses and whole, finite JSON; the same sets
// applied in-process must give a run whose every export is finite and whose
// conditions save back, never a crash, a hang or a non-finite number.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli.h"
#include "app/pdf_export.h"
#include "app/start_up.h"
#include "app/summary.h"
#include "app/svg_canvas.h"
#include "app/text_export.h"
#include "app/wall_choice.h"
#include "app/wmf_canvas.h"
#include "base/shift_jis.h"
#include "base/utf8.h"
#include "conditions/control_input.h"
#include "conditions/dat_file.h"
#include "engine/finite_guard.h"
#include "pdf/pdf_error.h"
#include "results/finite_charts.h"
#include "run/calculation.h"
#include "support/json_checker.h"

namespace {

using namespace kovrel;

void require(bool ok) {
  if (!ok) std::abort();
}

std::vector<std::string> inputLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= bytes.size() && lines.size() < 24) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    if (end > start) lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

void checkCommandLine(const std::vector<std::string>& lines) {
  std::vector<std::string> args;
  for (const std::string& line : lines) {
    args.push_back("--set");
    args.push_back(line);
  }
  args.push_back("--json");
  args.push_back("-");
  std::ostringstream out, err;
  const int status = runCli(args, out, err);
  require(status == kExitOk || status == kExitBlocked || status == kExitNotANumber ||
          status == kExitUsage);
  require(isValidUtf8(err.str()));
  if (status == kExitUsage) {
    require(out.str().empty());
    return;
  }
  const std::string json = out.str();
  testing::JsonChecker checker(json);
  require(checker.valid());
  require(checker.nulls() == 0);
}

void checkRunAndExports(const std::vector<std::string>& lines) {
  Session session;
  startUp(session);
  for (const std::string& line : lines) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0) continue;
    try {
      applyControlInput(session.conditions, line.substr(0, eq), line.substr(eq + 1));
    } catch (const ControlInputError&) {
    }
  }
  const RunStatus status = runCalculation(session);
  if (status == RunStatus::Finished) {
    require(session.stabilitySnapshot != nullptr);
    requireFiniteState(*session.stabilitySnapshot);  // throws, and so aborts, when not
    requireFiniteCharts(session.results);
  }
  summaryText(session);
  const WallChoice choice = wallChoiceOf(session.conditions);
  try {
    textReport(session.results, choice);
  } catch (const EncodingError&) {
  }
  for (const auto& [name, chart] : session.results.charts()) {
    const std::string svg = chartAsSvg(chart);
    require(svg.find("nan") == std::string::npos && svg.find("inf") == std::string::npos);
    try {
      chartAsWmf(chart);
    } catch (const EncodingError&) {
    }
  }
  try {
    PdfReportSource source = pdfReportSource(session);
    source.creationTime = std::tm{};
    renderPdfReport(source);
  } catch (const PdfError&) {
  } catch (const EncodingError&) {
  }
  std::string saved;
  try {
    saved = conditionsFileBytes(session.conditions);
  } catch (const DatFileError&) {
    return;
  }
  Session again;
  startUp(again);
  applyConditionsFile(again.conditions, saved);
  again.conditions.setRuleHook(nullptr);
  require(conditionsFileBytes(again.conditions) == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      inputLines(std::string_view(reinterpret_cast<const char*>(data), size));
  checkCommandLine(lines);
  checkRunAndExports(lines);
  return 0;
}
