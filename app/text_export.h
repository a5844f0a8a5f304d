#pragma once
// The text export: the report as the results window holds it, list-box lines
// and grid cells in report order with a few headings between them, as one
// Shift-JIS text with CR LF line ends. Nothing is recomputed.

#include <string>
#include <vector>

#include "app/confirm.h"
#include "app/wall_choice.h"
#include "base/messages.h"
#include "results/results_window.h"
#include "run/session.h"

namespace kovrel {

inline constexpr const char* kTextExportFileName = "擁壁.txt";
// The question asked before writing and the note shown after it.
extern const std::vector<std::string> kTextExportQuestion;
inline constexpr const char* kTextExportDone = "テキスト出力終わりました。";
// First line of the failure message; the second names the file and the reason.
inline constexpr const char* kTextExportFailed = "テキスト出力できませんでした。";

// The file's bytes. Throws EncodingError naming the list box line or grid cell
// and its text when a character has no code in code page 932.
std::string textReport(const ResultsWindow& results, WallChoice choice);

// Writes textReport to path through a temporary file and a rename, so the file
// under that name is either the old one or the whole new one. Throws
// EncodingError or FileError.
void writeTextReport(const ResultsWindow& results, WallChoice choice, const std::string& path);

// The menu command: asks, writes kTextExportFileName into folder, and adds
// the completion note (or the failure) to the session's messages. Returns true
// when the file was written; No writes nothing and adds nothing.
bool runTextExportCommand(Session& session, const ConfirmFn& confirm,
                          const std::string& folder = ".");

}  // namespace kovrel
