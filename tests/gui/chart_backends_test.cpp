// One chart, four pictures: what the renderer asks a canvas for, the SVG
// document, the metafile's records and what the Qt canvas hands its painter
// agree primitive by primitive for every figure of the default wall; and on
// the wall's outline figure no two text rectangles the Qt canvas fills meet.

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "app/chart_renderer.h"
#include "app/svg_canvas.h"
#include "app/wmf_canvas.h"
#include "base/shift_jis.h"
#include "chart_paint_recorder.h"
#include "gui/qt_chart_canvas.h"
#include "run/calculation.h"
#include "run/session.h"

namespace kovrel {
namespace {

// A line (its points) or a text (its anchor, text and alignment).
struct Primitive {
  bool isText = false;
  std::vector<CanvasPoint> points;
  std::string text;
  TextAlign align = TextAlign::Left;
};

class Recording : public ChartCanvas {
 public:
  void begin(int, int) override {}
  void polyline(std::span<const CanvasPoint> p, Colour, double) override {
    drawn.push_back({false, {p.begin(), p.end()}, {}, TextAlign::Left});
  }
  void text(CanvasPoint at, std::string_view t, const TextStyle& s) override {
    drawn.push_back({true, {at}, std::string(t), s.align});
  }
  void end() override {}
  std::vector<Primitive> drawn;
};

std::vector<Primitive> recorded(const Chart& chart) {
  Recording r;
  renderChart(chart, r);
  return r.drawn;
}

// A number as the pictures write it, whatever the C locale says (the
// window toolkit sets it from the environment).
double number(const std::string& text) {
  double v = NAN;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

std::string unescaped(std::string s) {
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}};
  for (const auto& [from, to] : entities) {
    for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += 1) {
      s.replace(at, std::strlen(from), to);
    }
  }
  return s;
}

// The SVG canvas writes one element per line.
std::vector<Primitive> fromSvg(const std::string& svg) {
  static const std::regex polyline("^<polyline .* points=\"([^\"]*)\"/>$");
  static const std::regex text("^<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\"([^>]*)>(.*)</text>$");
  std::vector<Primitive> out;
  std::istringstream lines(svg);
  std::smatch m;
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_match(line, m, polyline)) {
      Primitive p;
      std::istringstream pts(m[1].str());
      double x, y;
      char comma;
      while (pts >> x >> comma >> y) p.points.push_back({x, y});
      out.push_back(p);
    } else if (std::regex_match(line, m, text)) {
      Primitive p{true, {{number(m[1]), number(m[2])}}, unescaped(m[4]), TextAlign::Left};
      const std::string attributes = m[3];
      if (attributes.find("text-anchor=\"middle\"") != std::string::npos)
        p.align = TextAlign::Centre;
      if (attributes.find("text-anchor=\"end\"") != std::string::npos) p.align = TextAlign::Right;
      out.push_back(p);
    }
  }
  return out;
}

std::uint16_t u16(const std::string& b, size_t at) {
  return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

// Polylines and texts of a placeable metafile, the text alignment followed
// through its SetTextAlign records.
std::vector<Primitive> fromWmf(const std::string& b) {
  std::vector<Primitive> out;
  TextAlign align = TextAlign::Left;
  for (size_t at = 22 + 18; at + 6 <= b.size();) {
    const std::uint32_t words = u16(b, at) | (std::uint32_t(u16(b, at + 2)) << 16);
    const std::uint16_t function = u16(b, at + 4);
    const size_t params = at + 6;
    if (function == 0 || words < 3) break;
    if (function == 0x012E) {
      const int mode = u16(b, params) & 6;
      align = mode == 6 ? TextAlign::Centre : mode == 2 ? TextAlign::Right : TextAlign::Left;
    } else if (function == 0x0325) {
      Primitive p;
      const int n = u16(b, params);
      for (int k = 0; k < n; ++k) {
        p.points.push_back({double(std::int16_t(u16(b, params + 2 + 4 * size_t(k)))),
                            double(std::int16_t(u16(b, params + 4 + 4 * size_t(k))))});
      }
      out.push_back(p);
    } else if (function == 0x0521) {
      const size_t len = u16(b, params);
      const size_t after = params + 2 + len + len % 2;
      out.push_back(
          {true,
           {{double(std::int16_t(u16(b, after + 2))), double(std::int16_t(u16(b, after)))}},
           fromShiftJis(b.substr(params + 2, len)),
           align});
    }
    at += size_t(words) * 2;
  }
  return out;
}

// The Qt canvas on a recording device, at an awkward scale and offset: every
// primitive as the painter received it, taken back to design pixels. A text
// Qt splits into several items becomes one, from the first item's left end to
// the last one's right end; its anchor follows from the alignment.
class RecordingQtCanvas : public QtChartCanvas {
 public:
  RecordingQtCanvas(QPainter& painter, const QRectF& target, testing::RecordingPaintEngine& engine)
      : QtChartCanvas(painter, target), engine_(engine), outer_(painter.worldTransform()) {}

  void polyline(std::span<const CanvasPoint> points, Colour colour, double widthPx) override {
    const size_t before = engine_.lines.size();
    QtChartCanvas::polyline(points, colour, widthPx);
    Primitive p;
    for (size_t i = before; i < engine_.lines.size(); ++i) {
      for (const QPointF& q : engine_.lines[i].points) p.points.push_back(design(q));
    }
    drawn.push_back(p);
  }
  void text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) override {
    const size_t before = engine_.texts.size();
    QtChartCanvas::text(anchor, utf8, style);
    if (engine_.texts.size() == before) {
      drawn.push_back({true, {}, std::string(utf8), style.align});
      return;
    }
    QString text;
    for (size_t i = before; i < engine_.texts.size(); ++i) text += engine_.texts[i].text;
    const CanvasPoint left = design(engine_.texts[before].left);
    const CanvasPoint right = design(engine_.texts.back().right);
    const double x = style.align == TextAlign::Centre  ? (left.x + right.x) / 2
                     : style.align == TextAlign::Right ? right.x
                                                       : left.x;
    drawn.push_back({true, {{x, left.y}}, text.toStdString(), style.align});
    // The painted advance never runs past the renderer's estimate.
    const double estimate = estimatedTextWidth(utf8, style.sizePx);
    if (right.x - left.x > estimate + 1e-6) {
      tooWide += text.toStdString() + " ";
    }
  }

  std::vector<Primitive> drawn;
  std::string tooWide;

 private:
  CanvasPoint design(const QPointF& device) const {
    const QPointF p = (designToTarget() * outer_).inverted().map(device);
    return {p.x(), p.y()};
  }
  testing::RecordingPaintEngine& engine_;
  QTransform outer_;  // the painter's own, from its coordinates to the device
};

bool agree(const std::vector<Primitive>& expected, const std::vector<Primitive>& actual,
           double tolerance, std::string& why) {
  if (expected.size() != actual.size()) {
    why = "primitives: expected " + std::to_string(expected.size()) + ", actual " +
          std::to_string(actual.size());
    return false;
  }
  for (size_t i = 0; i < expected.size(); ++i) {
    const Primitive& e = expected[i];
    const Primitive& a = actual[i];
    const std::string at = "primitive " + std::to_string(i) + " (" +
                           (e.isText ? "text \"" + e.text + "\"" : std::string("line")) + "): ";
    if (e.isText != a.isText || e.text != a.text || e.align != a.align) {
      why = at + "actual " + (a.isText ? "text \"" + a.text + "\"" : std::string("line"));
      return false;
    }
    if (e.points.size() != a.points.size()) {
      why = at + "points: expected " + std::to_string(e.points.size()) + ", actual " +
            std::to_string(a.points.size());
      return false;
    }
    for (size_t k = 0; k < e.points.size(); ++k) {
      const double dx = a.points[k].x - e.points[k].x, dy = a.points[k].y - e.points[k].y;
      if (std::fabs(dx) > tolerance || std::fabs(dy) > tolerance) {
        why = at + "point " + std::to_string(k) + " expected (" + std::to_string(e.points[k].x) +
              ", " + std::to_string(e.points[k].y) + "), actual (" + std::to_string(a.points[k].x) +
              ", " + std::to_string(a.points[k].y) + "), tolerance " + std::to_string(tolerance);
        return false;
      }
    }
  }
  return true;
}

class ChartRects : public QtChartCanvas {
 public:
  using QtChartCanvas::QtChartCanvas;
  void text(CanvasPoint anchor, std::string_view utf8, const TextStyle& style) override {
    rects.push_back({std::string(utf8), textRect(anchor, utf8, style)});
    QtChartCanvas::text(anchor, utf8, style);
  }
  std::vector<std::pair<std::string, QRectF>> rects;
};

}  // namespace

class ChartBackendsTest : public QObject {
  Q_OBJECT

 private:
  Session session_;

 private slots:
  void initTestCase() { QCOMPARE(runCalculation(session_), RunStatus::Finished); }

  void everyBackendDrawsTheSamePrimitives() {
    for (const auto& [name, chart] : session_.results.charts()) {
      const std::vector<Primitive> expected = recorded(chart);
      QVERIFY2(expected.size() > 5, name.c_str());
      std::string why;
      QVERIFY2(agree(expected, fromSvg(chartAsSvg(chart)), 0.006, why),
               (name + " SVG: " + why).c_str());
      QVERIFY2(agree(expected, fromWmf(chartAsWmf(chart)), 0.5 + 1e-9, why),
               (name + " metafile: " + why).c_str());

      testing::RecordingDevice device(1000, 1000);
      QPainter painter(&device);
      painter.translate(13.25, 7.5);
      RecordingQtCanvas canvas(painter, QRectF(20, 30, 731.5, 917), device.engine);
      renderChart(chart, canvas);
      painter.end();
      QVERIFY2(agree(expected, canvas.drawn, 1e-3, why), (name + " Qt: " + why).c_str());
      QVERIFY2(canvas.tooWide.empty(), (name + " wider than estimated: " + canvas.tooWide).c_str());
    }
  }

  // The stem-top widths 142, 400 and 258 of the default wall used to run into
  // one another; now no text rectangle the Qt canvas fills meets another.
  void outlineFigureTextsDoNotOverlapOnScreen() {
    const Chart& chart = session_.results.chart("Chart3");
    for (double scale : {1.0, 2.5}) {
      QImage image(int(chart.width * scale), int(chart.height * scale), QImage::Format_RGB32);
      QPainter painter(&image);
      ChartRects canvas(painter, QRectF(image.rect()));
      renderChart(chart, canvas);
      painter.end();
      int widths = 0;
      for (size_t i = 0; i < canvas.rects.size(); ++i) {
        const auto& [text, rect] = canvas.rects[i];
        if (text == "142" || text == "400" || text == "258") ++widths;
        for (size_t k = 0; k < i; ++k) {
          const auto& [other, otherRect] = canvas.rects[k];
          const QRectF common = rect.intersected(otherRect);
          const bool meet = common.width() > 1e-6 && common.height() > 1e-6;
          QVERIFY2(!meet || (text == other && rect == otherRect),
                   ("\"" + text + "\" meets \"" + other + "\" by " +
                    std::to_string(common.width()) + " x " + std::to_string(common.height()))
                       .c_str());
        }
      }
      QCOMPARE(widths, 3);
    }
  }
};

}  // namespace kovrel

QTEST_MAIN(kovrel::ChartBackendsTest)
#include "chart_backends_test.moc"
