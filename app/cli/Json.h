// A small indenting JSON writer and the JSON form of a beam model.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "model/DataFile.h"
#include "model/Model.h"

namespace kmr::cli {

class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}
    // A compact object keeps its members on one line.
    void BeginObject(bool compact = false) { Open('{', compact); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('[', false); }
    void EndArray() { Close(']'); }
    void Key(const std::string& key);
    void String(const std::string& utf8);
    void Integer(long long v);
    // The nearest double, shortest form; null when not finite.
    void Number(double v);

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
    bool afterKey_ = false;
};

// JSON text of a string: quotes and escapes.
std::string JsonQuoted(const std::string& utf8);

// {"kind", "ModelHeader", "Members" 0..10, "Supports" 0..11}
void WriteModelJson(JsonWriter& json, FileKind kind, const BeamModel& model);

}  // namespace kmr::cli
