#include "app/text_export.h"

#include "base/atomic_file.h"
#include "base/shift_jis.h"

namespace kovrel {

const std::vector<std::string> kTextExportQuestion = {"計算結果をテキスト出力しますか。", "",
                                                      "出力ファイル名は", "　擁壁.txt", "です。"};

namespace {

enum class BlockKind { Heading, List, Table };

struct Block {
  BlockKind kind;
  const char* text;  // the heading, or the list box / grid name
  int width = 0;     // table field width in Shift-JIS bytes
};

constexpr Block H(const char* text) {
  return {BlockKind::Heading, text};
}
constexpr Block L(const char* name) {
  return {BlockKind::List, name};
}
constexpr Block T(const char* name, int width) {
  return {BlockKind::Table, name, width};
}

// Report order up to the stem anchorage; the base slab follows by wall type.
constexpr Block kMainBlocks[] = {
    H("Dernholm Ver3.1"),
    H(""),
    L("ListBox20"),
    L("ListBox7"),
    L("ListBox10"),
    H("Ⅱ-1.荷重計算(安定計算用)"),
    H("安定計算用"),
    L("ListBox6"),
    T("StringGrid2", 6),
    H("Ⅱ-2.荷重計算(構造計算用)"),
    L("ListBox21"),
    T("StringGrid10", 6),
    T("StringGrid5", 6),
    H("Ⅱ-3.荷重計算(土圧等)"),
    H("1.土圧計算"),
    L("ListBox1"),
    H("2.その他の荷重"),
    L("ListBox2"),
    H("4.荷重一覧"),
    T("StringGrid6", 12),
    H("Ⅲ-1.安定計算"),
    L("ListBox3"),
    L("ListBox4"),
    L("ListBox5"),
    L("ListBox23"),
    H("Ⅳ-1-1.構造計算:たて壁(断面力)"),
    L("ListBox8"),
    L("ListBox19"),
    T("StringGrid1", 15),
    H("Ⅳ-1-2.構造計算:たて壁(鉄筋量、応力度)"),
    L("ListBox14"),
    T("StringGrid4", 15),
    H("Ⅳ-1-3.構造計算:たて壁(鉄筋定着位置)"),
    L("ListBox18"),
    L("ListBox22"),
};

constexpr Block kToeGroup[] = {H("つま先版"),        L("ListBox9"),         L("ListBox15"),
                               T("StringGrid8", 10), T("StringGrid13", 10), T("StringGrid3", 10)};
constexpr Block kHeelGroup[] = {H("かかと版"),        L("ListBox11"),        L("ListBox16"),
                                T("StringGrid9", 10), T("StringGrid14", 10), T("StringGrid11", 10)};
constexpr Block kKeyGroup[] = {H("突起"), L("ListBox13"), L("ListBox17"), T("StringGrid7", 10)};

class ReportText {
 public:
  explicit ReportText(const ResultsWindow& results) : results_(results) { out_.reserve(1 << 16); }

  void write(const Block& block) {
    switch (block.kind) {
      case BlockKind::Heading:
        line(block.text, "heading", block.text);
        break;
      case BlockKind::List: {
        const ListBox& box = results_.listBox(block.text);
        for (size_t i = 0; i < box.lines.size(); ++i) {
          appendEncoded(box.lines[i],
                        [&] { return std::string(block.text) + " line " + std::to_string(i + 1); });
          out_ += "\r\n";
        }
        out_ += "\r\n";
        break;
      }
      case BlockKind::Table: {
        const StringGrid& grid = results_.grid(block.text);
        for (int row = 0; row < grid.rowCount(); ++row) {
          for (int col = 0; col < grid.colCount(); ++col) {
            cell(grid.cell(col, row), block.width, [&] {
              return std::string(block.text) + " cell [" + std::to_string(col) + "," +
                     std::to_string(row) + "]";
            });
          }
          out_ += "\r\n";
        }
        out_ += "\r\n";
        break;
      }
    }
  }

  template <size_t N>
  void write(const Block (&blocks)[N]) {
    for (const Block& b : blocks) write(b);
  }

  std::string take() { return std::move(out_); }

 private:
  void line(std::string_view text, const char* what, const char* where) {
    appendEncoded(text, [&] { return std::string(what) + " " + where; });
    out_ += "\r\n";
  }

  // Right-aligned in `width` bytes of the encoded text (a full-width
  // character counts two, "¥" one as code page 932 has it), then ":".
  template <class Where>
  void cell(std::string_view text, int width, const Where& where) {
    size_t start = out_.size();
    appendEncoded(text, where);
    size_t bytes = out_.size() - start;
    if (bytes < size_t(width)) out_.insert(start, size_t(width) - bytes, ' ');
    out_ += ':';
  }

  // A line break inside one list item or cell would split a report line in
  // the file; it is written as a space so every line stays one line.
  template <class Where>
  void appendEncoded(std::string_view text, const Where& where) {
    std::string encoded;
    try {
      encoded = toShiftJis(text);
    } catch (const EncodingError& e) {
      throw EncodingError(where() + " \"" + std::string(text) + "\": " + e.what());
    }
    for (char& c : encoded) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    out_ += encoded;
  }

  const ResultsWindow& results_;
  std::string out_;
};

}  // namespace

std::string textReport(const ResultsWindow& results, WallChoice choice) {
  ReportText text(results);
  text.write(kMainBlocks);
  if (!choice.lWall) {
    text.write(H("Ⅳ-2-1.構造計算:底版(つま先版)"));
    text.write(kToeGroup);
    text.write(H("Ⅳ-2-2.構造計算:底版(かかと版)"));
    text.write(kHeelGroup);
    if (choice.shearKey) {
      text.write(H("Ⅳ-2-3.構造計算:底版(突起)"));
      text.write(kKeyGroup);
    }
  } else {
    text.write(H("Ⅳ-2-1.構造計算:底版(かかと版)"));
    text.write(kHeelGroup);
    if (choice.shearKey) {
      text.write(H("Ⅳ-2-2.構造計算:底版(突起)"));
      text.write(kKeyGroup);
    }
  }
  return text.take();
}

void writeTextReport(const ResultsWindow& results, WallChoice choice, const std::string& path) {
  // Encode everything before touching the disk: a text that cannot be encoded
  // leaves no file at all.
  writeFileAtomically(path, textReport(results, choice));
}

bool runTextExportCommand(Session& session, const ConfirmFn& confirm, const std::string& folder) {
  if (!confirm || !confirm(Message{MessageKind::Info, kTextExportQuestion})) return false;
  std::string path = folder.empty()
                         ? std::string(kTextExportFileName)
                         : folder + (folder.back() == '/' ? "" : "/") + kTextExportFileName;
  try {
    writeTextReport(session.results, wallChoiceOf(session.conditions), path);
  } catch (const std::exception& e) {
    session.messages.push_back({MessageKind::Error, {kTextExportFailed, e.what()}});
    return false;
  }
  session.messages.push_back({MessageKind::Info, {kTextExportDone}});
  return true;
}

}  // namespace kovrel
