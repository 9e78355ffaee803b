// Thousands of random keys, pastes and cuts per field kind (fixed seeds): no sequence
// may leave a field in a text that is not of its kind, or crash it.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "finance/Errors.h"
#include "widgets/model/MoneyField.h"
#include "widgets/model/PictureField.h"
#include "widgets/model/PointsField.h"
#include "widgets/model/WholeNumberField.h"

namespace zeb {
namespace {

constexpr int kSteps = 5000;

// Keys worth trying: every kind's accepted characters, some it must refuse, control
// characters, and the editing keys; now and then a paste of something odd.
class Monkey {
public:
  explicit Monkey(unsigned seed) : rng_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  FieldKey Key() {
    static const std::string chars = "0123456789012345678.,- .,-a$%*\t\n\x7f" "e+";
    const int r = Below(10);
    if (r == 0) return FieldKey::Backspace();
    if (r == 1) return FieldKey::Delete();
    return FieldKey::Char(chars[Below(static_cast<int>(chars.size()))]);
  }

  std::string Clip() {
    static const std::vector<std::string> clips = {
        "1234.5", "1,234.56", "1.234,56", "-12", "abc", std::string(1000, '9'), "\x01\x02",
        "$5.00", "", " 360 ", "1e5", "nan", "inf", "--1", "12,34", ".5", "99999999999999999999"};
    return clips[Below(static_cast<int>(clips.size()))];
  }

  // Moves the caret or selects a range now and then, as the mouse and arrows do.
  FieldEdit Wander(FieldEdit e) {
    const int len = static_cast<int>(e.text.size());
    if (Below(4) == 0) {
      e.caret = Below(len + 1);
      e.selStart = e.caret;
      e.selLength = 0;
    } else if (Below(12) == 0) {
      const int a = Below(len + 1), b = Below(len + 1);
      e.selStart = std::min(a, b);
      e.selLength = std::abs(a - b);
      e.caret = Below(2) ? std::max(a, b) : std::min(a, b);
    }
    return e;
  }

private:
  std::mt19937 rng_;
};

void ExpectCaretInside(const FieldEdit& e) {
  ASSERT_GE(e.caret, 0);
  ASSERT_LE(e.caret, static_cast<int>(e.text.size()));
  ASSERT_GE(e.selStart, 0);
  ASSERT_LE(e.SelEnd(), static_cast<int>(e.text.size()));
}

TEST(FieldRandomKeys, MoneyTextAlwaysInTheDisplayForm) {
  for (int decimals : {2, 5}) {
    MoneyRules rules;
    ASSERT_TRUE(decimals == 2 || SetMoneyDecimals(rules, decimals));
    Monkey m(1000 + decimals);
    FieldEdit e = MoneyEnter(MoneyText(0, rules), rules);
    for (int i = 0; i < kSteps; ++i) {
      e = m.Wander(e);
      const int what = m.Below(40);
      if (what == 0)
        e = MoneyPaste(e, m.Clip(), rules).edit;
      else if (what == 1)
        e = MoneyCut(e, rules).edit;
      else
        e = MoneyKey(e, m.Key(), rules).edit;
      ASSERT_TRUE(IsMoneyText(e.text, decimals)) << "step " << i << ": " << e.text;
      ASSERT_LE(static_cast<int>(e.text.size()), rules.maxLength) << e.text;
      ASSERT_EQ(MoneyText(MoneyValue(e.text, decimals), rules), e.text);
      ExpectCaretInside(e);
    }
  }
}

TEST(FieldRandomKeys, WholeNumberTextAlwaysANumber) {
  for (double minValue : {0.0, -100.0}) {
    WholeNumberRules rules;
    rules.decimals = minValue < 0 ? 2 : 0;
    rules.minValue = minValue;
    rules.maxValue = 100;
    Monkey m(2000 + static_cast<unsigned>(-minValue));
    FieldEdit e = FieldEdit::At(WholeNumberText(0, rules.decimals), 1);
    for (int i = 0; i < kSteps; ++i) {
      e = m.Wander(e);
      const int what = m.Below(40);
      if (what == 0)
        e = WholeNumberPaste(e, m.Clip(), rules).edit;
      else if (what == 1)
        e = WholeNumberCut(e, rules).edit;
      else
        e = WholeNumberKey(e, m.Key(), rules).edit;
      double v = 0;
      ASSERT_NO_THROW(v = WholeNumberValue(e.text)) << "step " << i << ": " << e.text;
      ASSERT_TRUE(std::isfinite(v));
      ASSERT_LT(std::fabs(v), 1e9);
      if (minValue == 0) ASSERT_EQ(e.text.find('-'), std::string::npos) << e.text;
      ExpectCaretInside(e);
    }
  }
}

TEST(FieldRandomKeys, PointsTextAlwaysReadsBack) {
  PointsRules rules;
  rules.type = PointsType::General;
  rules.decimals = 3;
  rules.positiveMask = "#,##0.###";
  rules.rounding = false;
  Monkey m(3000);
  FieldEdit e = FieldEdit::At(PointsEntryText(PointsText(0, rules), 0), 1);
  for (int i = 0; i < kSteps; ++i) {
    e = m.Wander(e);
    const int what = m.Below(40);
    if (what == 0)
      e = PointsPaste(e, m.Clip(), rules).edit;
    else if (what == 1)
      e = PointsCut(e).edit;
    else
      e = PointsKey(e, m.Key(), rules).edit;
    ASSERT_LE(static_cast<int>(e.text.size()), PointsMaxLength(e.text, rules.digits));
    ASSERT_EQ(e.text.find_first_not_of("0123456789.,-"), std::string::npos) << e.text;
    const PointsReading r = PointsRead(e.text, rules);
    if (r.outcome == PointsReading::Outcome::Stored) {
      ASSERT_TRUE(std::isfinite(r.stored));
      const std::string shown = PointsText(r.stored, rules);
      ASSERT_EQ(shown.find_first_not_of("0123456789.,-"), std::string::npos) << shown;
    }
    ExpectCaretInside(e);
  }
}

TEST(FieldRandomKeys, PictureTextAlwaysMaskLength) {
  const char* masks[] = {"iiiiii", "$#,###,###,###.##", "$##,###.##", "###.####%"};
  unsigned seed = 4000;
  for (const char* mask : masks) {
    PictureRules rules;
    rules.layout = ParsePictureMask(mask);
    if (rules.layout.decSlots > 0) {
      rules.low = -1.7e308;
      rules.high = 1.7e308;
    }
    Monkey m(seed++);
    FieldEdit e = PictureEnter(PictureText(0, rules.layout), rules);
    for (int i = 0; i < kSteps; ++i) {
      e = m.Wander(e);
      const int what = m.Below(40);
      if (what == 0)
        e = PicturePaste(e, m.Clip(), rules).edit;
      else if (what == 1)
        e = PictureCut(e, rules).edit;
      else
        e = PictureKey(e, m.Key(), rules).edit;
      ASSERT_EQ(e.text.size(), std::string(mask).size()) << mask << " step " << i << ": " << e.text;
      const PictureReading r = ReadPicture(e.text, rules.layout);
      ASSERT_EQ(r.status, PictureStatus::Number) << mask << ": '" << e.text << "'";
      const long double v = PictureNumberValue(r.number);
      ASSERT_GE(v, rules.low);
      ASSERT_LE(v, rules.high);
      // The text reads back as its own value (a "-0" being typed reads 0).
      ASSERT_EQ(PictureText(v, rules.layout), v == 0 ? PictureText(0, rules.layout) : e.text);
      ExpectCaretInside(e);
    }
  }
}

}  // namespace
}  // namespace zeb
