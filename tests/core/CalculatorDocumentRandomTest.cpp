// Reading damaged documents: mutations of real documents (a full set of values with a
// 120-row schedule, and an all-zero one) must each end in a whole document or in
// EDocumentError, never in another exception, a crash or a hang; a document that reads
// is written again, and that file reads back to the same bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "document/CalculatorDocument.h"

namespace zeb {
namespace {

constexpr int kInputs = 6000;

std::string sampleDocument() {
  TCalculatorDocument document;
  const auto& table = DocumentLines();
  for (std::size_t i = 0; i < table.size(); ++i) {
    switch (table[i].kind) {
      case DocumentValueKind::Real: document.values[i] = 786.7 + static_cast<double>(i); break;
      case DocumentValueKind::Integer: document.values[i] = static_cast<std::int32_t>(i % 3); break;
      case DocumentValueKind::Text: document.values[i] = i == 78 ? "Jan" : "Monthly"; break;
    }
  }
  for (int n = 1; n <= 120; ++n)
    document.schedule.push_back({std::to_string(n), "Mar 2001", "$57.53", "$729.17", "$57.53", "$729.17",
                                 n % 12 == 0 ? "$5,000.00" : "$0.00", "$99,942.47"});
  return WriteDocument(document);
}

// Cuts, inserts, replaces, duplicates, swaps, line-end changes and number texts beyond
// every type.
class Mutator {
public:
  explicit Mutator(unsigned seed) : random_(seed) {}

  std::string Mutate(std::string bytes) {
    const int steps = pick(1, 4);
    for (int s = 0; s < steps; ++s) bytes = step(std::move(bytes));
    return bytes;
  }

private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::size_t at(const std::string& bytes) {
    return bytes.empty() ? 0 : static_cast<std::size_t>(pick(0, static_cast<int>(bytes.size()) - 1));
  }
  // The start of a random line.
  std::size_t lineStart(const std::string& bytes) {
    const std::size_t p = at(bytes);
    const std::size_t end = bytes.rfind('\n', p);
    return end == std::string::npos ? 0 : end + 1;
  }

  std::string step(std::string bytes) {
    static const std::vector<std::string> texts = {
        "",        " ",       "NaN",         "-inf",     "1e999",    "-1e-999",   "2147483648", "-2147483649",
        "0x1F",    "1,000",   "360.0",       "€",        "\xFF\xFE", "Jan 2000",  "$1.00",      "99999999999999999999",
        "  7  ",   "-0",      "1E308",       "4.9E-324", "\t12\t",   "Daily",     "x",          std::string(1, '\0')};
    switch (pick(0, 9)) {
      case 0:  // flip a byte
        if (!bytes.empty()) bytes[at(bytes)] = static_cast<char>(pick(0, 255));
        break;
      case 1:  // cut the file
        bytes.resize(at(bytes));
        break;
      case 2: {  // delete a line
        const std::size_t start = lineStart(bytes);
        const std::size_t end = bytes.find('\n', start);
        bytes.erase(start, end == std::string::npos ? std::string::npos : end - start + 1);
        break;
      }
      case 3: {  // replace a line's text
        const std::size_t start = lineStart(bytes);
        const std::size_t end = bytes.find('\r', start);
        bytes.replace(start, end == std::string::npos ? std::string::npos : end - start,
                      texts[static_cast<std::size_t>(pick(0, static_cast<int>(texts.size()) - 1))]);
        break;
      }
      case 4: {  // duplicate a line
        const std::size_t start = lineStart(bytes);
        const std::size_t end = bytes.find('\n', start);
        bytes.insert(start, bytes.substr(start, end == std::string::npos ? std::string::npos : end - start + 1));
        break;
      }
      case 5:  // a line end of another kind, or one more
        bytes.insert(at(bytes), pick(0, 1) ? "\r" : "\n");
        break;
      case 6:  // remove blanks from a schedule line
        for (int k = 0; k < 5; ++k) {
          const std::size_t p = bytes.find(' ', at(bytes));
          if (p != std::string::npos) bytes.erase(p, 1);
        }
        break;
      case 7:  // random bytes
        for (int k = pick(1, 40); k > 0; --k) bytes.insert(at(bytes), 1, static_cast<char>(pick(0, 255)));
        break;
      case 8:  // a long line
        bytes.insert(lineStart(bytes), std::string(static_cast<std::size_t>(pick(100, 9000)), '7'));
        break;
      default:  // many empty lines
        bytes.append(static_cast<std::size_t>(pick(1, 3000)), '\n');
        break;
    }
    return bytes;
  }

  std::mt19937 random_;
};

TEST(CalculatorDocumentRandom, DamagedDocumentsReadWholeOrNotAtAll) {
  const std::vector<std::string> seeds = {sampleDocument(), WriteDocument(TCalculatorDocument())};
  Mutator mutator(20261211);
  int opened = 0;
  int refused = 0;
  for (int i = 0; i < kInputs; ++i) {
    const std::string bytes = mutator.Mutate(seeds[static_cast<std::size_t>(i % 2)]);
    try {
      const std::string written = WriteDocument(ReadDocument(bytes));
      ++opened;
      ASSERT_EQ(WriteDocument(ReadDocument(written)), written) << "input " << i;
    } catch (const EDocumentError&) {
      ++refused;
    }
  }
  EXPECT_EQ(opened + refused, kInputs);
  EXPECT_GT(opened, 0);
  EXPECT_GT(refused, 0);
  std::printf("[ random  ] %d damaged documents: %d opened, %d refused\n", kInputs, opened, refused);
}

}  // namespace
}  // namespace zeb
