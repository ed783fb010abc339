// The window's start beside a bare Qt window, on the offscreen platform: from the construction of
// the widget to the end of its first paint. The bare window is the main window's size and shows
// one Chinese label in each of the two faces the window's labels use, the sans and the Song, so
// both pay for Qt and for opening the same CJK fonts; what is left is the cost of Velmora's own
// controls.
//
// Two sets of figures, in one run:
// - warm, in this process (Google Benchmark, manual time, median of repetitions): a window built
//   again and again once Qt and the fonts are loaded;
// - cold, each start in a child process of its own (this program with --child=main or
//   --child=bare), which also reports its peak memory (VmHWM) once the window is painted.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control_table.h"
#include "fonts.h"
#include "form1.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kColdStarts = 5;  // children of each kind

// Notices the first paint event of any widget of one window.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QWidget* window) : window_(window) {}
  bool painted() const { return painted_; }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == window_) {
      painted_ = true;
    }
    return false;
  }

 private:
  QWidget* window_;
  bool painted_ = false;
};

std::unique_ptr<QWidget> MakeBareWindow() {
  auto window = std::make_unique<QWidget>();
  window->resize(velmora::ui::TwipsToPixels(velmora::ui::kClientWidthTwips),
                 velmora::ui::TwipsToPixels(velmora::ui::kClientHeightTwips));
  auto* label = new QLabel(QStringLiteral("（起始座标）"), window.get());
  label->setFont(velmora::ui::MakeFont(velmora::ui::kSansFont));
  label->move(112, 192);
  auto* song = new QLabel(QStringLiteral("（计 算 结 果）"), window.get());
  song->setFont(velmora::ui::MakeFont(velmora::ui::kSongSection));
  song->move(504, 432);
  return window;
}

std::unique_ptr<QWidget> MakeMainWindow() {
  return std::make_unique<velmora::ui::Form1>();
}

// Builds a window, shows it and waits for its first paint; returns the seconds that took and
// leaves the window painted in `window`.
double StartWindow(std::unique_ptr<QWidget> (*make)(), std::unique_ptr<QWidget>& window) {
  const Clock::time_point start = Clock::now();
  window = make();
  FirstPaint watcher(window.get());
  qApp->installEventFilter(&watcher);
  window->show();
  QElapsedTimer limit;
  limit.start();
  while (!watcher.painted() && limit.elapsed() < 10000) QApplication::processEvents();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  qApp->removeEventFilter(&watcher);
  if (!watcher.painted()) {
    std::fprintf(stderr, "window_bench: no paint within 10 s\n");
    std::exit(1);
  }
  return seconds;
}

void CloseWindow(std::unique_ptr<QWidget>& window) {
  window.reset();
  QApplication::processEvents();
}

void WindowStart(benchmark::State& state, std::unique_ptr<QWidget> (*make)()) {
  std::unique_ptr<QWidget> window;
  for (auto _ : state) {
    state.SetIterationTime(StartWindow(make, window));
    CloseWindow(window);
  }
}

// Peak resident memory of this process so far, in KiB.
long PeakMemoryKib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// One cold start of a child: prints "<microseconds> <peak KiB>".
int RunChild(std::string_view kind) {
  std::unique_ptr<QWidget> window;
  const double seconds = StartWindow(kind == "main" ? MakeMainWindow : MakeBareWindow, window);
  std::printf("%.0f %ld\n", seconds * 1e6, PeakMemoryKib());
  return 0;
}

struct ColdStart {
  double microseconds = 0;
  long peakKib = 0;
};

ColdStart SpawnChild(const char* kind) {
  char self[4096];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  if (length <= 0) std::exit(1);
  self[length] = '\0';
  const std::string command = std::string("'") + self + "' --child=" + kind;
  FILE* child = popen(command.c_str(), "r");
  ColdStart result;
  if (child == nullptr ||
      std::fscanf(child, "%lf %ld", &result.microseconds, &result.peakKib) != 2 ||
      pclose(child) != 0) {
    std::fprintf(stderr, "window_bench: the %s child failed\n", kind);
    std::exit(1);
  }
  return result;
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Keeps the median real time of each benchmark as it is reported.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median")
        medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double median(const std::string& name) const {
    const auto it = medians_.find(name);
    return it == medians_.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> medians_;
};

void ColdStarts() {
  std::vector<double> mainTimes, bareTimes;
  std::vector<long> mainPeaks, barePeaks;
  for (int i = 0; i < kColdStarts; ++i) {
    const ColdStart bare = SpawnChild("bare");
    const ColdStart main = SpawnChild("main");
    bareTimes.push_back(bare.microseconds);
    barePeaks.push_back(bare.peakKib);
    mainTimes.push_back(main.microseconds);
    mainPeaks.push_back(main.peakKib);
  }
  const double mainTime = Median(mainTimes), bareTime = Median(bareTimes);
  const long mainPeak = Median(mainPeaks), barePeak = Median(barePeaks);
  std::printf("cold start, median of %d children each:\n", kColdStarts);
  std::printf("  bare window  %8.0f us   peak memory %7.1f MiB\n", bareTime, barePeak / 1024.0);
  std::printf("  main window  %8.0f us   peak memory %7.1f MiB\n", mainTime, mainPeak / 1024.0);
  std::printf("  ratio main/bare %.2f (aim <= 1.25); peak memory above bare %.1f MiB (aim <= 15)\n",
              mainTime / bareTime, (mainPeak - barePeak) / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::string_view child;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.rfind("--child=", 0) == 0) child = arg.substr(8);
  }
  QApplication app(argc, argv);
  velmora::ui::InstallFontSubstitutes();
  if (!child.empty()) return RunChild(child);

  benchmark::RegisterBenchmark("WindowStart/bare", WindowStart, MakeBareWindow)
      ->UseManualTime()
      ->Repetitions(5)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("WindowStart/main", WindowStart, MakeMainWindow)
      ->UseManualTime()
      ->Repetitions(5)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  MedianReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double bare = reporter.median("WindowStart/bare");
  const double main = reporter.median("WindowStart/main");
  if (bare > 0 && main > 0) {
    std::printf("warm start, medians: main/bare %.2f (aim <= 1.25)\n", main / bare);
  }
  ColdStarts();
  benchmark::Shutdown();
  return 0;
}
