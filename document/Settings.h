#pragma once
// The settings file ZEBcalc.Ini: a sections-and-keys text, read once at start-up and
// never written.
//
//   [GeneralValues]          section names and keys are compared without regard to
//   DefaultValueSet=0        case; blanks around names and values are dropped, and a
//   Loan=250000.00           value in matching quotes loses them
//   [LoanApplication]
//   FirstName=Ann            -> LoanApplicationFirstName "Ann"
//
// A missing file, section or key gives the key's default; so does an integer or real
// value that does not convert (text, an integer beyond 32 bits, a real beyond a
// double). When a section or key appears twice, the first one counts. Lines that are
// neither a "[section]" nor a "key=value" (comments, binary noise) are skipped. Only
// the whole lines of the first megabyte of a file are read: a settings file is a few lines.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeb {

inline constexpr std::size_t kMaxSettingsBytes = 1 << 20;
inline constexpr const char* kSettingsFileName = "ZEBcalc.Ini";

// The parsed text of a sections-and-keys file.
class TIniText {
public:
  static TIniText Parse(std::string_view text);

  // The value of `key` in `section` (both without regard to case); nothing when absent.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, const std::string& fallback) const;
  int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
  double ReadFloat(std::string_view section, std::string_view key, double fallback) const;

private:
  struct Entry {
    std::string key;  // lower case
    std::string value;
  };
  struct Section {
    std::string name;  // lower case
    std::vector<Entry> entries;
  };
  std::vector<Section> sections_;
};

// Every value the settings file holds, with its default.
struct TSettings {
  // Not read from the file: the Tabulon page computes payments, the capitalization
  // rate page solves for the rate.
  int tabulonMode = 0;
  int capRateSolveFor = 2;

  int defaultValueSet = 1;
  double loan = 100000;
  double interest = 8.75;
  int term = 360;
  double payment = 786.7;
  int month = 1;
  double federal = 22;
  double state = 2.5;
  double downpayment = 20000;
  int defaultCalc = 0;
  std::string loanApplicationFirstName;
  double hRatio = 28;
  double dRatio = 36;
  double netOperatingIncome[5] = {0, 0, 0, 0, 0};
  double capValue[5] = {0, 0, 0, 0, 0};
  double capRate[5] = {0, 0, 0, 0, 0};
  double dcfYear[30] = {};
  double dcfRate[5] = {4, 5, 6, 7, 8};
};

// The reset to zero values: DefaultValueSet, Loan, Interest, Term, Payment, Federal,
// State, Downpayment and DefaultCalc become 0.
void ZeroGeneralValues(TSettings& settings);

// The values of a settings text, each key with its default.
TSettings ReadSettings(const TIniText& ini);

// The settings file to read: ZEBcalc.Ini in the program folder (its name in any case),
// or else in the user's configuration folder; nothing when neither holds one.
std::optional<std::filesystem::path> FindSettingsFile(const std::filesystem::path& programFolder,
                                                      const std::filesystem::path& configFolder);

// Reads the settings from `file`: defaults for a missing, unreadable or irregular file
// (a folder, a pipe). Never throws.
TSettings ReadSettingsFile(const std::optional<std::filesystem::path>& file);

}  // namespace zeb
