// A small indenting JSON writer and the JSON form of a beam model.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "model/DataFile.h"
#include "model/Model.h"

namespace kmr::cli {

// Indented: one member per line, two spaces per level. OneLine: the whole
// document on one line without spaces (",", ":"). Both end the document
// with a newline.
enum class JsonLayout { Indented, OneLine };

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out, JsonLayout layout = JsonLayout::Indented)
        : out_(out), oneLine_(layout == JsonLayout::OneLine) {}
    // A compact object keeps its members on one line.
    void BeginObject(bool compact = false) { Open('{', compact); }
    void EndObject() { Close('}'); }
    void BeginArray(bool compact = false) { Open('[', compact); }
    void EndArray() { Close(']'); }
    void Key(const std::string& key);
    void String(const std::string& utf8);
    void Integer(long long v);
    // The nearest double, shortest form; null when not finite.
    void Number(double v);
    void Bool(bool v);
    void Null();
    // A value already in JSON (one line), written as it is.
    void Raw(const std::string& json);

  private:
    struct Level {
        bool hasItems = false;
        bool compact = false;
    };
    void Open(char c, bool compact);
    void Close(char c);
    void BeforeValue();
    void NewLine();
    std::ostream& out_;
    std::vector<Level> open_;  // per open container
    bool oneLine_ = false;
    bool afterKey_ = false;
};

// The nearest double in its shortest form ("0.1", "6", "1e+21"); "null" when
// not finite.
std::string NumberText(double v);

// JSON text of a string: quotes and escapes (\", \\, \n, \r, \t, other
// control characters as \u00XX).
std::string JsonQuoted(const std::string& utf8);

// {"kind", "ModelHeader", "Members" 0..10, "Supports" 0..11, and "Design"
// when the file has design data}
void WriteModelJson(JsonWriter& json, FileKind kind, const BeamModel& model);
// "Design": the design data as one line, or {"error": ...} for a block that
// could not be read; nothing without design data.
void WriteDesignJson(JsonWriter& json, const DesignBlock& design);

}  // namespace kmr::cli
