#pragma once
// The metafile export: the result figures as placeable Windows metafiles
// under their fixed names, drawn from the charts as they stand.

#include <string>
#include <vector>

#include "app/confirm.h"
#include "app/wall_choice.h"
#include "results/results_window.h"
#include "run/session.h"

namespace kovrel {

inline constexpr const char* kMetafileExportQuestion = "計算結果図をメタファイル出力しますか。";
inline constexpr const char* kMetafileExportDone = "メタファイル出力終わりました。";
// First line of the failure message; the second names the file and the reason.
inline constexpr const char* kMetafileExportFailed = "メタファイル出力できませんでした。";

// Writes figureFilesFor(choice) into folder, in order, each through a
// temporary file and a rename; returns the paths written. At the first
// failure throws FileError or EncodingError naming the file and the chart;
// the files written before it stay, none is left half-written.
std::vector<std::string> writeMetafiles(const ResultsWindow& results, WallChoice choice,
                                        const std::string& folder);

// The menu command: asks, writes into folder, and adds the completion note
// (or the failure) to the session's messages. True when every file was
// written; No writes nothing and adds nothing.
bool runMetafileExportCommand(Session& session, const ConfirmFn& confirm,
                              const std::string& folder = ".");

}  // namespace kovrel
