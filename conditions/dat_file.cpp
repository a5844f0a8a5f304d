#include "conditions/dat_file.h"

#include "base/shift_jis.h"
#include "base/utf8.h"
#include "conditions/colour_names.h"

namespace kovrel {

DatFileError::DatFileError(int line, std::string what)
    : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + what : what),
      line_(line) {}

namespace {

DatEntry index(const char* c) {
  return {DatEntryKind::Index, c};
}
DatEntry text(const char* c) {
  return {DatEntryKind::Text, c};
}
DatEntry editState(const char* c) {
  return {DatEntryKind::EditState, c};
}
DatEntry checkState(const char* c) {
  return {DatEntryKind::CheckState, c};
}

std::vector<DatEntry> buildLayout() {
  std::vector<DatEntry> e;
  auto add = [&e](DatEntry (*make)(const char*), std::initializer_list<const char*> names) {
    for (const char* n : names) e.push_back(make(n));
  };
  add(index, {"RadioGroup1"});
  add(text, {"Edit15", "Edit14"});
  add(index, {"RadioGroup16"});
  add(text, {"Edit21", "LabeledEdit4", "LabeledEdit7", "LabeledEdit8", "LabeledEdit3",
             "LabeledEdit5", "Edit42", "Edit39", "LabeledEdit6", "Edit16", "Edit17", "Edit18"});
  add(index, {"RadioGroup3"});
  add(text, {"ComboBox18", "ComboBox7"});
  add(index, {"PageControl2"});
  // Both wall types' dimensions, whichever type is active.
  add(editState, {"Edit3", "Edit5", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11", "Edit12",
                  "Edit29", "Edit4"});
  add(editState,
      {"Edit6", "Edit22", "Edit44", "Edit45", "Edit46", "Edit47", "Edit48", "Edit32", "Edit49"});
  add(index, {"RadioGroup2"});
  add(editState, {"Edit35", "Edit40", "Edit41"});
  add(index, {"TabControl1"});
  add(editState, {"ComboBox1", "Edit28"});
  add(index, {"RadioGroup6", "RadioGroup7", "RadioGroup9"});
  add(checkState, {"CheckBox1"});
  add(editState, {"Edit1"});
  add(index, {"RadioGroup8", "RadioGroup4"});
  add(checkState, {"CheckBox4"});
  add(editState, {"Edit43", "Edit13"});
  add(index, {"RadioGroup5"});
  add(editState, {"ComboBox5", "ComboBox6", "Edit61"});
  for (int row = 1; row <= 5; ++row) {
    for (int col = 1; col <= 3; ++col) e.push_back({DatEntryKind::Cell, "StringGrid2", col, row});
  }
  add(text, {"Edit53"});
  add(checkState, {"CheckBox9", "CheckBox3", "CheckBox5", "CheckBox6"});
  add(editState, {"Edit54", "Edit62", "ComboBox8"});
  add(checkState, {"CheckBox2"});
  add(editState, {"ComboBox3", "ComboBox2", "ComboBox4", "ComboBox9"});
  add(editState, {"Edit50", "Edit23", "Edit24", "Edit25", "Edit26", "Edit27"});
  add(text, {"Edit19", "Edit20"});
  add(index, {"RadioGroup10"});
  add(index, {"RadioGroup12"});
  add(editState, {"ComboBox10", "ComboBox11"});
  add(index, {"RadioGroup13"});
  add(editState, {"ComboBox12", "ComboBox13"});
  add(index, {"RadioGroup14"});
  add(editState, {"ComboBox14", "ComboBox15"});
  add(index, {"RadioGroup15"});
  add(editState, {"ComboBox16", "ComboBox17"});
  return e;
}

std::string entryName(const DatEntry& e) {
  if (e.kind != DatEntryKind::Cell) return e.control;
  return std::string(e.control) + "[" + std::to_string(e.col) + "," + std::to_string(e.row) + "]";
}

// Writes one stored text; refuses what the line format cannot carry.
void putText(std::string& out, const std::string& value, const std::string& control) {
  if (value.find_first_of("\r\n") != std::string::npos) {
    throw DatFileError(0,
                       control + " holds a line break, which a design-condition file cannot store");
  }
  try {
    out += toShiftJis(value);
  } catch (const EncodingError& e) {
    throw DatFileError(0, control + " cannot be stored in Shift-JIS: " + e.what());
  }
  out += "\r\n";
}

void putLine(std::string& out, std::string_view ascii) {
  out += ascii;
  out += "\r\n";
}

// The file split into its lines, each decoded to UTF-8 when it is taken. A
// line ends at CR LF, or at a bare LF or a bare CR (files edited elsewhere),
// so no line break ever reaches a control: whatever loads saves back.
// Neither byte occurs inside a Shift-JIS character.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  std::string next(const std::string& what) {
    ++line_;
    if (pos_ >= bytes_.size()) {
      throw DatFileError(line_, what + " is missing: the file ends after line " +
                                    std::to_string(line_ - 1) + " of 218");
    }
    const size_t end = bytes_.find_first_of("\r\n", pos_);
    std::string_view raw = bytes_.substr(pos_, end == std::string_view::npos ? end : end - pos_);
    if (end == std::string_view::npos) {
      pos_ = bytes_.size();
    } else {
      const bool crLf = bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n';
      pos_ = end + (crLf ? 2 : 1);
    }
    try {
      return fromShiftJis(raw);
    } catch (const EncodingError&) {
      throw DatFileError(line_, what + " is not Shift-JIS text");
    }
  }
  int line() const { return line_; }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
  int line_ = 0;
};

int readIndex(LineReader& in, const Control& c) {
  std::string value = in.next(c.name + " (item index)");
  int index = 0;
  if (!parseWhole(value, index)) {
    throw DatFileError(in.line(),
                       c.name + ": \"" + quotedForMessage(value) + "\" is not an item index");
  }
  if (index < 0 || index >= int(c.items.size())) {
    throw DatFileError(in.line(), c.name + ": item index " + quotedForMessage(value) +
                                      " is outside 0 to " + std::to_string(c.items.size() - 1));
  }
  return index;
}

Colour readColour(LineReader& in, const std::string& control) {
  std::string value = in.next(control + " (colour)");
  std::optional<Colour> colour = parseColourName(value);
  if (!colour) {
    throw DatFileError(in.line(),
                       control + ": \"" + quotedForMessage(value) + "\" is not a colour name");
  }
  return *colour;
}

// The design strengths the allowable-stresses window offers, by item.
const char* const kStrengthItems[] = {"18", "21", "24", "27", "30"};

void handOverAllowableStresses(DesignConditions& dc) {
  const std::string& sigmaCk = dc.text("Edit50");
  for (int i = 0; i < 5; ++i) {
    if (sigmaCk == kStrengthItems[i]) dc.setIndex("Form9.RadioGroup1", i);
  }
  dc.setText("Form9.Edit1", dc.text("Edit23"));
  dc.setText("Form9.Edit2", dc.text("Edit24"));
  dc.setText("Form9.Edit3", dc.text("Edit25"));
  dc.setText("Form9.Edit5", dc.text("Edit27"));
  dc.setText("Form9.Edit4", dc.text("Edit26"));
}

// A rule run by a later line can overwrite a value stored earlier: choosing
// "平坦部" (line 103) on a slope unchecks the surcharge of lines 98 to 102.
// Once every line has applied with its rules, the stored values are set once
// more, without rules, so that the loaded state is exactly the saved one.
// The file has already been read through once, so nothing fails here.
void restoreStoredValues(DesignConditions& dc, std::string_view bytes);

}  // namespace

const std::vector<DatEntry>& datLayout() {
  static const std::vector<DatEntry> layout = buildLayout();
  return layout;
}

int datLineCount(DatEntryKind kind) {
  switch (kind) {
    case DatEntryKind::EditState:
      return 3;
    case DatEntryKind::CheckState:
      return 2;
    default:
      return 1;
  }
}

std::string conditionsFileBytes(const DesignConditions& dc) {
  std::string out;
  for (const DatEntry& e : datLayout()) {
    const std::string name = entryName(e);
    switch (e.kind) {
      case DatEntryKind::Index:
        putLine(out, std::to_string(dc.index(e.control)));
        break;
      case DatEntryKind::Text:
        putText(out, dc.text(e.control), name);
        break;
      case DatEntryKind::EditState: {
        const Control& c = dc.control(e.control);
        putText(out, c.text, name);
        putLine(out, colourName(c.colour));
        putLine(out, c.enabled ? "TRUE" : "FALSE");
        break;
      }
      case DatEntryKind::CheckState: {
        const Control& c = dc.control(e.control);
        putLine(out, c.checked ? "TRUE" : "FALSE");
        putLine(out, colourName(c.colour));
        break;
      }
      case DatEntryKind::Cell:
        putText(out, dc.cell(e.control, e.col, e.row), name);
        break;
    }
  }
  return out;
}

namespace {

void restoreStoredValues(DesignConditions& dc, std::string_view bytes) {
  LineReader in(bytes);
  for (const DatEntry& e : datLayout()) {
    const std::string name = entryName(e);
    Control& c = dc.control(e.control);
    switch (e.kind) {
      case DatEntryKind::Index:
        c.index = readIndex(in, c);
        break;
      case DatEntryKind::Text:
        c.text = in.next(name);
        break;
      case DatEntryKind::EditState:
        c.text = in.next(name);
        c.colour = readColour(in, name);
        c.enabled = in.next(name) == "TRUE";
        break;
      case DatEntryKind::CheckState:
        c.checked = in.next(name) == "TRUE";
        c.colour = readColour(in, name);
        break;
      case DatEntryKind::Cell:
        dc.setCell(e.control, e.col, e.row, in.next(name));
        break;
    }
  }
}

}  // namespace

void applyConditionsFile(DesignConditions& dc, std::string_view bytes) {
  LineReader in(bytes);
  for (const DatEntry& e : datLayout()) {
    const std::string name = entryName(e);
    switch (e.kind) {
      case DatEntryKind::Index: {
        const int value = readIndex(in, dc.control(e.control));
        dc.setIndex(e.control, value);
        // The allowable-stresses window follows the load case.
        if (name == "RadioGroup5") dc.setIndex("Form9.RadioGroup4", value);
        break;
      }
      case DatEntryKind::Text:
        dc.setText(e.control, in.next(name));
        break;
      case DatEntryKind::EditState: {
        std::string value = in.next(name + " (text)");
        dc.setText(e.control, std::move(value));
        dc.setColour(e.control, readColour(in, name));
        dc.setEnabled(e.control, in.next(name + " (enabled flag)") == "TRUE");
        if (name == "Edit27") handOverAllowableStresses(dc);
        break;
      }
      case DatEntryKind::CheckState: {
        dc.setChecked(e.control, in.next(name + " (checked flag)") == "TRUE");
        dc.setColour(e.control, readColour(in, name));
        break;
      }
      case DatEntryKind::Cell:
        dc.setCell(e.control, e.col, e.row, in.next(name));
        break;
    }
  }
  restoreStoredValues(dc, bytes);
}

}  // namespace kovrel
