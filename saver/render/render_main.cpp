#include "saver/render/render_main.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

#include "base/file_replacement.h"
#include "saver/animation/saver_cycle.h"
#include "saver/render/headless_window.h"
#include "saver/render/options_profile.h"
#include "saver/render/png_file.h"
#include "saver/render/render_options.h"
#include "saver/surface/software_surface.h"
#include "saver/surface/trace_surface.h"

namespace verdant {
namespace {

constexpr int kBadOptions = 2;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

int Fail(base::ConsoleWriter& err, const std::string& message) {
  err.Write("verdant-render: " + message + "\n");
  return kBadOptions;
}

// Window creation, then the ticks, then destruction, as the saver window lives them; the
// options stand as its profile file.
void RunSaver(const RenderOptions& options, DrawingSurface& surface, TraceSurface* trace) {
  OptionsProfile profile(options.settings);
  SaverCycle cycle(profile);
  HeadlessWindow window(surface, options.width, options.height, options.seed);
  if (trace) trace->RecordCreate(options.width, options.height, options.seed);
  cycle.OnCreate(window);
  for (std::int64_t tick = 1; tick <= options.ticks; ++tick) {
    if (trace) trace->RecordTick(tick);
    cycle.OnTimer(window);
  }
  cycle.OnDestroy(window);
}

// The same file under two spellings (relative, through a link) is still one file.
bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error_a, error_b;
  const std::filesystem::path canonical_a = std::filesystem::weakly_canonical(a, error_a);
  const std::filesystem::path canonical_b = std::filesystem::weakly_canonical(b, error_b);
  return a == b || (!error_a && !error_b && canonical_a == canonical_b);
}

// Each output is written beside its file and takes its place only when complete, so a failed
// run leaves earlier files as they were.
int Render(const RenderOptions& options, base::ConsoleWriter& err) {
  if (options.png.empty() && options.trace.empty()) {
    return Fail(err, "nothing to write: give --png FILE and/or --trace FILE");
  }
  if (!options.png.empty() && !PngOutputAvailable()) {
    return Fail(err, "this build cannot write PNG files");
  }
  if (!options.png.empty() && !options.trace.empty() && SameFile(options.png, options.trace)) {
    return Fail(err, "--png and --trace name the same file: " + options.png);
  }
  std::optional<base::FileReplacement> trace_output;
  std::ofstream trace_file;
  if (!options.trace.empty()) {
    trace_output.emplace(options.trace);
    if (trace_output->Ready()) trace_file.open(trace_output->Path(), std::ios::binary);
    if (!trace_file.is_open()) return Fail(err, "cannot write " + options.trace);
  }
  std::optional<base::FileReplacement> png_output;
  File png_file;
  if (!options.png.empty()) {
    png_output.emplace(options.png);
    if (png_output->Ready()) png_file.reset(std::fopen(png_output->Path().string().c_str(), "wb"));
    if (!png_file) return Fail(err, "cannot write " + options.png);
  }
  std::optional<SoftwareSurface> frame;
  if (png_file) frame.emplace(options.width, options.height);
  std::optional<TraceSurface> trace;
  if (trace_file.is_open()) trace.emplace(trace_file, frame ? &*frame : nullptr);
  DrawingSurface& surface = trace ? static_cast<DrawingSurface&>(*trace) : *frame;

  RunSaver(options, surface, trace ? &*trace : nullptr);

  if (trace_file.is_open()) {
    trace_file.close();
    if (!trace_file) return Fail(err, "cannot write " + options.trace);
  }
  if (png_file) {
    const bool written =
        WritePng(png_file.get(), frame->Width(), frame->Height(), frame->Data(), frame->Stride());
    if (std::fclose(png_file.release()) != 0 || !written) {
      return Fail(err, "cannot write " + options.png);
    }
  }
  if (trace_output && !trace_output->Commit()) return Fail(err, "cannot write " + options.trace);
  if (png_output && !png_output->Commit()) return Fail(err, "cannot write " + options.png);
  return 0;
}

}  // namespace

int RenderMain(std::span<const std::string_view> args, base::ConsoleWriter& out,
               base::ConsoleWriter& err) {
  const ParsedOptions parsed = ParseRenderOptions(args);
  if (!parsed.error.empty()) return Fail(err, parsed.error + " (see --help)");
  if (parsed.options.help) {
    out.Write(RenderUsage());
    return 0;
  }
  try {
    return Render(parsed.options, err);
  } catch (const std::bad_alloc&) {
    return Fail(err, "not enough memory for a " + std::to_string(parsed.options.width) + " x " +
                         std::to_string(parsed.options.height) + " frame");
  }
}

}  // namespace verdant
