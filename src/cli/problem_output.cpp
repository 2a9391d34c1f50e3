#include "cli/problem_output.h"

#include "platform/win1252.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace pw {

namespace {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

// What the index counts: the bitmaps of a window drawn as an image, else its texts.
const char* IndexName(ProblemKind kind) {
    switch (kind) {
    case ProblemKind::BitmapMissing:
    case ProblemKind::BitmapUnreadable:
    case ProblemKind::BitmapTooLarge: return "bitmap";
    default: return "text";
    }
}

// A JSON string, escaped by Qt's JSON writer.
std::string JsonString(const std::string& utf8) {
    const QByteArray array =
        QJsonDocument(QJsonArray{QString::fromStdString(utf8)}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2).toStdString();
}

template <class T> std::string JsonNumber(bool known, T value) {
    return known ? std::to_string(value) : "null";
}

} // namespace

std::string ProblemLine(const std::string& file, const Problem& p) {
    std::string line = file;
    if (p.line != 0) line += ":" + std::to_string(p.line);
    line += std::string(": ") + SeverityName(p.severity) + ": window " + std::to_string(p.window);
    if (p.index != kNoIndex)
        line += std::string(", ") + IndexName(p.kind) + " " + std::to_string(p.index);
    return line + ": " + Win1252ToUtf8(p.message);
}

std::string ProblemsJson(std::span<const Problem> problems) {
    std::string json = "[";
    for (const Problem& p : problems) {
        if (json.size() > 1) json += ",";
        json += "\n  {\"severity\": \"" + std::string(SeverityName(p.severity)) +
                "\", \"kind\": \"" + KindName(p.kind) +
                "\", \"window\": " + std::to_string(p.window) +
                ", \"index\": " + JsonNumber(p.index != kNoIndex, p.index) +
                ", \"line\": " + JsonNumber(p.line != 0, p.line) +
                ", \"message\": " + JsonString(Win1252ToUtf8(p.message)) +
                ", \"pixels\": " + JsonNumber(p.pixels.has_value(), p.pixels.value_or(0)) + "}";
    }
    return json + (problems.empty() ? "]\n" : "\n]\n");
}

} // namespace pw
