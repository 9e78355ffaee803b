#include "document/Settings.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "finance/Errors.h"
#include "finance/TextForms.h"

namespace zeb {
namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); });
  return out;
}

std::string_view trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

TIniText TIniText::Parse(std::string_view text) {
  TIniText ini;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a byte-order mark
  Section* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      const std::string name = lower(trimmed(line.substr(1, close - 1)));
      auto found = std::find_if(ini.sections_.begin(), ini.sections_.end(),
                                [&name](const Section& s) { return s.name == name; });
      if (found != ini.sections_.end()) {
        current = nullptr;  // a repeated section: its first appearance counts
        continue;
      }
      ini.sections_.push_back({name, {}});
      current = &ini.sections_.back();
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos) continue;
    std::string key = lower(trimmed(line.substr(0, equals)));
    if (key.empty()) continue;
    const bool known = std::any_of(current->entries.begin(), current->entries.end(),
                                   [&key](const Entry& e) { return e.key == key; });
    if (!known) current->entries.push_back({std::move(key), std::string(unquoted(trimmed(line.substr(equals + 1))))});
  }
  return ini;
}

std::optional<std::string> TIniText::Value(std::string_view section, std::string_view key) const {
  const std::string s = lower(section);
  const std::string k = lower(key);
  for (const Section& sec : sections_) {
    if (sec.name != s) continue;
    for (const Entry& e : sec.entries)
      if (e.key == k) return e.value;
    return std::nullopt;
  }
  return std::nullopt;
}

std::string TIniText::ReadString(std::string_view section, std::string_view key, const std::string& fallback) const {
  return Value(section, key).value_or(fallback);
}

namespace {
// A number key: its value converted by `parse`, or `fallback` when absent or malformed.
template <class T, class Parse>
T readNumber(const std::optional<std::string>& value, T fallback, Parse parse) {
  if (!value) return fallback;
  try {
    return parse(*value);
  } catch (const EConvertError&) {
    return fallback;
  }
}
}  // namespace

int TIniText::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
  return readNumber(Value(section, key), fallback, [](const std::string& v) { return StrToInt(v); });
}

double TIniText::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
  return readNumber(Value(section, key), fallback, [](const std::string& v) { return StrToFloat(v); });
}

void ZeroGeneralValues(TSettings& s) {
  s.defaultValueSet = 0;
  s.loan = s.interest = s.payment = s.federal = s.state = s.downpayment = 0;
  s.term = 0;
  s.defaultCalc = 0;
}

TSettings ReadSettings(const TIniText& ini) {
  TSettings s;
  const std::string general = "GeneralValues";
  s.defaultValueSet = ini.ReadInteger(general, "DefaultValueSet", s.defaultValueSet);
  s.loan = ini.ReadFloat(general, "Loan", s.loan);
  s.interest = ini.ReadFloat(general, "Interest", s.interest);
  s.term = ini.ReadInteger(general, "Term", s.term);
  s.payment = ini.ReadFloat(general, "Payment", s.payment);
  s.month = ini.ReadInteger(general, "Month", s.month);
  s.federal = ini.ReadFloat(general, "Federal", s.federal);
  s.state = ini.ReadFloat(general, "State", s.state);
  s.downpayment = ini.ReadFloat(general, "Downpayment", s.downpayment);
  s.defaultCalc = ini.ReadInteger(general, "DefaultCalc", s.defaultCalc);
  s.loanApplicationFirstName = ini.ReadString("LoanApplication", "FirstName", "");
  s.hRatio = ini.ReadFloat("Ratios", "HRatio", s.hRatio);
  s.dRatio = ini.ReadFloat("Ratios", "DRatio", s.dRatio);
  for (int i = 0; i < 5; ++i) {
    const std::string n = std::to_string(i + 1);
    // Text that is not a number is taken as 0: these keys have no effect.
    s.netOperatingIncome[i] = ini.ReadFloat("CR", "NetOperatingIncome" + n, 0);
    s.capValue[i] = ini.ReadFloat("CR", "Value" + n, 0);
    s.capRate[i] = ini.ReadFloat("CR", "CapRate" + n, 0);
  }
  for (int i = 0; i < 30; ++i) s.dcfYear[i] = ini.ReadFloat("DCF", "Year" + std::to_string(i + 1), 0);
  for (int i = 0; i < 5; ++i) s.dcfRate[i] = ini.ReadFloat("DCF", "Rate" + std::to_string(i + 1), s.dcfRate[i]);
  return s;
}

std::optional<std::filesystem::path> FindSettingsFile(const std::filesystem::path& programFolder,
                                                      const std::filesystem::path& configFolder) {
  namespace fs = std::filesystem;
  const std::string wanted = lower(kSettingsFileName);
  for (const fs::path& folder : {programFolder, configFolder}) {
    if (folder.empty()) continue;
    std::error_code ec;
    const fs::path exact = folder / kSettingsFileName;
    if (fs::exists(exact, ec)) return exact;
    // The name as another desktop would have written it ("zebcalc.ini").
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      if (lower(it->path().filename().string()) == wanted) return it->path();
  }
  return std::nullopt;
}

TSettings ReadSettingsFile(const std::optional<std::filesystem::path>& file) {
  std::error_code ec;
  if (!file || !std::filesystem::is_regular_file(*file, ec)) return TSettings{};
  std::ifstream in(*file, std::ios::binary);
  if (!in) return TSettings{};
  std::string text(kMaxSettingsBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
  // A file cut at the limit ends in a line cut short ("Term=2" of "Term=240"): drop it.
  if (text.size() == kMaxSettingsBytes && in.peek() != std::char_traits<char>::eof()) {
    const std::size_t lastBreak = text.find_last_of("\r\n");
    text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
  }
  return ReadSettings(TIniText::Parse(text));
}

}  // namespace zeb
