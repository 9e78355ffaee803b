#include "document/ShellRegistration.h"

#include <vector>

namespace zeb {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

std::optional<std::string> ExecArgument(std::string_view path) {
  if (path.empty() || path.front() != '/') return std::nullopt;
  bool quote = false;
  for (const char c : path) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return std::nullopt;
    if (std::string_view(" \t\"'\\><~|&;$*?#()`=%").find(c) != std::string_view::npos) quote = true;
  }
  std::string arg;
  if (quote) arg += '"';
  for (const char c : path) {
    if (c == '%') {
      arg += "%%";
      continue;
    }
    // Inside quotes these take a backslash; the value's own escape rule then writes
    // every backslash as two.
    if (quote && (c == '"' || c == '`' || c == '$')) arg += "\\\\";
    if (c == '\\') arg += quote ? "\\\\\\\\" : "\\\\";
    else arg += c;
  }
  if (quote) arg += '"';
  return arg;
}

std::optional<std::string> DesktopEntryFor(std::string_view entry, std::string_view programPath) {
  const auto arg = ExecArgument(programPath);
  if (!arg) return std::nullopt;
  std::string out;
  for (std::string_view line : splitLines(entry)) {
    if (startsWith(line, "Exec=")) {
      out += "Exec=" + *arg + " %f\n";
    } else if (startsWith(line, "TryExec=")) {
      // A plain path: only the value's own escape rule applies.
      out += "TryExec=";
      for (const char c : programPath) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
      out += "\n";
    } else {
      out += line;
      out += '\n';
    }
  }
  return out;
}

std::string WithDefaultApplication(std::string_view mimeapps, std::string_view mimeType,
                                   std::string_view desktopId) {
  const std::string entry = std::string(mimeType) + "=" + std::string(desktopId) + ";";
  const std::string key = std::string(mimeType) + "=";
  std::string out;
  bool inDefaults = false;
  bool written = false;
  for (std::string_view line : splitLines(mimeapps)) {
    if (startsWith(line, "[")) {
      if (inDefaults && !written) {
        out += entry + "\n";
        written = true;
      }
      inDefaults = startsWith(line, "[Default Applications]");
    } else if (inDefaults && startsWith(line, key)) {
      if (!written) out += entry + "\n";
      written = true;
      continue;
    }
    out += line;
    out += '\n';
  }
  if (!written) {
    if (!inDefaults) {
      if (!out.empty()) out += "\n";
      out += "[Default Applications]\n";
    }
    out += entry + "\n";
  }
  return out;
}

}  // namespace zeb
