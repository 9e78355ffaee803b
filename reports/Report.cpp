#include "reports/Report.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>
#include <stdexcept>

#include "reports/TextMetrics.h"

namespace zeb {
namespace {

bool sameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// ---- template lines --------------------------------------------------------------------------

struct Line {
  std::vector<std::string> words;  // before the quoted text
  std::string quoted;
  bool hasQuoted = false;
};

Line splitLine(const std::string& text) {
  Line line;
  std::string head = text;
  const std::size_t quote = text.find('"');
  if (quote != std::string::npos) {
    head = text.substr(0, quote);
    line.hasQuoted = true;
    for (std::size_t i = quote + 1; i < text.size(); ++i) {
      if (text[i] == '\\' && i + 1 < text.size()) line.quoted += text[++i];
      else if (text[i] == '"') break;
      else line.quoted += text[i];
    }
  }
  std::istringstream words(head);
  for (std::string w; words >> w;) line.words.push_back(w);
  return line;
}

class Parser {
public:
  explicit Parser(const std::function<std::string(const std::string&)>& include) : include_(include) {}

  void parse(const std::string& text, const std::string& source) {
    std::istringstream in(text);
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
      ++number;
      if (!raw.empty() && raw.back() == '\r') raw.pop_back();
      const Line line = splitLine(raw);
      if (line.words.empty() || line.words[0][0] == '#') continue;
      try {
        apply(line);
      } catch (const std::exception& e) {
        throw std::runtime_error(source + " line " + std::to_string(number) + ": " + e.what());
      }
    }
  }
  std::unique_ptr<TReport> report = std::make_unique<TReport>();

private:
  static int number(const std::string& w) {
    std::size_t used = 0;
    const int v = std::stoi(w, &used);
    if (used != w.size()) throw std::runtime_error("not a whole number: " + w);
    return v;
  }
  static double points(const std::string& w) {
    std::size_t used = 0;
    const double v = std::stod(w, &used);
    if (used != w.size() || v <= 0) throw std::runtime_error("not a size in points: " + w);
    return v;
  }
  static TAlign align(const std::string& w) {
    if (w == "left") return TAlign::Left;
    if (w == "centre") return TAlign::Center;
    if (w == "right") return TAlign::Right;
    throw std::runtime_error("unknown alignment: " + w);
  }
  static bool bold(const std::string& w) {
    if (w == "bold") return true;
    if (w == "regular") return false;
    throw std::runtime_error("unknown font style: " + w);
  }
  static TBandKind bandKind(const std::string& w) {
    if (w == "title") return TBandKind::ReportTitle;
    if (w == "header") return TBandKind::PageHeader;
    if (w == "data") return TBandKind::MasterData;
    if (w == "footer") return TBandKind::PageFooter;
    throw std::runtime_error("unknown band kind: " + w);
  }
  static void expect(const Line& line, std::size_t words, bool quoted) {
    if (line.words.size() != words || line.hasQuoted != quoted)
      throw std::runtime_error("'" + line.words[0] + "' takes " + std::to_string(words - 1) + " values" +
                               (quoted ? " and a quoted text" : ""));
  }
  TBand& band() {
    if (report->bands.empty()) throw std::runtime_error("an object before the first band");
    return report->bands.back();
  }

  void apply(const Line& line) {
    const std::vector<std::string>& w = line.words;
    const std::string& what = w[0];
    if (what == "report") {
      expect(line, 2, false);
      report->name = w[1];
    } else if (what == "top") {
      expect(line, 2, false);
      report->titleTop = number(w[1]);
    } else if (what == "include") {
      expect(line, 2, false);
      if (++depth_ > 4) throw std::runtime_error("includes nested too deep");
      parse(include_(w[1]), w[1]);
      --depth_;
    } else if (what == "band") {
      expect(line, 4, false);
      report->bands.push_back({w[1], bandKind(w[2]), number(w[3]), {}});
    } else if (what == "text") {
      // text NAME TOP LEFT WIDTH HEIGHT PT STYLE ALIGN [wrap] "TEXT"
      if (w.size() == 10 && w[9] != "wrap") throw std::runtime_error("unknown option: " + w[9]);
      if (w.size() != 10) expect(line, 9, true);
      TReportObject o;
      o.name = w[1];
      o.top = number(w[2]);
      o.left = number(w[3]);
      o.width = number(w[4]);
      o.height = number(w[5]);
      o.fontPt = points(w[6]);
      o.bold = bold(w[7]);
      o.align = align(w[8]);
      o.wrap = w.size() == 10;
      o.text = line.quoted;
      band().objects.push_back(std::move(o));
    } else if (what == "cell") {
      // cell NAME LEFT WIDTH HEIGHT PT: a boxed data cell showing the variable NAME
      expect(line, 6, false);
      TReportObject o;
      o.name = w[1];
      o.left = number(w[2]);
      o.width = number(w[3]);
      o.height = number(w[4]);
      o.fontPt = points(w[5]);
      o.align = TAlign::Center;
      o.boxed = true;
      o.text = "[" + w[1] + "]";
      band().objects.push_back(std::move(o));
    } else if (what == "rule") {
      // rule NAME TOP LEFT LENGTH PT
      expect(line, 6, false);
      TReportObject o;
      o.kind = TReportObject::Kind::Rule;
      o.name = w[1];
      o.top = number(w[2]);
      o.left = number(w[3]);
      o.width = number(w[4]);
      o.penPt = points(w[5]);
      band().objects.push_back(std::move(o));
    } else {
      throw std::runtime_error("unknown line: " + what);
    }
  }

  const std::function<std::string(const std::string&)>& include_;
  int depth_ = 0;
};

}  // namespace

// ---- template ---------------------------------------------------------------------------------

TReportObject* TReport::LocateObject(std::string_view objectName) {
  for (TBand& band : bands)
    for (TReportObject& o : band.objects)
      if (o.kind == TReportObject::Kind::Text && sameName(o.name, objectName)) return &o;
  return nullptr;
}

const TBand* TReport::FindBand(TBandKind kind) const {
  for (const TBand& band : bands)
    if (band.kind == kind) return &band;
  return nullptr;
}

int TReport::ColumnCount() const {
  const TBand* data = FindBand(TBandKind::MasterData);
  if (!data) return 0;
  return static_cast<int>(std::count_if(data->objects.begin(), data->objects.end(),
                                        [](const TReportObject& o) { return o.boxed; }));
}

void SetObjectText(TReportObject* object, std::string text) {
  if (object) object->text = std::move(text);
}

namespace {

// Where each left-aligned one-line text may grow to: the first text to its right whose
// lines meet its own, else the right edge.
void findGrowRoom(TBand& band) {
  for (TReportObject& o : band.objects) {
    if (o.kind != TReportObject::Kind::Text || o.align != TAlign::Left || o.wrap || o.boxed) continue;
    const int right = o.left + o.width;
    int limit = kReportRightEdge;
    for (const TReportObject& n : band.objects) {
      if (&n == &o || n.kind != TReportObject::Kind::Text || n.left < right) continue;
      if (n.top < o.top + o.height && o.top < n.top + n.height) limit = std::min(limit, n.left - 1);
    }
    o.growRight = std::max(limit, right);
  }
}

}  // namespace

std::unique_ptr<TReport> ParseReportTemplate(const std::string& text,
                                             const std::function<std::string(const std::string&)>& include) {
  Parser parser(include);
  parser.parse(text, "template");
  if (parser.report->name.empty()) throw std::runtime_error("template: no 'report' line");
  for (TBand& band : parser.report->bands) findGrowRoom(band);
  return std::move(parser.report);
}

// ---- page description -------------------------------------------------------------------------

std::vector<const TPageItem*> TPageDescription::Find(std::size_t page, std::string_view object) const {
  std::vector<const TPageItem*> found;
  if (page >= pages.size()) return found;
  for (const TPageItem& item : pages[page].items)
    if (item.object == object) found.push_back(&item);
  return found;
}

std::string TPageDescription::PageText(std::size_t page) const {
  std::string all;
  if (page >= pages.size()) return all;
  for (const TPageItem& item : pages[page].items)
    if (item.kind == TPageItem::Kind::Text) all += item.text + "\n";
  return all;
}

// ---- layout -----------------------------------------------------------------------------------

TPageBuilder::TPageBuilder(TReport& report, TPageDescription& out) : report_(report), out_(out) {
  out_.pages.emplace_back();
  y_ = report_.titleTop;
}

int TPageBuilder::FooterTop() const {
  const TBand* footer = report_.FindBand(TBandKind::PageFooter);
  return TPageDescription::kPageHeight - kFooterBottomMargin - (footer ? footer->height : 0);
}

bool TPageBuilder::Fits(int height) const { return y_ + height <= FooterTop(); }

void TPageBuilder::NewPage() {
  EmitBand(TBandKind::PageFooter);
  out_.pages.emplace_back();
  y_ = report_.titleTop;
  EmitBand(TBandKind::PageHeader);
}

void TPageBuilder::EmitBand(TBandKind kind) {
  const TBand* band = report_.FindBand(kind);
  if (!band) return;
  if (kind == TBandKind::PageFooter) {
    placeBand(*band, FooterTop());
    return;
  }
  placeBand(*band, y_);
  y_ += band->height;
}

// "[Name]" stands for the report variable Name; the rest is printed as it stands.
std::string TPageBuilder::evaluate(const std::string& text) {
  const std::size_t open = text.find('[');
  if (open == std::string::npos || !report_.OnGetValue) return text;
  std::string result = text.substr(0, open);
  for (std::size_t at = open; at < text.size();) {
    const std::size_t close = text.find(']', at);
    if (text[at] != '[' || close == std::string::npos) {
      result += text.substr(at);
      break;
    }
    std::string value;
    bool assigned = false;
    report_.OnGetValue(text.substr(at + 1, close - at - 1), value, assigned);
    if (assigned) result += value;
    const std::size_t next = text.find('[', close + 1);
    result += text.substr(close + 1, (next == std::string::npos ? text.size() : next) - close - 1);
    at = next == std::string::npos ? text.size() : next;
  }
  return result;
}

void TPageBuilder::placeBand(const TBand& band, int top) {
  std::vector<TPageItem>& items = out_.pages.back().items;
  std::vector<std::string>* row = nullptr;
  if (band.kind == TBandKind::MasterData) row = &out_.rows.emplace_back();
  for (const TReportObject& o : band.objects) {
    TPageItem item;
    item.object = o.name;
    item.x = o.left;
    item.y = top + o.top;
    item.width = o.width;
    if (o.kind == TReportObject::Kind::Rule) {
      item.kind = TPageItem::Kind::Rule;
      item.penPt = o.penPt;
      items.push_back(std::move(item));
      continue;
    }
    item.height = o.height;
    item.fontPt = o.fontPt;
    item.bold = o.bold;
    item.align = o.align;
    item.boxed = o.boxed;
    std::string text = band.kind == TBandKind::MasterData ? evaluate(o.text) : o.text;
    if (row) row->push_back(text);
    double room = o.width - 2 * kTextInset;
    if (o.growRight > o.left + o.width) {
      const double needed = TextWidthPx(text, o.fontPt, o.bold) + 2 * kTextInset;
      if (needed > o.width) {
        item.width = std::min(o.growRight - o.left, static_cast<int>(std::ceil(needed)));
        room = item.width - 2 * kTextInset;
      }
    }
    if (!o.wrap) {
      item.text = FitText(text, room, o.fontPt, o.bold);
      items.push_back(std::move(item));
      continue;
    }
    // One item per line, as many lines as the object's height holds.
    const double lineHeight = LineHeightPx(o.fontPt);
    const std::vector<std::string> lines = WrapText(text, room, o.fontPt, o.bold);
    const std::size_t fit = std::max<std::size_t>(1, static_cast<std::size_t>(o.height / lineHeight));
    for (std::size_t i = 0; i < lines.size() && i < fit; ++i) {
      TPageItem part = item;
      part.y = top + o.top + static_cast<int>(i * lineHeight);
      part.height = static_cast<int>(lineHeight + 0.999);
      part.text = lines[i];
      if (i + 1 == fit && lines.size() > fit) {
        // The last line that fits shows, cut, that more text follows.
        std::string rest = lines[i];
        for (std::size_t j = i + 1; j < lines.size(); ++j) rest += " " + lines[j];
        part.text = FitText(rest, room, o.fontPt, o.bold);
      }
      items.push_back(std::move(part));
    }
  }
}

TPageDescription BuildReport(TReport& report) {
  TPageDescription out;
  out.report = report.name;
  if (const TReportObject* title = report.LocateObject("lblReportTitle")) out.title = title->text;
  if (report.Dataset) report.Dataset->RecNo = 0;
  TPageBuilder page(report, out);
  if (report.OnManualBuild) {
    report.OnManualBuild(page);
    return out;
  }
  page.EmitBand(TBandKind::ReportTitle);
  page.EmitBand(TBandKind::PageHeader);
  TUserDataset* dataset = report.Dataset;
  if (const TBand* data = report.FindBand(TBandKind::MasterData); data && dataset && dataset->OnCheckEOF) {
    while (!dataset->OnCheckEOF()) {
      if (!page.Fits(data->height)) page.NewPage();
      page.EmitBand(TBandKind::MasterData);
      ++dataset->RecNo;
    }
  }
  page.EmitBand(TBandKind::PageFooter);
  return out;
}

}  // namespace zeb
