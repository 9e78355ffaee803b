// Provisional forms: replaced by the full conversion rules.
#include "finance/TextForms.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zeb {

namespace {
std::string group(const std::string& intPart) {
  std::string out;
  int n = 0;
  for (auto it = intPart.rbegin(); it != intPart.rend(); ++it) {
    if (n && n % 3 == 0) out.insert(out.begin(), ',');
    out.insert(out.begin(), *it);
    ++n;
  }
  return out;
}
}  // namespace

std::string FloatToText(double value, FloatStyle style, int precision, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
  std::string s(buf);
  auto dot = s.find('.');
  std::string ip = dot == std::string::npos ? s : s.substr(0, dot);
  std::string fp = dot == std::string::npos ? "" : s.substr(dot);
  if (style == FloatStyle::Currency) {
    std::string body = "$" + group(ip) + fp;
    return value < 0 ? "(" + body + ")" : body;
  }
  if (style == FloatStyle::Number) return (value < 0 ? "-" : "") + group(ip) + fp;
  if (style == FloatStyle::Fixed) return (value < 0 ? "-" : "") + s;
  std::snprintf(buf, sizeof buf, "%.*G", precision, value);
  return buf;
}

std::string FloatToStrGeneral(double value) { return FloatToText(value, FloatStyle::General, 15, 0); }

std::string FormatMoneyPicture(long double value, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Lf", decimals, std::fabs(value));
  std::string s(buf);
  auto dot = s.find('.');
  std::string ip = dot == std::string::npos ? s : s.substr(0, dot);
  std::string fp = dot == std::string::npos ? "" : s.substr(dot);
  return (value < 0 ? "-" : "") + group(ip) + fp;
}

long double StrToExtended(const std::string& text) {
  char* end = nullptr;
  long double v = std::strtold(text.c_str(), &end);
  if (text.empty() || *end) throw EConvertError("'" + text + "' is not a valid floating point value");
  return v;
}

double StrToFloat(const std::string& text) { return static_cast<double>(StrToExtended(text)); }

std::int32_t StrToInt(const std::string& text) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end) throw EConvertError("'" + text + "' is not a valid integer value");
  return static_cast<std::int32_t>(v);
}

Currency TextToCurrency(const std::string& text) {
  return Currency{static_cast<std::int64_t>(std::llround(StrToExtended(text) * 10000))};
}

double ChangeCurrencyStringToFloat(const std::string& text) {
  std::string s = text.substr(1, 20);
  std::string t;
  for (char c : s)
    if (c != ',') t += c;
  return StrToFloat(t);
}

std::string ParseYear(const std::string& text) { return text.size() > 4 ? text.substr(4) : ""; }
std::string ParseMonth(const std::string& text) { return text.substr(0, 3); }

}  // namespace zeb
