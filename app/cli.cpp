#include "app/cli.h"

#include <filesystem>
#include <ostream>
#include <utility>

#include "app/conditions_file.h"
#include "app/json_export.h"
#include "app/metafile_export.h"
#include "app/pdf_export.h"
#include "app/reference_export.h"
#include "app/start_up.h"
#include "app/summary.h"
#include "app/svg_export.h"
#include "app/text_export.h"
#include "base/atomic_file.h"
#include "base/non_finite.h"
#include "base/shift_jis.h"
#include "base/utf8.h"
#include "conditions/control_input.h"
#include "run/calculation.h"
#include "run/session.h"

namespace kovrel {
namespace {

const char* kUsage =
    "usage: kovrel-cli [FILE.dat] [--set NAME=VALUE]... [--no-calc]\n"
    "                  [--json PATH|-] [--text PATH] [--pdf PATH] [--wmf DIR] [--svg DIR]\n"
    "                  [--save PATH.dat] [--reference PATH|-] [--summary] [--help] [--version]\n";

struct Options {
  std::string datFile;
  std::vector<std::pair<std::string, std::string>> sets;
  bool calculate = true;
  std::string jsonPath;
  std::string textPath, wmfDir, svgDir;
  std::string pdfPath;
  std::string savePath;
  std::string referencePath;
  bool summary = false;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

Options parse(const std::vector<std::string>& args, std::ostream& out, bool& done) {
  Options o;
  done = false;
  // No option at all (at most a file to load): run it and print the summary.
  if (args.empty() || (args.size() == 1 && (args[0].empty() || args[0][0] != '-')))
    o.summary = true;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    // Paths and values are text; bytes that are no UTF-8 would reach the
    // JSON and the messages as they are, so they are refused here.
    if (!isValidUtf8(a)) {
      throw UsageError("argument " + std::to_string(i + 1) + " is not UTF-8 text: \"" +
                       quotedForMessage(a) + "\"");
    }
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
      const std::string& v = args[++i];
      if (!isValidUtf8(v)) {
        throw UsageError(a + " takes UTF-8 text, not \"" + quotedForMessage(v) + "\"");
      }
      return v;
    };
    if (a == "--help") {
      out << kUsage;
      done = true;
      return o;
    } else if (a == "--version") {
      out << "kovrel-cli 3.1\n";
      done = true;
      return o;
    } else if (a == "--set") {
      const std::string& v = value();
      size_t eq = v.find('=');
      if (eq == std::string::npos || eq == 0)
        throw UsageError("--set needs NAME=VALUE, not \"" + quotedForMessage(v) + "\"");
      o.sets.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    } else if (a == "--no-calc") {
      o.calculate = false;
    } else if (a == "--json") {
      o.jsonPath = value();
    } else if (a == "--text") {
      o.textPath = value();
    } else if (a == "--wmf") {
      o.wmfDir = value();
    } else if (a == "--svg") {
      o.svgDir = value();
    } else if (a == "--pdf") {
      o.pdfPath = value();
    } else if (a == "--save") {
      o.savePath = value();
    } else if (a == "--reference") {
      o.referencePath = value();
    } else if (a == "--summary") {
      o.summary = true;
    } else if (!a.empty() && a[0] == '-' && a != "-") {
      throw UsageError("unknown option " + quotedForMessage(a));
    } else if (o.datFile.empty()) {
      o.datFile = a;
    } else {
      throw UsageError("more than one design-conditions file: " + quotedForMessage(a));
    }
  }
  return o;
}

void writeOutput(const std::string& path, const std::string& bytes, std::ostream& out) {
  if (path == "-") {
    out << bytes;
  } else {
    writeFileAtomically(path, bytes);
  }
}

// The folder a figure option names, made when it does not exist yet.
void makeFolder(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) throw FileError(dir + ": cannot create the folder (" + ec.message() + ")");
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  Session session;
  bool loaded = true;
  try {
    bool done = false;
    o = parse(args, out, done);
    if (done) return kExitOk;
    startUp(session);
    // A file that does not load leaves the start-up state; the run stops
    // short of the calculation but still writes what was asked for.
    if (!o.datFile.empty()) {
      loaded = loadConditions(session, o.datFile);
      if (!loaded) err << "kovrel-cli: " << session.messages.back().joined("\n") << "\n";
    }
    for (const auto& [name, value] : o.sets) {
      try {
        applyControlInput(session.conditions, name, value);
      } catch (const ControlInputError& e) {
        throw UsageError(e.what());
      }
    }
  } catch (const UsageError& e) {
    err << "kovrel-cli: " << e.what() << "\n" << kUsage;
    return kExitUsage;
  }

  int status = loaded ? kExitOk : kExitFile;
  if (o.calculate && loaded) {
    switch (runCalculation(session)) {
      case RunStatus::Finished:
        break;
      case RunStatus::Blocked:
        status = kExitBlocked;
        for (const Message& m : session.messages) {
          if (m.kind == MessageKind::Block) err << m.joined("\n") << "\n";
        }
        break;
      case RunStatus::ConversionFailed:
        status = kExitNotANumber;
        err << session.messages.back().joined("\n") << "\n";
        break;
      case RunStatus::NotFinite:
        // Like a blocked run: the message says why, the outputs show what
        // was there before the run.
        status = kExitBlocked;
        err << session.messages.back().joined("\n") << "\n";
        break;
    }
  }

  if (!o.savePath.empty() && !saveConditions(session, o.savePath)) {
    err << "kovrel-cli: " << session.messages.back().joined("\n") << "\n";
    status = kExitFile;
  }
  // Each output on its own: one that cannot be written is reported and the
  // others are still written.
  auto attempt = [&](auto&& write) {
    try {
      write();
    } catch (const EncodingError& e) {
      err << "kovrel-cli: " << e.what() << "\n";
      status = kExitFile;
    } catch (const FileError& e) {
      err << "kovrel-cli: " << e.what() << "\n";
      status = kExitFile;
    } catch (const NonFiniteValue& e) {
      // The run's own checks keep these out; should one slip through, the
      // output is not written rather than written with a hole.
      err << "kovrel-cli: " << e.what() << "\n";
      status = kExitBlocked;
    }
  };
  const WallChoice choice = wallChoiceOf(session.conditions);
  if (!o.referencePath.empty()) {
    attempt([&] { writeOutput(o.referencePath, referenceTablesAsJson(session.conditions), out); });
  }
  if (!o.jsonPath.empty()) attempt([&] { writeOutput(o.jsonPath, resultsAsJson(session), out); });
  if (!o.textPath.empty()) attempt([&] { writeTextReport(session.results, choice, o.textPath); });
  if (!o.wmfDir.empty()) {
    attempt([&] {
      makeFolder(o.wmfDir);
      writeMetafiles(session.results, choice, o.wmfDir);
    });
  }
  if (!o.svgDir.empty()) {
    attempt([&] {
      makeFolder(o.svgDir);
      writeSvgFigures(session.results, o.svgDir);
    });
  }
  if (!o.pdfPath.empty()) attempt([&] { exportPdf(session, o.pdfPath); });
  if (o.summary) attempt([&] { out << summaryText(session); });
  return status;
}

}  // namespace kovrel
